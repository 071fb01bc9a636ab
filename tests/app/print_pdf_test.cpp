// The --print-pdf batch mode, its PDF rasterised at 600 dpi: where the cards and crop marks stand, the
// text it keeps, the picture it embeds once, and the files it leaves when it fails.
#include "app/print_pdf.h"
#include "app/sheet_samples.h"
#include "platform/file_io.h"
#include "platform/strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int kDpi = 600;
// 0.2 mm at 600 dpi, and a pixel for the rounding of the printer's own pixel grid.
constexpr int kTolerance = 5;

class PrintPdfTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) { return dir.filePath(name); }

    // The sheet of the sample card with `overhang`, printed and rasterised.
    QImage printedSheet(int overhang)
    {
        WriteSheetCard(path(QStringLiteral("card.zrd")), overhang);
        EXPECT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("sheet.pdf"))), 0);
        QString error;
        const QImage page = RasterisePdf(path(QStringLiteral("sheet.pdf")), kDpi, &error);
        EXPECT_FALSE(page.isNull()) << error.toStdString();
        return page;
    }
};

} // namespace

TEST_F(PrintPdfTest, TenCardsStandAtTheirCellsWithCropMarksOutside)
{
    const QImage page = printedSheet(0);
    ASSERT_FALSE(page.isNull());
    // A4 at 600 dpi.
    EXPECT_NEAR(page.width(), 4960, 3);
    EXPECT_NEAR(page.height(), 7016, 3);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 5; ++j) {
            const int x = Px(14 + 91 * i, kDpi), y = Px(11 + 55 * j, kDpi);
            const QRect corner =
                DarkBox(page, QRect(x - Px(1, kDpi), y - Px(1, kDpi), Px(3.5, kDpi), Px(3.5, kDpi)));
            ASSERT_FALSE(corner.isEmpty()) << i << "," << j;
            EXPECT_NEAR(corner.left(), x, kTolerance) << i << "," << j;
            EXPECT_NEAR(corner.top(), y, kTolerance) << i << "," << j;
            EXPECT_NEAR(corner.width(), Px(2, kDpi), kTolerance);
            // The right marker ends at the card's right edge: 91 mm wide.
            const QRect right =
                DarkBox(page, QRect(x + Px(88, kDpi), y + Px(3, kDpi), Px(4, kDpi), Px(4, kDpi)));
            ASSERT_FALSE(right.isEmpty()) << i << "," << j;
            EXPECT_NEAR(right.right() + 1 - corner.left(), Px(91, kDpi), kTolerance) << i << "," << j;
        }

    // Crop marks at the block's top-left corner: 2 mm long, starting 2 mm outside the block.
    const QRect above = DarkBox(page, QRect(Px(14, kDpi) - 6, Px(5, kDpi), 13, Px(5.5, kDpi)));
    EXPECT_NEAR(above.top(), Px(7, kDpi), kTolerance);
    EXPECT_NEAR(above.bottom() + 1, Px(9, kDpi), kTolerance);
    EXPECT_LE(above.width(), 2);
    const QRect left = DarkBox(page, QRect(Px(8, kDpi), Px(11, kDpi) - 6, Px(5.5, kDpi), 13));
    EXPECT_NEAR(left.left(), Px(10, kDpi), kTolerance);
    EXPECT_NEAR(left.right() + 1, Px(12, kDpi), kTolerance);
    // And at the bottom-right: the block ends at 196 x 286 mm.
    const QRect below = DarkBox(page, QRect(Px(196, kDpi) - 6, Px(287, kDpi), 13, Px(3.5, kDpi)));
    EXPECT_NEAR(below.top(), Px(288, kDpi), kTolerance);
    EXPECT_NEAR(below.bottom() + 1, Px(290, kDpi), kTolerance);
    // Nothing between the cards' rows left of the block but the marks of each cut line.
    const QRect between = DarkBox(page, QRect(Px(9.5, kDpi), Px(12, kDpi), Px(3, kDpi), Px(53, kDpi)));
    EXPECT_TRUE(between.isEmpty());
}

