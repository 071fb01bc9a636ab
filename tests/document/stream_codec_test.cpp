// Reading and writing whole component streams: byte-exact round trips and every kind of damaged input.
#include "document/stream_reader.h"
#include "document/stream_writer.h"
#include "platform/errors.h"
#include "sample_streams.h"

#include <gtest/gtest.h>

namespace {

QString readError(const QByteArray &bytes)
{
    try {
        ParseComponentStream(bytes);
    } catch (const EReadError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

// "TPF0", then an object of that class with one property holding `value` (already encoded).
QByteArray streamWithValue(QByteArrayView value)
{
    return StreamBytes().raw("TPF0").str("TImage").str("").str("Picture.Data").raw(value).u8(0).u8(0).bytes();
}

} // namespace

TEST(ComponentStream, EveryValueTypeReadsIntoTheTreeAndWritesBackIdentically)
{
    const QByteArray bytes = EveryValueTypeStream();
    const ObjectRecord form = ParseComponentStream(bytes);

    EXPECT_EQ(form.prefixFlags, int(ffInherited));
    EXPECT_EQ(form.childPos.type(), ValueType::Null);
    EXPECT_EQ(form.className, "TForm1");
    EXPECT_EQ(form.name, "Form1");
    ASSERT_EQ(form.properties.size(), 20u);
    for (int type = 0; type <= kHighestValueType; ++type) // one property of each type, in type order
        EXPECT_EQ(int(form.properties[size_t(type)].value.type()), type) << type;

    EXPECT_EQ(form.findProperty("Items.Strings")->value.toStrings(),
              QStringList({QStringLiteral("first"), QStringLiteral("abc"), QStringLiteral("\u00e9\u4e2d")}));
    EXPECT_EQ(form.findProperty("Left")->value.toInt(), 127);
    EXPECT_EQ(form.findProperty("Top")->value.toInt(), -129);
    EXPECT_EQ(form.findProperty("Width")->value.toInt(), 32768);
    EXPECT_EQ(form.findProperty("Ratio")->value.toReal(), 0.1);
    EXPECT_EQ(form.findProperty("Caption")->value.rawBytes(), ShiftJisCaption());
    EXPECT_EQ(form.findProperty("Caption")->value.toText(), QStringLiteral("名刺デザイン"));
    EXPECT_EQ(form.findProperty("Align")->value.toIdent(), QStringLiteral("alClient"));
    EXPECT_FALSE(form.findProperty("Visible")->value.toBool());
    EXPECT_TRUE(form.findProperty("Enabled")->value.toBool());
    EXPECT_EQ(form.findProperty("Picture.Data")->value.toBinary(), QByteArray("\x07TBitmap\x00", 9));
    EXPECT_EQ(form.findProperty("Font.Style")->value.toSet(),
              QStringList({QStringLiteral("fsBold"), QStringLiteral("fsItalic")}));
    EXPECT_EQ(form.findProperty("Hint")->value.toText(), QString(300, QLatin1Char('h')));
    EXPECT_EQ(form.findProperty("Scale")->value.toReal(), 1.5);
    EXPECT_EQ(form.findProperty("Price")->value.toReal(), 12.3456);
    EXPECT_EQ(form.findProperty("WideCaption")->value.toText(), QStringLiteral("한국어 caption"));
    EXPECT_EQ(form.findProperty("Big")->value.toInt64(), -5000000000ll);
    EXPECT_THROW(form.findProperty("Big")->value.toInt(), EReadError);

    const auto &columns = form.findProperty("Columns")->value.collectionItems();
    ASSERT_EQ(columns.size(), 2u);
    ASSERT_TRUE(columns[0].index.has_value());
    EXPECT_EQ(columns[0].index->type(), ValueType::Int8);
    EXPECT_EQ(columns[0].properties.at(0).value.toInt(), 300);
    EXPECT_FALSE(columns[1].index.has_value());
    EXPECT_EQ(columns[1].properties.at(0).value.toText(), QStringLiteral("second"));
    EXPECT_TRUE(columns[1].properties.at(1).value.toSet().isEmpty());

    ASSERT_EQ(form.children.size(), 2u);
    const ObjectRecord &panel = form.children[0];
    EXPECT_EQ(panel.prefixFlags, ffChildPos | ffInline);
    EXPECT_EQ(panel.childPos.type(), ValueType::Int16);
    EXPECT_EQ(panel.childPos.toInt(), 258);
    EXPECT_EQ(panel.findProperty("Color")->value.toColor(), clBtnFace);
    ASSERT_EQ(panel.children.size(), 1u);
    EXPECT_EQ(panel.children[0].className, "TLabel");
    EXPECT_EQ(panel.children[0].findProperty("Caption")->value.toText(), QStringLiteral("x"));
    EXPECT_EQ(form.children[1].className, "TSpeedButton");
    EXPECT_TRUE(form.children[1].name.isEmpty());

    EXPECT_EQ(SerializeComponentStream(form), bytes);
}

TEST(ComponentStream, ValuesKeepTheFormTheyWereReadIn)
{
    // An int32 holding 5, an int16 holding 1 and a 255-byte long string are not what the writer would
    // choose for those values, but they are written back as they came.
    const QByteArray bytes = StreamBytes()
                                 .raw("TPF0")
                                 .str("TQVShape")
                                 .str("")
                                 .str("Left")
                                 .u8(4)
                                 .i32(5)
                                 .str("Top")
                                 .u8(3)
                                 .i16(1)
                                 .str("Hint")
                                 .u8(12)
                                 .i32(3)
                                 .raw("abc")
                                 .str("Extra")
                                 .u8(5)
                                 .raw("\x01\x00\x00\x00\x00\x00\x00\x00\xff\x3f") // not a double
                                 .str("NaN")
                                 .u8(15)
                                 .i32(0x7FA00001) // a signalling NaN with a payload
                                 .u8(0)
                                 .u8(0)
                                 .bytes();
    const ObjectRecord record = ParseComponentStream(bytes);
    EXPECT_EQ(record.properties[0].value.type(), ValueType::Int32);
    EXPECT_FALSE(record.properties[3].value.rawExtended().IsExactDouble());
    EXPECT_EQ(SerializeComponentStream(record), bytes);
}

TEST(ComponentStream, CardShapeRoundTrips)
{
    const QByteArray bytes = CardShapeStream();
    const ObjectRecord shape = ParseComponentStream(bytes);
    EXPECT_EQ(shape.className, "TQVShape");
    EXPECT_EQ(shape.findProperty("Pen.Color")->value.toColor(), 0x123456);
    EXPECT_EQ(shape.findProperty("Brush.Color")->value.toColor(), clYellow);
    EXPECT_EQ(shape.findProperty("Missing"), nullptr);
    EXPECT_EQ(SerializeComponentStream(shape), bytes);
}

TEST(ComponentStream, TruncationAtEveryOffsetIsAReadError)
{
    for (const QByteArray &bytes : SampleStreams()) {
        for (qsizetype size = 0; size < bytes.size(); ++size) {
            const QByteArray cut = bytes.first(size);
            EXPECT_THROW(ParseComponentStream(cut), EReadError) << size;
            ObjectRecord record;
            record.className = "Untouched";
            EXPECT_THROW(ParseComponentStreamAt(cut, 0, record), EReadError) << size;
            EXPECT_EQ(record.className, "Untouched");
        }
    }
    EXPECT_TRUE(readError(QByteArray("TPF0\x06TImage", 11)).contains(QStringLiteral("レコードの途中")));
}

TEST(ComponentStream, HugeLengthFieldsFailBeforeAnythingIsAllocated)
{
    // Each length is checked against the bytes left, so the message names the length itself.
    for (const std::uint32_t length : {0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u, 8u}) {
        for (const int type : {10, 12}) {
            const QString message =
                readError(streamWithValue(StreamBytes().u8(type).i32(length).raw("12345").bytes()));
            EXPECT_TRUE(
                message.contains(QStringLiteral("長さ %1 がデータの終わりを越えています").arg(length)))
                << message.toStdString();
        }
    }
    // A wide string's count is of two-byte units: 4 units need 8 bytes, 7 are left.
    const QString wide = readError(streamWithValue(StreamBytes().u8(18).i32(4).raw("12345").bytes()));
    EXPECT_TRUE(wide.contains(QStringLiteral("長さ 4 がデータの終わりを越えています"))) << wide.toStdString();
    EXPECT_TRUE(readError(streamWithValue(StreamBytes().u8(18).i32(0x7FFFFFFF).bytes()))
                    .contains(QStringLiteral("データの終わりを越えています")));
    // The same count with the bytes present reads.
    const QByteArray fits = streamWithValue(StreamBytes().u8(12).i32(5).raw("12345").bytes());
    EXPECT_EQ(SerializeComponentStream(ParseComponentStream(fits)), fits);
}

TEST(ComponentStream, NestingIsLimited)
{
    // kMaxStreamNesting objects inside each other read; one more does not.
    auto nestedObjects = [](int levels) {
        StreamBytes s;
        s.raw("TPF0");
        for (int i = 0; i < levels; ++i)
            s.str("TPanel").str("").u8(0);
        for (int i = 0; i < levels; ++i)
            s.u8(0);
        return s.bytes();
    };
    const QByteArray deepest = nestedObjects(kMaxStreamNesting);
    EXPECT_EQ(SerializeComponentStream(ParseComponentStream(deepest)), deepest);
    EXPECT_TRUE(readError(nestedObjects(kMaxStreamNesting + 1)).contains(QStringLiteral("入れ子が")));

    // Lists count as levels too: the object is one, so it may hold lists nested one level less.
    auto nestedLists = [](int levels) {
        StreamBytes s;
        s.raw("TPF0").str("TMemo").str("").str("Lines.Strings");
        for (int i = 0; i < levels; ++i)
            s.u8(1);
        for (int i = 0; i < levels; ++i)
            s.u8(0);
        return s.u8(0).u8(0).bytes();
    };
    const QByteArray deepLists = nestedLists(kMaxStreamNesting - 1);
    EXPECT_EQ(SerializeComponentStream(ParseComponentStream(deepLists)), deepLists);
    EXPECT_TRUE(readError(nestedLists(kMaxStreamNesting)).contains(QStringLiteral("入れ子が")));

    // A hostile depth fails at the limit instead of exhausting the stack.
    EXPECT_TRUE(readError(nestedLists(200000)).contains(QStringLiteral("入れ子が")));
    QByteArray collections("TPF0\x05TGrid\x00\x07"
                           "Columns",
                           19);
    for (int i = 0; i < 100000; ++i)
        collections.append("\x0E\x01\x01x", 4);
    EXPECT_TRUE(readError(collections).contains(QStringLiteral("入れ子が")));
}

TEST(ComponentStream, MalformedStreamsAreReadErrors)
{
    EXPECT_TRUE(readError("").contains(QStringLiteral("TPF0")));
    EXPECT_TRUE(readError(QByteArray("TPF1\x06TImage\x00\x00\x00", 14)).contains(QStringLiteral("TPF0")));
    EXPECT_TRUE(readError(streamWithValue("\x14")).contains(QStringLiteral("不明な値の型 20")));
    EXPECT_TRUE(readError(streamWithValue("\xFF")).contains(QStringLiteral("不明な値の型 255")));
    EXPECT_TRUE(
        readError(QByteArray("TPF0\xF8\x06TImage\x00\x00\x00", 15)).contains(QStringLiteral("接頭辞")));
    EXPECT_TRUE(
        readError(QByteArray("TPF0\xF0\x06TImage\x00\x00\x00", 15)).contains(QStringLiteral("接頭辞")));
    EXPECT_TRUE(readError(QByteArray("TPF0\xF2\x06\x01x\x06TImage\x00\x00\x00", 18))
                    .contains(QStringLiteral("子の位置")));
    EXPECT_TRUE(readError(QByteArray("TPF0\x00\x00\x00\x00", 8)).contains(QStringLiteral("クラス名")));
    EXPECT_TRUE(readError(QByteArray("TPF0\xF1\x00\x00\x00\x00", 9)).contains(QStringLiteral("クラス名")));
    EXPECT_TRUE(readError(streamWithValue(QByteArray("\x0E\x02\x00\x05x\x00\x00", 7)))
                    .contains(QStringLiteral("リストの印")));
    const QByteArray trailing = CardShapeStream() + QByteArray("\x00\x00", 2);
    EXPECT_TRUE(readError(trailing).contains(QStringLiteral("2 バイトの余分なデータ")));
}

TEST(ComponentStream, StreamsInsideALargerBufferReportTheBytesTheyTake)
{
    const QByteArray first = CardShapeStream();
    const QByteArray second = EveryValueTypeStream();
    const QByteArray buffer = QByteArray("\x02\x00\x00\x00", 4) + first + second + QByteArray("tail");

    ObjectRecord record;
    EXPECT_EQ(ParseComponentStreamAt(buffer, 4, record), first.size());
    EXPECT_EQ(record.className, "TQVShape");
    EXPECT_EQ(ParseComponentStreamAt(buffer, 4 + first.size(), record), second.size());
    EXPECT_EQ(record.className, "TForm1");
    EXPECT_THROW(ParseComponentStreamAt(buffer, buffer.size() - 4, record), EReadError);
    EXPECT_THROW(ParseComponentStreamAt(buffer, buffer.size(), record), EReadError);
    EXPECT_THROW(ParseComponentStreamAt(buffer, buffer.size() + 1, record), EReadError);
    EXPECT_THROW(ParseComponentStreamAt(buffer, -1, record), EReadError);
}

// A picture's megabytes are read out of the buffer the stream is in, not copied; a buffer that owns no
// memory of its own is copied, since it may be gone before the value is.
TEST(ComponentStream, BinaryValuesShareTheBufferTheyAreReadFrom)
{
    const QByteArray picture(100000, 'p');
    ObjectRecord image;
    image.className = "TImage";
    image.properties.push_back({"Picture.Data", StreamValue::Binary(picture)});
    image.properties.push_back({"Caption", StreamValue::AnsiString(QByteArray(300, 'c'))});
    const QByteArray buffer = QByteArray("head") + SerializeComponentStream(image);
    const auto inside = [&](const QByteArray &bytes) {
        return bytes.constData() >= buffer.constData() &&
               bytes.constData() + bytes.size() <= buffer.constData() + buffer.size();
    };

    ObjectRecord record;
    ParseComponentStreamAt(buffer, 4, record);
    ASSERT_EQ(record, image);
    const QByteArray shared = record.findProperty("Picture.Data")->value.rawBytes();
    EXPECT_TRUE(inside(shared));
    EXPECT_FALSE(inside(record.findProperty("Caption")->value.rawBytes()));

    // The value outlives the buffer it was read from.
    QByteArray reread = SerializeComponentStream(image);
    const QByteArray kept = ParseComponentStream(reread).findProperty("Picture.Data")->value.rawBytes();
    reread.fill('x');
    reread.clear();
    EXPECT_EQ(kept, picture);

    const QByteArray raw = QByteArray::fromRawData(buffer.constData() + 4, buffer.size() - 4);
    const QByteArray copied = ParseComponentStream(raw).findProperty("Picture.Data")->value.rawBytes();
    EXPECT_EQ(copied, picture);
    EXPECT_FALSE(inside(copied));
}

TEST(ComponentStream, TheWriterRefusesRecordsThatWouldNotReadBack)
{
    ObjectRecord record;
    record.className = "TQVShape";
    EXPECT_EQ(SerializeComponentStream(record), QByteArray("TPF0\x08TQVShape\x00\x00\x00", 16));

    ObjectRecord noClass;
    EXPECT_THROW(SerializeComponentStream(noClass), EWriteError);

    ObjectRecord badName = record;
    badName.properties.push_back(Property{QByteArray(256, 'p'), StreamValue::Bool(true)});
    EXPECT_THROW(SerializeComponentStream(badName), EWriteError);
    badName.properties.back().name.clear();
    EXPECT_THROW(SerializeComponentStream(badName), EWriteError);

    ObjectRecord nullInList = record;
    nullInList.properties.push_back(Property{"Items", StreamValue::List({StreamValue::Null()})});
    EXPECT_THROW(SerializeComponentStream(nullInList), EWriteError);

    ObjectRecord emptyMember = record;
    emptyMember.properties.push_back(Property{"Style", StreamValue::RawSet({QByteArray()})});
    EXPECT_THROW(SerializeComponentStream(emptyMember), EWriteError);

    ObjectRecord longIdent = record;
    longIdent.properties.push_back(Property{"Shape", StreamValue::Ident(QString(256, QLatin1Char('q')))});
    EXPECT_THROW(SerializeComponentStream(longIdent), EWriteError);

    // Flag 2 and the child position go together.
    ObjectRecord childPos = record;
    childPos.prefixFlags = ffChildPos;
    EXPECT_THROW(SerializeComponentStream(childPos), EWriteError);
    childPos.childPos = StreamValue::Integer(7);
    EXPECT_EQ(SerializeComponentStream(childPos), QByteArray("TPF0\xF2\x02\x07\x08TQVShape\x00\x00\x00", 19));
    childPos.childPos = StreamValue::Int64(7);
    EXPECT_THROW(SerializeComponentStream(childPos), EWriteError);

    // A class name of 240 bytes or more would read as a prefix byte unless a prefix comes first.
    ObjectRecord longClass;
    longClass.className = QByteArray(240, 'T');
    EXPECT_THROW(SerializeComponentStream(longClass), EWriteError);
    longClass.prefixFlags = ffInline;
    const QByteArray prefixed = SerializeComponentStream(longClass);
    EXPECT_EQ(ParseComponentStream(prefixed), longClass);

    ObjectRecord deep = record;
    for (int i = 0; i < kMaxStreamNesting; ++i) {
        ObjectRecord parent = record;
        parent.children.push_back(std::move(deep));
        deep = std::move(parent);
    }
    EXPECT_THROW(SerializeComponentStream(deep), EWriteError);

    QByteArray out("keep");
    EXPECT_THROW(AppendComponentStream(out, noClass), EWriteError);
    EXPECT_EQ(out, "keep");
}
