// JPEG pictures in a printed PDF as their own files: read back through qpdf and poppler, compared with
// the page drawn the way the pictures are decoded for other printers.
#include "app/pdf_image_list.h"
#include "app/print_pdf.h"
#include "app/sheet_samples.h"
#include "app/unit3.h"
#include "common/picture_samples.h"
#include "common/scripted_modal.h"
#include "controls/image.h"
#include "document/zrd_format.h"
#include "jpeg/jpeg_samples.h"
#include "layout/print_sheet.h"
#include "platform/printer_measures.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int kDpi = 100;

QByteArray halves(int width, int height, QColor left, QColor right, bool vertical = false)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(left);
    QPainter painter(&image);
    if (vertical)
        painter.fillRect(0, height / 2, width, height - height / 2, right);
    else
        painter.fillRect(width / 2, 0, width - width / 2, height, right);
    painter.end();
    return EncodeRgbJpeg(image, 95);
}

TImage *addPicture(TForm3 &form, const QByteArray &stored, QRect bounds, bool stretch = true)
{
    auto *picture = new TImage(form.DrawPanel);
    picture->Picture().ReadData(stored);
    picture->SetStretch(stretch);
    picture->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    form.AttachCardObject(picture);
    return picture;
}

QByteArray storedJpeg(const QByteArray &jpeg)
{
    return QByteArray("\x0aTJPEGImage") + ZrdInt32(qint32(jpeg.size())) + jpeg;
}

QByteArray storedPng(const QImage &image)
{
    const QByteArray png = EncodedImage(image, "PNG");
    return QByteArray("\x09TPngImage") + ZrdInt32(qint32(png.size())) + png;
}

// The cards' top-left corners on the A4 sheet of the default layout, in pixels at kDpi.
QPoint cell(int i, int j)
{
    return {Px(14 + 91 * i, kDpi), Px(11 + 55 * j, kDpi)};
}

// A point on the card (worksheet pixels) of cell (i, j).
QPoint onCard(int i, int j, double x, double y)
{
    return cell(i, j) + QPoint(int(x / 5 * kDpi / 25.4 + 0.5), int(y / 5 * kDpi / 25.4 + 0.5));
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

class PrintPdfJpeg : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) { return dir.filePath(name); }

    // The sheet as it is printed without carrying the JPEG files: every picture decoded and drawn.
    QImage decodedSheet(const TForm3 &form)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(PrintPdfResolution);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                          QPageLayout::Millimeter));
        printer.setOutputFileName(path(QStringLiteral("decoded.pdf")));
        QPainter painter(&printer);
        PaintSheet(painter, MeasurePrinter(printer), form.sheetToPrint());
        painter.end();
        return page(path(QStringLiteral("decoded.pdf")));
    }

    QImage page(const QString &pdf)
    {
        QString error;
        const QImage image = RasterisePdf(pdf, kDpi, &error, true);
        EXPECT_FALSE(image.isNull()) << error.toStdString();
        return image;
    }

    // Points on a grid over the whole page where the two pages differ by more than `tolerance`.
    static double differingShare(const QImage &a, const QImage &b, int tolerance)
    {
        int points = 0, differing = 0;
        for (int y = 0; y < a.height(); y += 5)
            for (int x = 0; x < a.width(); x += 5, ++points)
                differing += !near(a.pixelColor(x, y), b.pixelColor(x, y), tolerance);
        return double(differing) / points;
    }
};

} // namespace

