// Renders the hand-drawn SVG icons into the PNG sizes of the hicolor icon theme.
//   render_icons SVG THEMEDIR CONTEXT NAME SIZE...   writes THEMEDIR/<SIZE>x<SIZE>/CONTEXT/NAME.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: render_icons SVG THEMEDIR CONTEXT NAME SIZE...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 5; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "render_icons: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/%3")
                                .arg(QString::fromLocal8Bit(argv[2]))
                                .arg(size)
                                .arg(QString::fromLocal8Bit(argv[3]));
        const QString path = dir + u'/' + QString::fromLocal8Bit(argv[4]) + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !image.save(path)) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
