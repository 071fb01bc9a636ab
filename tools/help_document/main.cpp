// Writes the help document tarsk.hlp: the HTML source with each picture it names (src="x.png", from
// the source's folder) carried inside as a data: address, so the help is one file wherever it lies.
//   make_help SOURCE.html OUT
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <cstdio>

namespace {

bool readFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_help SOURCE.html OUT\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QByteArray html;
    if (!readFile(source, html)) {
        std::fprintf(stderr, "make_help: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QFileInfo(source).absolutePath() + u'/';
    QString text = QString::fromUtf8(html);
    static const QRegularExpression picture(QStringLiteral("src=\"([A-Za-z0-9_-]+\\.png)\""));
    QString out;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &m : picture.globalMatch(text)) {
        QByteArray png;
        if (!readFile(folder + m.captured(1), png)) {
            std::fprintf(stderr, "make_help: cannot read the picture %s\n", qPrintable(m.captured(1)));
            return 1;
        }
        out += text.mid(last, m.capturedStart() - last);
        out += QStringLiteral("src=\"data:image/png;base64,") + QString::fromLatin1(png.toBase64()) + u'"';
        last = m.capturedEnd();
    }
    out += text.mid(last);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out.toUtf8()) < 0 || !file.flush()) {
        std::fprintf(stderr, "make_help: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