TEST_F(PrintPdfJpeg, TenCardsCarryTheBackgroundAndThePictureFilesOnceEach)
{
    const QByteArray background = halves(910, 550, QColor(250, 235, 190), QColor(190, 230, 250), true);
    const QByteArray photo = halves(120, 60, QColor(220, 30, 30), QColor(30, 40, 210));
    QByteArray centred;
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        form.BackgroundPicture->Picture().ReadData(storedJpeg(background));
        form.BackgroundPicture->SetVisible(true);
        // Stretched to 80 x 40; and the same photo unstretched, centred in a box smaller than itself,
        // so that its clip shows only the middle.
        addPicture(form, storedJpeg(photo), QRect(300, 100, 80, 40));
        addPicture(form, storedJpeg(photo), QRect(40, 180, 60, 40), false)->SetCenter(true);
        form.SaveDocument(path(QStringLiteral("card.zrd")));
        const QImage decoded = decodedSheet(form);
        ASSERT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("sheet.pdf"))), 0);
        const QImage carried = page(path(QStringLiteral("sheet.pdf")));
        ASSERT_EQ(carried.size(), decoded.size());
        EXPECT_LT(differingShare(carried, decoded, 24), 0.005);

        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 5; ++j) {
                // The stretched photo's halves, the background's halves around it.
                EXPECT_TRUE(near(carried.pixelColor(onCard(i, j, 320, 120)), QColor(220, 30, 30), 20));
                EXPECT_TRUE(near(carried.pixelColor(onCard(i, j, 360, 120)), QColor(30, 40, 210), 20));
                EXPECT_TRUE(near(carried.pixelColor(onCard(i, j, 340, 90)), QColor(250, 235, 190), 20));
                EXPECT_TRUE(near(carried.pixelColor(onCard(i, j, 340, 150)), QColor(190, 230, 250), 20));
                // The centred photo's 120 pixels stand from -30 to 90 in its box: cut at 40 and 100.
                EXPECT_TRUE(near(carried.pixelColor(onCard(i, j, 45, 200)), QColor(220, 30, 30), 20));
                EXPECT_TRUE(near(carried.pixelColor(onCard(i, j, 95, 200)), QColor(30, 40, 210), 20));
                EXPECT_TRUE(near(carried.pixelColor(onCard(i, j, 35, 200)), QColor(190, 230, 250), 20));
            }
    }

    const std::vector<PdfImage> images = imagesOf(path(QStringLiteral("sheet.pdf")));
    ASSERT_EQ(images.size(), 2u);
    std::set<QByteArray> files;
    for (const PdfImage &image : images) {
        files.insert(image.raw);
        EXPECT_EQ(image.filter, "/DCTDecode");
        EXPECT_EQ(image.colourSpace, "/DeviceRGB");
        EXPECT_FALSE(image.softMask);
    }
    EXPECT_EQ(files, (std::set<QByteArray>{background, photo}));

    QString error;
    const auto list = RunTool(QStringLiteral("pdfimages"),
                              {QStringLiteral("-list"), path(QStringLiteral("sheet.pdf"))}, &error);
    ASSERT_TRUE(list) << error.toStdString();
    const QStringList lines = QString::fromUtf8(*list).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 30) << list->toStdString();
    std::set<QString> sizes;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].simplified().split(u' ');
        EXPECT_EQ(columns.value(8), QStringLiteral("jpeg")) << lines[i].toStdString();
        sizes.insert(columns.value(3) + u'x' + columns.value(4));
    }
    EXPECT_EQ(sizes, (std::set<QString>{QStringLiteral("910x550"), QStringLiteral("120x60")}));

    const auto check = RunTool(QStringLiteral("qpdf"),
                               {QStringLiteral("--check"), path(QStringLiteral("sheet.pdf"))}, &error);
    EXPECT_TRUE(check) << error.toStdString();
}

