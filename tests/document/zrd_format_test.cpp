// The .zrd container: sizes, tags, fixed payloads and embedded component streams.
#include "document/stream_reader.h"
#include "document/stream_writer.h"
#include "document/zrd_format.h"
#include "platform/errors.h"

#include "platform/memory_budget.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray stream(const char *className, int left)
{
    ObjectRecord record;
    record.className = className;
    record.properties.push_back({"Left", StreamValue::Integer(left)});
    return SerializeComponentStream(record);
}

QByteArray header(float wmm = 91, float hmm = 55, qint32 wpx = 455, qint32 hpx = 275)
{
    ZrdDocument d;
    d.header = {{{wmm, hmm}, wpx, hpx}};
    return SerializeZrd(d);
}

QByteArray withRecord(QByteArray file, qint32 tag, const QByteArray &payload)
{
    return file.append(ZrdInt32(tag)).append(payload);
}

TEST(ZrdFormat, TooShortFilesAreBadFiles)
{
    ZrdDocument d;
    for (int size = 0; size < 20; ++size)
        EXPECT_EQ(ParseZrd(header().append(QByteArray(4, '\0')).left(size), d), ZrdParse::BadFile) << size;
}

TEST(ZrdFormat, TwentyBytesWithATruncatedPayloadIsAReadError)
{
    ZrdDocument d;
    // Tag 11 needs one more byte than the file has.
    EXPECT_THROW(ParseZrd(withRecord(header(), ZrdTag::Tonbo, {}), d), EReadError);
    EXPECT_THROW(ParseZrd(withRecord(header(), ZrdTag::Layout, QByteArray(99, '\0')), d), EReadError);
    // A component stream that ends early.
    QByteArray cut = stream("TQVShape", 5);
    cut.chop(1);
    EXPECT_THROW(ParseZrd(withRecord(header(), ZrdTag::Shape, cut), d), EReadError);
    // A tag cut in half after a good record.
    EXPECT_THROW(ParseZrd(withRecord(header(), ZrdTag::Tonbo, "\1").append("\x0b\0", 2), d), EReadError);
}

TEST(ZrdFormat, InvalidTagsAreBadFiles)
{
    ZrdDocument d;
    for (qint32 tag : {0, 1, 6, 18, -1, 1000})
        EXPECT_EQ(ParseZrd(withRecord(header(), tag, QByteArray(8, '\0')), d), ZrdParse::BadFile) << tag;
    // The previous content of the document stays as it was.
    d.header.WorkSheetWidthPx = 123;
    EXPECT_EQ(ParseZrd(withRecord(withRecord(header(), ZrdTag::Tonbo, "\1"), 6, {}), d), ZrdParse::BadFile);
    EXPECT_EQ(d.header.WorkSheetWidthPx, 123);
}

TEST(ZrdFormat, RecordsSplitAndWriteBackByteForByte)
{
    QByteArray file = header(90.5f, 50.8f, 453, 254);
    file = withRecord(file, ZrdTag::Version, QByteArray("2.0j\0\0\0\0", 8));
    ZrdLayout layout;
    layout.PresetName = QByteArray("A4 10\x96\xca", 8) + QByteArray(56, '\0');
    layout.PresetSource = 2;
    layout.PaperWidth = 210;
    layout.PaperHeight = 297;
    file = withRecord(file, ZrdTag::Layout, SerializeZrdLayout(layout));
    file = withRecord(file, ZrdTag::MeasureUnit, ZrdInt32(3));
    file = withRecord(file, ZrdTag::Overhang, ZrdInt32(-2));
    file = withRecord(file, ZrdTag::Tonbo, "\1");
    file = withRecord(file, ZrdTag::Shape, stream("TQVShape", 10));
    file = withRecord(file, ZrdTag::LabelOld, stream("TLabelEx", 300));
    file = withRecord(file, ZrdTag::Obsolete, "abcd");
    file = withRecord(file, ZrdTag::LegacyOverhang, "\1");
    file = withRecord(file, ZrdTag::ColorDialog, stream("TColorDialog", 0));

    ZrdDocument d;
    ASSERT_EQ(ParseZrd(file, d), ZrdParse::Ok);
    EXPECT_FLOAT_EQ(d.header.WorkSheetWidthMM, 90.5f);
    EXPECT_EQ(d.header.WorkSheetHeightPx, 254);
    ASSERT_EQ(d.records.size(), 10u);
    EXPECT_EQ(d.records[5].tag, ZrdTag::Shape);
    EXPECT_EQ(d.records[5].payload, stream("TQVShape", 10));
    EXPECT_EQ(d.records[6].payload, stream("TLabelEx", 300));
    EXPECT_EQ(ZrdReadInt32(d.records[3].payload), -2);
    const ZrdLayout read = ParseZrdLayout(d.records[1].payload);
    EXPECT_EQ(read.PresetName, layout.PresetName);
    EXPECT_EQ(read.PresetSource, 2);
    EXPECT_FLOAT_EQ(read.PaperHeight, 297.0f);
    EXPECT_EQ(SerializeZrd(d), file);
}

