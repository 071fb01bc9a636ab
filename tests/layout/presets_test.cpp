// Preset lines and files: parsing, formatting and reading as the C library reads them.
#include "preset_test_files.h"

#include <QCoreApplication>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

TEST(PresetLine, ReadsTheNameAndTenValues)
{
    const auto p = ParsePresetLine("\"A4 10\x96\xca\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.5,1.5\r\n");
    ASSERT_TRUE(p);
    EXPECT_EQ(PresetNameText(p->PresetName), QByteArray("A4 10\x96\xca"));
    EXPECT_FLOAT_EQ(p->PaperWidth, 210.0f);
    EXPECT_FLOAT_EQ(p->PaperHeight, 297.0f);
    EXPECT_FLOAT_EQ(p->WorkSheetWidthMM, 91.0f);
    EXPECT_FLOAT_EQ(p->WorkSheetHeightMM, 55.0f);
    EXPECT_EQ(p->Retu, 2);
    EXPECT_EQ(p->Dann, 5);
    EXPECT_FLOAT_EQ(p->LeftMargin, 14.0f);
    EXPECT_FLOAT_EQ(p->TopMargin, 11.0f);
    EXPECT_FLOAT_EQ(p->InsideMarginX, 0.5f);
    EXPECT_FLOAT_EQ(p->InsideMarginY, 1.5f);
}

TEST(PresetLine, RejectsLinesWithoutTwoQuotesOrTenCommas)
{
    EXPECT_FALSE(ParsePresetLine(""));
    EXPECT_FALSE(ParsePresetLine("\r\n"));
    EXPECT_FALSE(ParsePresetLine("Velmora version 2.0j\r\n"));
    EXPECT_FALSE(ParsePresetLine("A4, 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0"));
    EXPECT_FALSE(ParsePresetLine("\"A4, 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0"));
    EXPECT_FALSE(ParsePresetLine("\"nine\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0"));
}

TEST(PresetLine, ValuesAreReadAsTheCLibraryReadsThem)
{
    // A value that is no number gives 0; text after a number and after the tenth value is ignored.
    auto p = ParsePresetLine("\"x\", abc, 297.0mm, 91, 55.25, 2.9,-1,  14,11.0,0.0,0.0, extra");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->PaperWidth, 0.0f);
    EXPECT_FLOAT_EQ(p->PaperHeight, 297.0f);
    EXPECT_FLOAT_EQ(p->WorkSheetHeightMM, 55.25f);
    EXPECT_EQ(p->Retu, 2);
    EXPECT_EQ(p->Dann, -1);
    EXPECT_FLOAT_EQ(p->LeftMargin, 14.0f);
    // Numbers past the ranges do not overflow.
    p = ParsePresetLine("\"big\", 1e999, -1e300, 0, 0, 99999999999,-99999999999,0,0,0,0");
    ASSERT_TRUE(p);
    EXPECT_TRUE(std::isinf(p->PaperWidth));
    EXPECT_TRUE(std::isinf(p->PaperHeight) && p->PaperHeight < 0);
    EXPECT_EQ(p->Retu, INT_MAX);
    EXPECT_EQ(p->Dann, INT_MIN);
}

TEST(PresetLine, NamesKeepCommasAndAreCutBetweenCharactersAt63Bytes)
{
    auto p = ParsePresetLine("\"A, B, C\", 1, 2, 3, 4, 5,6,7,8,9,10");
    ASSERT_TRUE(p);
    EXPECT_EQ(PresetNameText(p->PresetName), "A, B, C");
    EXPECT_FLOAT_EQ(p->InsideMarginY, 10.0f);

    const QByteArray ascii(70, 'n');
    p = ParsePresetLine(("\"" + ascii + "\", 1, 2, 3, 4, 5,6,7,8,9,10").constData());
    ASSERT_TRUE(p);
    EXPECT_EQ(PresetNameText(p->PresetName), QByteArray(63, 'n'));

    // 62 ASCII bytes and a double-byte character: the character does not fit and is left out whole.
    const QByteArray mixed = QByteArray(62, 'n') + sjis("面") + "tail";
    p = ParsePresetLine(("\"" + mixed + "\", 1, 2, 3, 4, 5,6,7,8,9,10").constData());
    ASSERT_TRUE(p);
    EXPECT_EQ(PresetNameText(p->PresetName), QByteArray(62, 'n'));
}

TEST(PresetLine, IsWrittenWithOneDecimalAndCrLf)
{
    LayoutPreset p = defaultPreset("A4");
    EXPECT_EQ(FormatPresetLine(p), "\"A4\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n");
    p.LeftMargin = 19.05f; // just below 19.05 as a float
    p.TopMargin = 12.75f;  // exactly half: printf rounds to even
    p.InsideMarginX = 1.66f;
    EXPECT_EQ(FormatPresetLine(p), "\"A4\", 210.0, 297.0, 91.0, 55.0, 2,5,19.0,12.8,1.7,0.0\r\n");

    PresetTable table;
    table.Entries[0] = defaultPreset("maker");
    table.Entries[1] = defaultPreset("u1");
    table.Entries[2] = defaultPreset("u2");
    table.MakerPresetCount = 1;
    table.UserPresetCount = 2;
    EXPECT_EQ(FormatUserPresetFile(table, Version),
              "Velmora version 2.0j\r\n"
              "\"u1\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n"
              "\"u2\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n");
}

