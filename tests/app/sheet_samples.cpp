// The printing tests' card and page analysis.
#include "app/sheet_samples.h"

#include "app/unit3.h"
#include "common/picture_samples.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/zrd_format.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void addSquare(TForm3 &form, int left, int top)
{
    auto *s = new TQVShape(form.DrawPanel);
    s->SetShape(qvstRectangle);
    s->SetLeft(left);
    s->SetTop(top);
    s->SetWidth(10);
    s->SetHeight(10);
    s->Pen().SetColor(clBlack);
    s->Brush().SetStyle(bsSolid);
    s->Brush().SetColor(clBlack);
    form.AttachCardObject(s);
}

void addLabel(TForm3 &form, const QString &text, int top)
{
    auto *label = new TLabelEx(form.DrawPanel);
    label->SetTransparent(true);
    label->Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
    label->Font().SetSize(12);
    label->SetCaption(text);
    label->SetAutoSize(true);
    label->SetAutoSize(false);
    label->SetLeft(120);
    label->SetTop(top);
    form.AttachCardObject(label);
}

QByteArray backgroundJpeg()
{
    QImage image(910, 550, QImage::Format_RGB32);
    image.fill(QColor(255, 250, 225));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

} // namespace

void WriteSheetCard(const QString &path, int overhang)
{
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    const QByteArray jpeg = backgroundJpeg();
    form.BackgroundPicture->Picture().ReadData(QByteArray("\x0aTJPEGImage") + ZrdInt32(qint32(jpeg.size())) +
                                               jpeg);
    form.BackgroundPicture->SetVisible(true);
    addSquare(form, 0, 0);
    addSquare(form, 445, 20);
    addLabel(form, kSampleJapanese, 100);
    addLabel(form, kSampleLatin, 150);
    form.PageLayout.Overhang = overhang;
    form.SaveDocument(path);
}

std::optional<QByteArray> RunTool(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error)
            *error = program + QStringLiteral(": ") + process.errorString() + QStringLiteral(" ") +
                     QString::fromLocal8Bit(process.readAllStandardError());
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

QImage RasterisePdf(const QString &pdf, int dpi, QString *error, bool colour)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QStringList arguments = {QStringLiteral("-r"),
                             QString::number(dpi),
                             QStringLiteral("-png"),
                             QStringLiteral("-singlefile"),
                             pdf,
                             stem};
    if (!colour)
        arguments.prepend(QStringLiteral("-gray"));
    if (!RunTool(QStringLiteral("pdftoppm"), arguments, error))
        return {};
    // An A4 page at 600 dpi is larger than Qt reads by default.
    QImageReader reader(stem + QStringLiteral(".png"));
    reader.setAllocationLimit(512);
    const QImage page = reader.read();
    if (page.isNull() && error)
        *error = QStringLiteral("pdftoppm wrote no readable page");
    return page.convertToFormat(colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
}

QRect DarkBox(const QImage &page, QRect window)
{
    window &= page.rect();
    QRect box;
    for (int y = window.top(); y <= window.bottom(); ++y) {
        const uchar *line = page.constScanLine(y);
        for (int x = window.left(); x <= window.right(); ++x)
            if (line[x] < 128)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

QString WriteCardWithAHugeClaim(const QString &path)
{
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    QImage photo(16, 16, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    QByteArray jpeg = EncodedImage(photo, "JPG");
    const int sof = int(jpeg.indexOf(QByteArray("\xFF\xC0", 2)));
    jpeg[sof + 5] = jpeg[sof + 7] = char(0xFF);
    jpeg[sof + 6] = jpeg[sof + 8] = char(0xDC); // 65500
    auto *picture = new TImage(form.DrawPanel);
    picture->Picture().ReadData(QByteArray("\x0aTJPEGImage") + ZrdInt32(qint32(jpeg.size())) + jpeg);
    picture->SetStretch(true);
    picture->SetBounds(300, 100, 80, 40);
    form.AttachCardObject(picture);
    form.SaveDocument(path);
    return path;
}
