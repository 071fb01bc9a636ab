// The printer position offset on paper: a sheet printed into a 600-dpi PDF and rasterised, its cards and
// crop marks moved by the offset; the calibration sheet's crosses where the printable area's corners and
// the paper's centre are.
#include "app/print_pdf.h"
#include "app/sheet_samples.h"
#include "layout/calibration_sheet.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;
// A tenth of a millimetre at 600 dpi.
constexpr double kTenth = 0.1 * kDpi / 25.4;

double Mm(double px)
{
    return px * 25.4 / kDpi;
}

class PrintOffsetPdf : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) { return dir.filePath(name); }

    QImage printed(const QString &name, const PrintOffset &offset)
    {
        EXPECT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(name), offset), 0);
        QString error;
        const QImage page = RasterisePdf(path(name), kDpi, &error);
        EXPECT_FALSE(page.isNull()) << error.toStdString();
        return page;
    }
};

} // namespace

TEST_F(PrintOffsetPdf, EveryCardAndCropMarkMovesByTheOffset)
{
    WriteSheetCard(path(QStringLiteral("card.zrd")));
    const QImage plain = printed(QStringLiteral("plain.pdf"), {});
    const QImage moved = printed(QStringLiteral("moved.pdf"), {1.5f, -0.7f});
    ASSERT_FALSE(plain.isNull());
    ASSERT_FALSE(moved.isNull());
    const int dx = Px(1.5, kDpi), dy = -Px(0.7, kDpi);

    // Each card's corner marker, found near its cell on both sheets (the window follows the offset).
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 5; ++j) {
            const QRect window(Px(13 + 91 * i, kDpi), Px(10 + 55 * j, kDpi), Px(3.5, kDpi), Px(3.5, kDpi));
            const QRect a = DarkBox(plain, window);
            const QRect b = DarkBox(moved, window.translated(dx, dy));
            ASSERT_FALSE(a.isEmpty() || b.isEmpty()) << i << "," << j;
            EXPECT_NEAR(Mm(b.left() - a.left()), 1.5, 0.1) << i << "," << j;
            EXPECT_NEAR(Mm(b.top() - a.top()), -0.7, 0.1) << i << "," << j;
            EXPECT_LE(std::abs(b.width() - a.width()), 1);
        }
    // The crop marks on all four sides of the block: above, left of, below and right of it.
    const QRect marks[] = {
        QRect(Px(14, kDpi) - 6, Px(6, kDpi), 13, Px(4, kDpi)),    // above the first column's left edge
        QRect(Px(9, kDpi), Px(11, kDpi) - 6, Px(4, kDpi), 13),    // left of the first row's top edge
        QRect(Px(196, kDpi) - 6, Px(287, kDpi), 13, Px(4, kDpi)), // below the last column's right edge
        QRect(Px(197, kDpi), Px(286, kDpi) - 6, Px(4, kDpi), 13), // right of the last row's bottom edge
    };
    for (const QRect &window : marks) {
        const QRect a = DarkBox(plain, window);
        const QRect b = DarkBox(moved, window.translated(dx, dy));
        ASSERT_FALSE(a.isEmpty() || b.isEmpty()) << window.x() << "," << window.y();
        EXPECT_NEAR(Mm(b.left() - a.left()), 1.5, 0.1);
        EXPECT_NEAR(Mm(b.top() - a.top()), -0.7, 0.1);
        EXPECT_EQ(b.size(), a.size());
        // Nothing is left where the unmoved mark stood.
        EXPECT_TRUE(DarkBox(moved, a.adjusted(-dx, 1, -dx, -1)).isEmpty() || a.height() <= 2);
    }
}

TEST_F(PrintOffsetPdf, TheCalibrationSheetsCrossesStandAtThePrintableCornersAndThePapersCentre)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(kDpi);
    // Unequal margins, as many printers have: the centre is the paper's, not the printable area's.
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 4, 3, 12),
                                      QPageLayout::Millimeter));
    printer.setOutputFileName(path(QStringLiteral("calibration.pdf")));
    // The layout's paper is asked for; here the printer's own A4.
    PrintCalibrationSheet(printer, PaperSize{210.0f, 297.0f}, QStringLiteral("PDF ファイルへの出力"));
    QString error;
    const QImage page = RasterisePdf(path(QStringLiteral("calibration.pdf")), kDpi, &error);
    ASSERT_FALSE(page.isNull()) << error.toStdString();
    EXPECT_NEAR(page.width(), 4960, 3);

    // The corners: where the printer puts its printable area (Qt keeps the margins in whole points),
    // which is within half a millimetre of the margins asked for.
    const QRect area = printer.pageLayout().paintRectPixels(kDpi);
    const int l = area.left(), t = area.top(), r = area.right() + 1, b = area.bottom() + 1;
    EXPECT_NEAR(Mm(l), 5.0, 0.5);
    EXPECT_NEAR(Mm(page.width() - r), 3.0, 0.5);
    EXPECT_NEAR(Mm(page.height() - b), 12.0, 0.5);
    const int near = Px(2, kDpi);
    const QRect tl = DarkBox(page, QRect(l - near, t - near, 2 * near, 2 * near));
    const QRect tr = DarkBox(page, QRect(r - near, t - near, 2 * near, 2 * near));
    const QRect bl = DarkBox(page, QRect(l - near, b - near, 2 * near, 2 * near));
    const QRect br = DarkBox(page, QRect(r - near, b - near, 2 * near, 2 * near));
    for (const QRect &corner : {tl, tr, bl, br})
        ASSERT_FALSE(corner.isEmpty());
    EXPECT_NEAR(tl.left(), l, kTenth);
    EXPECT_NEAR(tl.top(), t, kTenth);
    EXPECT_NEAR(tr.right() + 1, r, kTenth);
    EXPECT_NEAR(tr.top(), t, kTenth);
    EXPECT_NEAR(bl.left(), l, kTenth);
    EXPECT_NEAR(bl.bottom() + 1, b, kTenth);
    EXPECT_NEAR(br.right() + 1, r, kTenth);
    EXPECT_NEAR(br.bottom() + 1, b, kTenth);

    // The centre cross: its upright line 12 mm below the centre, its level line 12 mm left of it.
    const int cx = page.width() / 2, cy = page.height() / 2;
    const QRect upright = DarkBox(page, QRect(cx - near, cy + Px(12, kDpi), 2 * near, Px(1, kDpi)));
    const QRect level = DarkBox(page, QRect(cx - Px(13, kDpi), cy - near, Px(1, kDpi), 2 * near));
    ASSERT_FALSE(upright.isEmpty() || level.isEmpty());
    EXPECT_NEAR((upright.left() + upright.right() + 1) / 2.0, cx, kTenth);
    EXPECT_NEAR((level.top() + level.bottom() + 1) / 2.0, cy, kTenth);
    // The lines are thin enough to read a tenth of a millimetre by.
    EXPECT_LE(Mm(upright.width()), 0.25);

    // The instruction is printed as text.
    const auto text =
        RunTool(QStringLiteral("pdftotext"), {path(QStringLiteral("calibration.pdf")), "-"}, &error);
    ASSERT_TRUE(text) << error.toStdString();
    EXPECT_TRUE(QString::fromUtf8(*text).contains(QStringLiteral("補正用シート")));
    // The printer keeps its own page setting afterwards.
    EXPECT_NEAR(printer.pageLayout().margins(QPageLayout::Millimeter).bottom(), 12.0, 0.01);

    const QString dirOut = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (!dirOut.isEmpty()) {
        EXPECT_TRUE(page.save(dirOut + "/calibration-sheet.png"));
    }
}