TEST(PresetFile, YieldsOnePresetPerValidLineInFileOrder)
{
    PresetFolder folder;
    folder.setMaker("Velmora version 2.0j\r\n"
                    "\"one\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n"
                    "\r\n"
                    "no quotes here, 1, 2, 3\r\n"
                    "\"two\", 215.9, 279.4, 88.9, 50.8, 2,5,19.05,12.7,0.0,0.0\n"
                    "\"nine\", 1, 2, 3, 4, 5,6,7,8,9\r\n"
                    "\"three\", 297.0, 420.0, 90.0, 50.0, 3,8,14.0,10.0,0.0,0.0");
    std::array<LayoutPreset, 8> read{};
    ASSERT_EQ(ReadPresetFile(folder.maker(), read.data(), 8), 3);
    EXPECT_EQ(PresetNameText(read[0].PresetName), "one");
    EXPECT_EQ(PresetNameText(read[1].PresetName), "two");
    EXPECT_FLOAT_EQ(read[1].LeftMargin, 19.05f); // two decimals are used as read
    EXPECT_EQ(PresetNameText(read[2].PresetName), "three");
    EXPECT_EQ(read[2].Dann, 8);
    EXPECT_EQ(ReadPresetFile(folder.dir.path() + "/absent.txt", read.data(), 8), 0);
    EXPECT_EQ(ReadPresetFile(folder.maker(), read.data(), 2), 2); // room for two only
}

TEST(PresetFile, LinesLongerThan255BytesAreReadInPieces)
{
    PresetFolder folder;
    const QByteArray values = ", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0";
    // A long name pushes the values into the next piece: neither piece is a preset.
    const QByteArray longName = "\"" + QByteArray(250, 'N') + "\"" + values + "\r\n";
    // A short preset padded past 255 bytes: its first piece holds it whole.
    const QByteArray padded = "\"padded\"" + values + QByteArray(300, ' ') + "\r\n";
    // A second piece that looks like a preset on its own is read as one.
    const QByteArray hidden = QByteArray(255, '#') + "\"hidden\"" + values + "\r\n";
    folder.setMaker(longName + padded + hidden + "\"last\"" + values + "\r\n");
    std::array<LayoutPreset, 8> read{};
    ASSERT_EQ(ReadPresetFile(folder.maker(), read.data(), 8), 3);
    EXPECT_EQ(PresetNameText(read[0].PresetName), "padded");
    EXPECT_EQ(PresetNameText(read[1].PresetName), "hidden");
    EXPECT_EQ(PresetNameText(read[2].PresetName), "last");
}

TEST(ShippedPresets, EveryLineParsesAndTheStandardTenUpComesFirst)
{
    QString dir = qEnvironmentVariable("VELMORA_TEST_DATA");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + "/.."; // build/tests/.. holds the data files
    const QString path = dir + "/msetpage.txt";
    const QByteArray bytes = readBytes(path);
    ASSERT_NE(bytes, "<missing>") << path.toStdString();
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_TRUE(lines.first().startsWith("Velmora version 2.0j\r"));
    int presetLines = 0;
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        EXPECT_TRUE(line.endsWith('\r')) << "line ends in CR LF";
        EXPECT_LE(line.size(), 255);
        presetLines += line.startsWith('"') ? 1 : 0;
    }
    std::array<LayoutPreset, PresetTableSize> read{};
    const int count = ReadPresetFile(path, read.data(), PresetTableSize);
    EXPECT_EQ(count, presetLines);
    EXPECT_EQ(count, 15);
    const LayoutPreset &first = read[0];
    EXPECT_EQ(Cp932Decode(PresetNameText(first.PresetName)), QString::fromUtf8("A4 10面 91×55 余白14/11"));
    LayoutPreset expected = defaultPreset(PresetNameText(first.PresetName));
    EXPECT_EQ(first, expected);
    for (int i = 0; i < count; ++i) {
        const LayoutPreset &p = read[size_t(i)];
        const QString name = Cp932Decode(PresetNameText(p.PresetName));
        EXPECT_EQ(Cp932Encode(name), PresetNameText(p.PresetName)) << "CP932, not UTF-8";
        EXPECT_FALSE(name.contains(QChar(0xFFFD)));
        // Every shipped layout fits its paper.
        const double right =
            p.PaperWidth - (p.Retu * p.WorkSheetWidthMM + p.LeftMargin + (p.Retu - 1) * p.InsideMarginX);
        const double bottom =
            p.PaperHeight - (p.Dann * p.WorkSheetHeightMM + p.TopMargin + (p.Dann - 1) * p.InsideMarginY);
        EXPECT_GE(right, -0.01) << name.toStdString();
        EXPECT_GE(bottom, -0.01) << name.toStdString();
    }
}
