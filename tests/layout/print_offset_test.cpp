// The printer position offset: its values and pixels, and the file that keeps one per printer.
#include "layout/print_offset.h"
#include "platform/file_io.h"
#include "qt_pdf_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

int failingSync(int)
{
    errno = EIO;
    return -1;
}

} // namespace

TEST(PrintOffset, ValuesKeepOneDecimalWithinTenMillimetres)
{
    EXPECT_FLOAT_EQ(ClampedOffsetMM(1.46), 1.5f);
    EXPECT_FLOAT_EQ(ClampedOffsetMM(-0.74), -0.7f);
    EXPECT_FLOAT_EQ(ClampedOffsetMM(12.0), 10.0f);
    EXPECT_FLOAT_EQ(ClampedOffsetMM(-1e300), -10.0f);
    EXPECT_FLOAT_EQ(ClampedOffsetMM(std::nan("")), 0.0f);
    EXPECT_FALSE(std::signbit(ClampedOffsetMM(-0.01)));
    // A field holds a magnitude; its direction list gives the sign. Inches are converted and rounded.
    EXPECT_FLOAT_EQ(OffsetFieldMM(1.5, false, true), -1.5f);
    EXPECT_FLOAT_EQ(OffsetFieldMM(0.059, true, false), 1.5f);
    EXPECT_FLOAT_EQ(OffsetFieldMM(0.5, true, true), -10.0f);
    EXPECT_FALSE(std::signbit(OffsetFieldMM(0.0, false, true)));
    EXPECT_EQ(OffsetFieldText(-1.5f, false), QStringLiteral("1.5"));
    EXPECT_EQ(OffsetFieldText(1.5f, true), QStringLiteral("0.059"));
    EXPECT_EQ(OffsetFieldText(-10.0f, true), QStringLiteral("0.394"));
}

TEST(PrintOffset, PrinterPixelsComeFromTheResolutionWithinATenthOfAMillimetre)
{
    const QPoint px = OffsetInPrinterPixels({1.5f, -0.7f}, QtPdfA4At600Dpi());
    EXPECT_EQ(px, QPoint(35, -17));
    EXPECT_NEAR(px.x() * 25.4 / 600, 1.5, 0.05);
    EXPECT_NEAR(px.y() * 25.4 / 600, -0.7, 0.05);
    // Without a reported resolution, the printable area's pixels per millimetre.
    PrinterMeasures m = QtPdfA4At600Dpi();
    m.LogPixelsX = m.LogPixelsY = 0;
    EXPECT_EQ(OffsetInPrinterPixels({10.0f, -10.0f}, m), QPoint(237, -237));
    EXPECT_EQ(OffsetInPrinterPixels({1.0f, 1.0f}, PrinterMeasures{}), QPoint(0, 0));
}

TEST(PrintOffset, TheOffsetArgumentTakesTwoValuesInRange)
{
    PrintOffset o;
    EXPECT_TRUE(ParseOffsetArgument(QStringLiteral("1.5,-0.7"), o));
    EXPECT_EQ(o, (PrintOffset{1.5f, -0.7f}));
    EXPECT_TRUE(ParseOffsetArgument(QStringLiteral("-10, 10"), o));
    EXPECT_EQ(o, (PrintOffset{-10.0f, 10.0f}));
    for (const char *bad : {"", "1.5", "1.5,", ",2", "1,2,3", "10.1,0", "0,-11", "a,b", "1e400,0", "nan,0",
                            "inf,0", "1;2", "１,２"}) {
        PrintOffset kept{3.0f, 4.0f};
        EXPECT_FALSE(ParseOffsetArgument(QString::fromUtf8(bad), kept)) << bad;
        EXPECT_EQ(kept, (PrintOffset{3.0f, 4.0f})) << bad;
    }
}