TEST_F(PrintPdfTest, OverhangPrintsWiderCardsCentredOnTheirCells)
{
    const QImage page = printedSheet(2);
    ASSERT_FALSE(page.isNull());
    // The right-hand column is not covered by a neighbour: its cards show both markers.
    for (int j = 0; j < 5; ++j) {
        const int x = Px(105 - 1, kDpi), y = Px(11 + 55 * j - 55.0 / 91, kDpi);
        const QRect corner =
            DarkBox(page, QRect(x - Px(1, kDpi), y - Px(1, kDpi), Px(3.5, kDpi), Px(3.5, kDpi)));
        ASSERT_FALSE(corner.isEmpty()) << j;
        EXPECT_NEAR(corner.left(), x, kTolerance) << j;
        EXPECT_NEAR(corner.top(), y, kTolerance) << j;
        const QRect right = DarkBox(page, QRect(x + Px(90, kDpi), y + Px(3, kDpi), Px(4, kDpi), Px(4, kDpi)));
        ASSERT_FALSE(right.isEmpty()) << j;
        EXPECT_NEAR(right.right() + 1 - corner.left(), Px(93, kDpi), kTolerance) << j;
    }
    // The marks keep to the nominal cells.
    const QRect above = DarkBox(page, QRect(Px(14, kDpi) - 6, Px(5, kDpi), 13, Px(5.5, kDpi)));
    EXPECT_NEAR(above.top(), Px(7, kDpi), kTolerance);
}

TEST_F(PrintPdfTest, TextStaysTextAndThePictureIsEmbeddedOnce)
{
    WriteSheetCard(path(QStringLiteral("card.zrd")));
    ASSERT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("sheet.pdf"))), 0);
    QString error;
    const auto text = RunTool(QStringLiteral("pdftotext"),
                              {path(QStringLiteral("sheet.pdf")), QStringLiteral("-")}, &error);
    ASSERT_TRUE(text) << error.toStdString();
    const QString words = QString::fromUtf8(*text);
    EXPECT_EQ(words.count(kSampleJapanese), 10) << words.toStdString();
    EXPECT_EQ(words.count(kSampleLatin), 10) << words.toStdString();

    const auto images = RunTool(QStringLiteral("pdfimages"),
                                {QStringLiteral("-list"), path(QStringLiteral("sheet.pdf"))}, &error);
    ASSERT_TRUE(images) << error.toStdString();
    // Two header lines, then one line per use of an image, naming the object it draws.
    const QStringList lines = QString::fromUtf8(*images).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 10) << images->toStdString();
    std::set<QString> objects;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].simplified().split(u' ');
        EXPECT_EQ(columns.value(2), QStringLiteral("image"));
        // The background's own JPEG file, at its full 910 pixels.
        EXPECT_EQ(columns.value(3).toInt(), 910);
        objects.insert(columns.value(10));
    }
    EXPECT_EQ(objects.size(), 1u) << images->toStdString();
}

TEST_F(PrintPdfTest, APictureThatCannotBeDrawnFailsThePrintAndLeavesNoFile)
{
    const QString doc = WriteCardWithAHugeClaim(path(QStringLiteral("claim.zrd")));
    testing::internal::CaptureStderr();
    EXPECT_EQ(PrintPdf(doc, path(QStringLiteral("sheet.pdf"))), 1);
    const QString said = QString::fromUtf8(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(said.contains(LoadStr(Str::PictureTooLarge).arg(65500).arg(65500))) << said.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("claim.zrd")});
}

TEST_F(PrintPdfTest, FailuresLeaveNoFile)
{
    WriteSheetCard(path(QStringLiteral("card.zrd")));
    // A folder that does not exist is not made, and the message says so.
    testing::internal::CaptureStderr();
    EXPECT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("missing/sheet.pdf"))), 1);
    const QString said = QString::fromUtf8(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(said.contains(
        LoadStr(Str::FileWriteError).arg(path(QStringLiteral("missing/sheet.pdf")), SystemErrorText(ENOENT))))
        << said.toStdString();
    EXPECT_FALSE(QDir(path(QStringLiteral("missing"))).exists());

    // A document that cannot be read leaves an earlier PDF as it was and no partial file.
    QFile broken(path(QStringLiteral("broken.zrd")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a card document");
    broken.close();
    QFile earlier(path(QStringLiteral("sheet.pdf")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    EXPECT_EQ(PrintPdf(path(QStringLiteral("broken.zrd")), path(QStringLiteral("sheet.pdf"))), 1);
    EXPECT_EQ(PrintPdf(path(QStringLiteral("absent.zrd")), path(QStringLiteral("sheet.pdf"))), 1);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
    earlier.close();

    // A folder in the way of the output: printed, but not put in place, and the print removed.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("in the way/inside")));
    EXPECT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("in the way"))), 1);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("in the way"))).isDir());

    // Success replaces the earlier file; nothing else is left in the folder.
    ASSERT_EQ(PrintPdf(path(QStringLiteral("card.zrd")), path(QStringLiteral("sheet.pdf"))), 0);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_TRUE(earlier.read(5) == "%PDF-");
    earlier.close();
    // Readable as a new file would be, not only by its owner as the temporary print was.
    EXPECT_TRUE(QFile::permissions(path(QStringLiteral("sheet.pdf"))) & QFileDevice::ReadOther);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{"broken.zrd", "card.zrd", "sheet.pdf"}));
}