TEST_F(PrintPdfJpeg, GreyAndCmykPicturesKeepTheirColours)
{
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    const QByteArray grey = EncodeGrayJpeg(40, 30, 60);
    // Adobe's inverted CMYK: 80 % black ink, stored as 255 - 204.
    const QByteArray cmyk = EncodeCmykJpeg(40, 30, {255, 255, 255, 51}, false, true);
    const QByteArray plainCmyk = EncodeCmykJpeg(40, 30, {0, 0, 0, 204}, false, false);
    addPicture(form, storedJpeg(grey), QRect(20, 20, 100, 60));
    addPicture(form, storedJpeg(cmyk), QRect(160, 20, 100, 60));
    addPicture(form, storedJpeg(plainCmyk), QRect(300, 20, 100, 60));
    const QImage decoded = decodedSheet(form);
    ASSERT_EQ(form.SaveDocument(path(QStringLiteral("card.zrd"))), 0);
    ASSERT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("sheet.pdf"))), 0);
    const QImage carried = page(path(QStringLiteral("sheet.pdf")));

    for (const double x : {70, 210, 350}) {
        const QColor was = decoded.pixelColor(onCard(0, 0, x, 50));
        const QColor is = carried.pixelColor(onCard(0, 0, x, 50));
        EXPECT_TRUE(near(is, was, 40))
            << x << ": " << is.name().toStdString() << " for " << was.name().toStdString();
        EXPECT_LT(is.lightness(), 110) << x;
    }

    std::map<QByteArray, PdfImage> byFile;
    for (const PdfImage &image : imagesOf(path(QStringLiteral("sheet.pdf"))))
        byFile[image.raw] = image;
    ASSERT_EQ(byFile.size(), 3u);
    ASSERT_TRUE(byFile.count(grey) && byFile.count(cmyk) && byFile.count(plainCmyk));
    EXPECT_EQ(byFile[grey].colourSpace, "/DeviceGray");
    EXPECT_EQ(byFile[cmyk].colourSpace, "/DeviceCMYK");
    EXPECT_EQ(byFile[cmyk].decode, "[ 1 0 1 0 1 0 1 0 ]");
    EXPECT_EQ(byFile[plainCmyk].colourSpace, "/DeviceCMYK");
    EXPECT_EQ(byFile[plainCmyk].decode, "null");
}

TEST_F(PrintPdfJpeg, OtherPicturesKeepQtsLosslessImagesAndTransparency)
{
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    QImage opaque(30, 20, QImage::Format_RGB32);
    opaque.fill(QColor(20, 160, 40));
    const QByteArray arithmetic = EncodeArithmeticJpeg(opaque);
    addPicture(form, storedJpeg(arithmetic), QRect(20, 20, 90, 60));
    // Opaque blue on the left, red at 40 % on the right: a soft mask.
    QImage translucent(30, 20, QImage::Format_ARGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            translucent.setPixelColor(x, y, x < 15 ? QColor(0, 0, 200) : QColor(255, 0, 0, 100));
    addPicture(form, storedPng(translucent), QRect(160, 20, 90, 60));
    const QByteArray bmp = EncodedImage(opaque, "BMP");
    addPicture(form, QByteArray("\x07TBitmap") + ZrdInt32(qint32(bmp.size())) + bmp, QRect(300, 20, 90, 60));
    form.PageLayout.Retu = 1;
    form.PageLayout.Dann = 1;
    ASSERT_EQ(form.SaveDocument(path(QStringLiteral("card.zrd"))), 0);
    ASSERT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("sheet.pdf"))), 0);
    const QImage carried = page(path(QStringLiteral("sheet.pdf")));

    const std::vector<PdfImage> images = imagesOf(path(QStringLiteral("sheet.pdf")));
    int masked = 0, flate = 0, dct = 0;
    for (const PdfImage &image : images) {
        // No image is left as a placeholder, nor is the arithmetic-coded file embedded as it is: Qt
        // writes the decoded picture as it writes every JPEG it is given.
        EXPECT_FALSE(image.width == 8 && image.height == 2);
        EXPECT_NE(image.raw, arithmetic);
        flate += image.filter == "/FlateDecode";
        dct += image.filter == "/DCTDecode";
        masked += image.softMask;
    }
    // The PNG, its soft mask and the bitmap lossless; the decoded arithmetic JPEG as a JPEG.
    EXPECT_EQ(masked, 1);
    EXPECT_EQ(flate, 3);
    EXPECT_EQ(dct, 1);
    EXPECT_EQ(images.size(), 4u);
    // Each drawn where it stands; the card shows through the PNG's translucent half.
    EXPECT_TRUE(near(carried.pixelColor(onCard(0, 0, 65, 50)), QColor(20, 160, 40), 24));
    EXPECT_TRUE(near(carried.pixelColor(onCard(0, 0, 180, 50)), QColor(0, 0, 200), 24));
    EXPECT_TRUE(near(carried.pixelColor(onCard(0, 0, 230, 50)), QColor(255, 155, 155), 24));
    EXPECT_TRUE(near(carried.pixelColor(onCard(0, 0, 345, 50)), QColor(20, 160, 40), 24));
}