TEST(PrinterOffsetsFile, ReadsGoodLinesAndLeavesOutEverythingElse)
{
    const QByteArray bytes = "# comment\r\n"
                             "1.5\t-0.7\tOffice_Laser\r\n"
                             "\r\n"
                             "garbage without tabs\n"
                             "1e400\t0\tHuge\n"
                             "99999999999999999999\t0\tHuger\n"
                             "10.1\t0\tOutOfRange\n"
                             "nan\t0\tNotANumber\n"
                             "1\t1\t\n"
                             "2\t\tNoY\n"
                             "0.3\t0.4\tBad\xff\xfe name\n"
                             "0.5\t0.6\tPDF file\n"
                             "-2.04\t3\tOffice_Laser\n" // a later line wins
                             "4\t5\tName\twith a tab";
    const PrinterOffsets offsets = ParsePrinterOffsets(bytes);
    ASSERT_EQ(offsets.size(), 3u);
    EXPECT_EQ(PrinterOffsetFor(offsets, QStringLiteral("Office_Laser")), (PrintOffset{-2.0f, 3.0f}));
    EXPECT_EQ(PrinterOffsetFor(offsets, PdfOffsetKey), (PrintOffset{0.5f, 0.6f}));
    EXPECT_EQ(PrinterOffsetFor(offsets, QStringLiteral("Name\twith a tab")), (PrintOffset{4.0f, 5.0f}));
    EXPECT_EQ(PrinterOffsetFor(offsets, QStringLiteral("Huge")), PrintOffset());
    EXPECT_TRUE(ParsePrinterOffsets(QByteArray("\0\0\xff\n\t\t\n", 7)).empty());

    // Written back, the same entries come out; zero offsets and names that would break a line are left out.
    PrinterOffsets more = offsets;
    more[QStringLiteral("Zero")] = {};
    more[QStringLiteral("Two\nlines")] = {1.0f, 1.0f};
    more[QStringLiteral("日本語のプリンタ")] = {-10.0f, 10.0f};
    const QByteArray written = SerializePrinterOffsets(more);
    EXPECT_FALSE(written.contains("Zero"));
    EXPECT_FALSE(written.contains("Two"));
    PrinterOffsets expected = offsets;
    expected[QStringLiteral("日本語のプリンタ")] = {-10.0f, 10.0f};
    EXPECT_EQ(ParsePrinterOffsets(written), expected);
}

TEST(PrinterOffsetsFile, EachPrinterKeepsItsOwnOffsetAcrossARestart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/printer-offsets.txt"));
    // No file yet: every printer prints unmoved, and nothing is said.
    EXPECT_TRUE(ReadPrinterOffsets(path).empty());
    QString error;
    ASSERT_TRUE(StorePrinterOffset(path, QStringLiteral("Office_Laser"), {1.5f, -0.7f}, &error))
        << error.toStdString();
    ASSERT_TRUE(StorePrinterOffset(path, QStringLiteral("Inkjet"), {-2.0f, 0.3f}, &error));
    ASSERT_TRUE(StorePrinterOffset(path, PdfOffsetKey, {0.1f, 0.0f}, &error));
    ASSERT_TRUE(StorePrinterOffset(path, QStringLiteral("Inkjet"), {-2.5f, 0.3f}, &error));
    // Read afresh, as the next run of the program does.
    const PrinterOffsets read = ReadPrinterOffsets(path);
    EXPECT_EQ(PrinterOffsetFor(read, QStringLiteral("Office_Laser")), (PrintOffset{1.5f, -0.7f}));
    EXPECT_EQ(PrinterOffsetFor(read, QStringLiteral("Inkjet")), (PrintOffset{-2.5f, 0.3f}));
    EXPECT_EQ(PrinterOffsetFor(read, PdfOffsetKey), (PrintOffset{0.1f, 0.0f}));
    EXPECT_EQ(PrinterOffsetFor(read, QStringLiteral("Other")), PrintOffset());
    // Setting one back to zero removes its line.
    ASSERT_TRUE(StorePrinterOffset(path, PdfOffsetKey, {}, &error));
    EXPECT_FALSE(readAll(path).contains("PDF file"));
}

TEST(PrinterOffsetsFile, ADamagedFileGivesZeroAndAFailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printer-offsets.txt"));
    writeAll(path, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    EXPECT_TRUE(ReadPrinterOffsets(path).empty());
    writeAll(path, QByteArray(300 * 1024, '1')); // larger than such a file can be
    EXPECT_TRUE(ReadPrinterOffsets(path).empty());
    // A folder where the file should be.
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(ReadPrinterOffsets(folder).empty());

    QString error;
    writeAll(path, "1.5\t-0.7\tOffice_Laser\n");
    const QByteArray before = readAll(path);
    const FileSyncCall previous = SetFileSyncCall(failingSync);
    const bool stored = StorePrinterOffset(path, QStringLiteral("Office_Laser"), {3.0f, 3.0f}, &error);
    SetFileSyncCall(previous);
    EXPECT_FALSE(stored);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
}