// Payloads are views of the file's buffer, and each component stream is handed on as parsed, so neither
// is copied or parsed twice.
TEST(ZrdFormat, PayloadsShareTheFileAndStreamsComeParsed)
{
    ObjectRecord picture;
    picture.className = "TImage";
    picture.properties.push_back({"Picture.Data", StreamValue::Binary(QByteArray(5000, 'j'))});
    QByteArray file = withRecord(header(), ZrdTag::Tonbo, "\1");
    file = withRecord(file, ZrdTag::Picture, SerializeComponentStream(picture));
    file = withRecord(file, ZrdTag::Shape, stream("TQVShape", 10));

    ZrdDocument d;
    ASSERT_EQ(ParseZrd(file, d), ZrdParse::Ok);
    ASSERT_EQ(d.records.size(), 3u);
    EXPECT_EQ(d.records[0].stream, nullptr);
    for (const ZrdRecord &record : d.records) {
        EXPECT_GE(record.payload.constData(), file.constData());
        EXPECT_LE(record.payload.constData() + record.payload.size(), file.constData() + file.size());
    }
    ASSERT_NE(d.records[1].stream, nullptr);
    EXPECT_EQ(*d.records[1].stream, picture);
    const QByteArray data = d.records[1].stream->findProperty("Picture.Data")->value.rawBytes();
    const QByteArray &payload = d.records[1].payload;
    EXPECT_EQ(data.constData(), payload.constData() + payload.size() - 2 - data.size());
    ASSERT_NE(d.records[2].stream, nullptr);
    EXPECT_EQ(*d.records[2].stream, ParseComponentStream(stream("TQVShape", 10)));
    EXPECT_EQ(SerializeZrd(d), file);
}

TEST(ZrdFormat, LayoutFieldKeepsBytesAfterTheTerminator)
{
    ZrdLayout layout;
    layout.PresetName = QByteArray("short\0old longer name", 21) + QByteArray(43, '\0');
    const QByteArray payload = SerializeZrdLayout(layout);
    ASSERT_EQ(payload.size(), 100);
    EXPECT_EQ(ParseZrdLayout(payload).PresetName, layout.PresetName);
    ZrdLegacyLayout legacy{{3, 4, 10.5f, 8.25f, 1, 2}, 7}; // the grid, then the preset index
    const QByteArray old = SerializeZrdLegacyLayout(legacy);
    ASSERT_EQ(old.size(), 28);
    const ZrdLegacyLayout back = ParseZrdLegacyLayout(old);
    EXPECT_EQ(back.PresetIndex, 7);
    EXPECT_EQ(back.Dann, 4);
    EXPECT_FLOAT_EQ(back.TopMargin, 8.25f);
}

} // namespace

namespace {
QString written(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("doc.zrd"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
} // namespace

TEST(ZrdFile, TheHeadDecidesBeforeTheRestIsRead)
{
    QTemporaryDir dir;
    const QByteArray rest(100000, '\0');
    // A good head: the whole file.
    const QByteArray good = withRecord(header(), ZrdTag::Tonbo, QByteArray(1, '\1')) + rest;
    EXPECT_EQ(ReadZrdFile(written(dir, good)), good);
    // A card larger than any document may hold, or a first tag the format does not have: nothing.
    for (const QByteArray &head :
         {withRecord(header(91, 55, MaxWorkSheetPx + 1, 275), ZrdTag::Tonbo, {}),
          withRecord(header(91, 55, 455, -1), ZrdTag::Tonbo, {}), withRecord(header(), 99, {})}) {
        const QByteArray whole = head + QByteArray(1, '\0') + rest;
        EXPECT_EQ(ReadZrdFile(written(dir, whole)), std::nullopt);
        // The whole file is refused too, so reading less changes nothing.
        ZrdDocument document;
        EXPECT_TRUE(ParseZrd(whole, document) == ZrdParse::BadFile || !ZrdHeaderPlausible(document.header));
    }
    // Shorter than a head: as it is.
    EXPECT_EQ(ReadZrdFile(written(dir, QByteArray(18, '\0'))), QByteArray(18, '\0'));
    EXPECT_TRUE(ZrdHeaderPlausible({{{91, 55}, MaxWorkSheetPx, MaxWorkSheetPx}}));
}

TEST(ZrdFile, DevicesAndOversizedFilesAreRefused)
{
    EXPECT_THROW(ReadZrdFile(QStringLiteral("/dev/zero")), EFileError);
    QTemporaryDir dir;
    const QString path = written(dir, header());
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), MaxDocumentFileBytes + 1), 0);
    EXPECT_THROW(ReadZrdFile(path), EFileError);
}