TEST_F(PrintPdfJpeg, ThePrintDialogsFileGetsTheJpegAndAFailureLeavesTheEarlierFile)
{
    ScopedScriptedModal modal;
    WriteSheetCard(path(QStringLiteral("card.zrd")));
    TForm3 form;
    ASSERT_EQ(form.LoadDocument(path(QStringLiteral("card.zrd"))), 0);
    form.DocumentOpen = true;
    form.UpdateDocumentCommands();
    const QByteArray jpeg = form.BackgroundPicture->Picture().Graphic()->FileBytes();
    const auto printTo = [](const QString &file) {
        return [file](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        };
    };
    modal->answerPrint(printTo(path(QStringLiteral("printed.pdf"))));
    form.PrintButton->click();
    EXPECT_TRUE(modal->messagesShown().empty());
    const std::vector<PdfImage> images = imagesOf(path(QStringLiteral("printed.pdf")));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].raw, jpeg);
    // The printer keeps the file the dialog chose, not the one printing wrote first.
    EXPECT_EQ(form.Printer().outputFileName(), path(QStringLiteral("printed.pdf")));

    // A folder where the file should go: reported, and nothing of the print is left beside it.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("taken/inside")));
    modal->answerPrint(printTo(path(QStringLiteral("taken"))));
    modal->answerMessage(IDOK);
    form.PrintButton->click();
    ASSERT_EQ(modal->messagesShown().size(), 1u);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("card.zrd"), QStringLiteral("printed.pdf")}));
}

TEST_F(PrintPdfJpeg, DamagedJpegFilesAreDecodedAsBeforeNotCarried)
{
    QImage photo(200, 120, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixelColor(x, y, QColor(x, y * 2, (x * y) % 256));
    const QByteArray whole = EncodeRgbJpeg(photo);

    // Cut in its coded data: the decoder draws what it can read, the rest grey, and the print goes on.
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        const QByteArray cut = whole.left(whole.size() * 2 / 3);
        addPicture(form, storedJpeg(cut), QRect(20, 20, 200, 120));
        ASSERT_EQ(form.SaveDocument(path(QStringLiteral("cut.zrd"))), 0);
        ASSERT_EQ(PrintPdf(path(QStringLiteral("cut.zrd")), path(QStringLiteral("cut.pdf"))), 0);
        const std::vector<PdfImage> images = imagesOf(path(QStringLiteral("cut.pdf")));
        ASSERT_EQ(images.size(), 1u);
        EXPECT_NE(images[0].raw, cut);
        EXPECT_EQ(images[0].width, 200);
    }
    // Its quantisation table left undefined: no decoder can draw it, so the batch print fails and
    // writes nothing, as for any picture that cannot be drawn.
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        QByteArray noTable = whole;
        noTable[FindMarker(whole, 0xDB) + 4] = char(2);
        addPicture(form, storedJpeg(noTable), QRect(20, 20, 200, 120));
        ASSERT_EQ(form.SaveDocument(path(QStringLiteral("table.zrd"))), 0);
        testing::internal::CaptureStderr();
        EXPECT_EQ(PrintPdf(path(QStringLiteral("table.zrd")), path(QStringLiteral("table.pdf"))), 1);
        testing::internal::GetCapturedStderr();
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("table.pdf"))));
    }
}
