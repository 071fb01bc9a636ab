// Stream values made from code: integer widths, text forms, extended reals and typed reading.
#include "document/stream_reader.h"
#include "document/stream_value.h"
#include "document/stream_writer.h"
#include "platform/errors.h"
#include "platform/idents.h"
#include "sample_streams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

namespace {

// The bytes a value is written as (type byte and payload).
QByteArray encoded(const StreamValue &value)
{
    ObjectRecord record;
    record.className = "T";
    record.properties.push_back(Property{"P", value});
    const QByteArray stream = SerializeComponentStream(record);
    const qsizetype head = 4 + 2 + 1 + 2; // signature, class, empty name, property name
    return stream.mid(head, stream.size() - head - 2);
}

// The value as it reads back from its bytes.
StreamValue reread(const StreamValue &value)
{
    ObjectRecord record;
    record.className = "T";
    record.properties.push_back(Property{"P", value});
    return ParseComponentStream(SerializeComponentStream(record)).properties.at(0).value;
}

QString readErrorOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const EReadError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST(StreamValue, IntegersTakeTheSmallestWidth)
{
    EXPECT_EQ(encoded(StreamValue::Integer(0)), QByteArray("\x02\x00", 2));
    EXPECT_EQ(encoded(StreamValue::Integer(127)), QByteArray("\x02\x7F", 2));
    EXPECT_EQ(encoded(StreamValue::Integer(128)), QByteArray("\x03\x80\x00", 3));
    EXPECT_EQ(encoded(StreamValue::Integer(-128)), QByteArray("\x02\x80", 2));
    EXPECT_EQ(encoded(StreamValue::Integer(-129)), QByteArray("\x03\x7F\xFF", 3));
    EXPECT_EQ(encoded(StreamValue::Integer(32767)), QByteArray("\x03\xFF\x7F", 3));
    EXPECT_EQ(encoded(StreamValue::Integer(32768)), QByteArray("\x04\x00\x80\x00\x00", 5));
    EXPECT_EQ(encoded(StreamValue::Integer(-32769)), QByteArray("\x04\xFF\x7F\xFF\xFF", 5));
    EXPECT_EQ(encoded(StreamValue::Integer(std::numeric_limits<std::int32_t>::min())),
              QByteArray("\x04\x00\x00\x00\x80", 5));
    EXPECT_EQ(encoded(StreamValue::Integer(0x80000000ll)),
              QByteArray("\x13\x00\x00\x00\x80\x00\x00\x00\x00", 9));
    for (const std::int64_t v : {0ll, 127ll, 128ll, -128ll, -129ll, 32768ll, -5000000000ll}) {
        EXPECT_EQ(reread(StreamValue::Integer(v)).toInt64(), v);
        EXPECT_EQ(reread(StreamValue::Integer(v)), StreamValue::Integer(v));
    }
}

TEST(StreamValue, TextsUpTo255BytesAreStringsLongerOnesLongStrings)
{
    const QString s255(255, QLatin1Char('a'));
    const QString s256(256, QLatin1Char('a'));
    EXPECT_EQ(encoded(StreamValue::Text(s255)), QByteArray("\x06\xFF", 2) + s255.toLatin1());
    EXPECT_EQ(encoded(StreamValue::Text(s256)), QByteArray("\x0C\x00\x01\x00\x00", 5) + s256.toLatin1());
    EXPECT_EQ(encoded(StreamValue::Text(QString())), QByteArray("\x06\x00", 2));
    // The limit counts bytes, not characters: 128 double-byte characters are 256 bytes.
    const QString kanji(128, QChar(0x6F22));
    EXPECT_EQ(StreamValue::Text(kanji).type(), ValueType::LString);
    EXPECT_EQ(StreamValue::Text(kanji.left(127)).type(), ValueType::String);
    EXPECT_EQ(reread(StreamValue::Text(kanji)).toText(), kanji);
}

TEST(StreamValue, ShiftJisTextIsStoredByteForByte)
{
    EXPECT_EQ(encoded(StreamValue::Text(QStringLiteral("名刺デザイン"))),
              QByteArray("\x06\x0C", 2) + ShiftJisCaption());
    const StreamValue read = StreamValue::RawBytes(ValueType::String, ShiftJisCaption());
    EXPECT_EQ(read.toText(), QStringLiteral("名刺デザイン"));
    EXPECT_EQ(StreamValue::Text(read.toText()), read);
}

TEST(StreamValue, TextCp932CannotHoldIsAWideString)
{
    const QString text = QStringLiteral("Café ☕ 한글 😀");
    const StreamValue value = StreamValue::Text(text);
    EXPECT_EQ(value.type(), ValueType::WString);
    const QByteArray bytes = encoded(value);
    EXPECT_EQ(bytes.left(5), QByteArray("\x12\x0C\x00\x00\x00", 5)); // 12 UTF-16 units (😀 takes two)
    EXPECT_EQ(bytes.size(), 5 + 2 * 12);
    EXPECT_EQ(bytes.mid(5, 4), QByteArray("C\x00"
                                          "a\x00",
                                          4));
    EXPECT_EQ(reread(value).toText(), text);
    // A lone surrogate is not a character CP932 knows, and is kept as it is.
    const QString lone(QChar(0xD800));
    EXPECT_EQ(reread(StreamValue::Text(lone)).toText(), lone);
}

TEST(StreamValue, ExtendedRealsConvertExactlyWherePossible)
{
    auto bytesOf = [](double v) {
        const auto b = Extended80::FromDouble(v).bytes;
        return QByteArray(reinterpret_cast<const char *>(b.data()), 10);
    };
    EXPECT_EQ(bytesOf(1.0), QByteArray("\0\0\0\0\0\0\0\x80\xFF\x3F", 10));
    EXPECT_EQ(bytesOf(-2.5), QByteArray("\0\0\0\0\0\0\0\xA0\x00\xC0", 10));
    EXPECT_EQ(bytesOf(0.0), QByteArray(10, '\0'));
    EXPECT_EQ(bytesOf(-0.0), QByteArray("\0\0\0\0\0\0\0\0\0\x80", 10));
    EXPECT_EQ(bytesOf(INFINITY), QByteArray("\0\0\0\0\0\0\0\x80\xFF\x7F", 10));
    for (const double v :
         {1.0, -2.5, 0.1, 1e300, -1e-300, std::numeric_limits<double>::max(),
          std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(), -double(INFINITY)}) {
        const Extended80 x = Extended80::FromDouble(v);
        EXPECT_EQ(x.ToDouble(), v);
        EXPECT_TRUE(x.IsExactDouble());
    }
    EXPECT_TRUE(std::isnan(Extended80::FromDouble(NAN).ToDouble()));
    EXPECT_TRUE(std::signbit(Extended80::FromDouble(-0.0).ToDouble()));

    // 0.1 as the Windows program stores it has 64 significant bits and rounds to the double 0.1.
    Extended80 tenth;
    const char stored[] = "\xCD\xCC\xCC\xCC\xCC\xCC\xCC\xCC\xFB\x3F";
    std::copy(stored, stored + 10, tenth.bytes.begin());
    EXPECT_EQ(tenth.ToDouble(), 0.1);
    EXPECT_FALSE(tenth.IsExactDouble());
    // Beyond the double range: infinity; an extended denormal: zero.
    Extended80 huge = Extended80::FromDouble(1.0);
    huge.bytes[8] = 0xFE;
    huge.bytes[9] = 0x7F;
    EXPECT_EQ(huge.ToDouble(), INFINITY);
    Extended80 tiny;
    tiny.bytes[0] = 1;
    EXPECT_EQ(tiny.ToDouble(), 0.0);
    EXPECT_EQ(encoded(StreamValue::Real(1.0)), QByteArray("\x05\0\0\0\0\0\0\0\x80\xFF\x3F", 11));
}

TEST(StreamValue, OtherTypesEncodeAsTheirTypeByteSays)
{
    EXPECT_EQ(encoded(StreamValue::Null()), QByteArray("\x00", 1));
    EXPECT_EQ(encoded(StreamValue::Nil()), QByteArray("\x0D", 1));
    EXPECT_EQ(encoded(StreamValue::Bool(false)), QByteArray("\x08", 1));
    EXPECT_EQ(encoded(StreamValue::Bool(true)), QByteArray("\x09", 1));
    EXPECT_EQ(encoded(StreamValue::Ident(QStringLiteral("bsClear"))), QByteArray("\x07\x07"
                                                                                 "bsClear",
                                                                                 9));
    EXPECT_EQ(encoded(StreamValue::Binary("ab")), QByteArray("\x0A\x02\x00\x00\x00"
                                                             "ab",
                                                             7));
    EXPECT_EQ(encoded(StreamValue::Set({QStringLiteral("fsBold"), QStringLiteral("fsItalic")})),
              QByteArray("\x0B\x06"
                         "fsBold\x08"
                         "fsItalic\x00",
                         18));
    EXPECT_EQ(encoded(StreamValue::Set(QStringList())), QByteArray("\x0B\x00", 2));
    EXPECT_EQ(encoded(StreamValue::Single(1.5f)), QByteArray("\x0F\x00\x00\xC0\x3F", 5));
    EXPECT_EQ(encoded(StreamValue::Currency(-10000)), QByteArray("\x10\xF0\xD8\xFF\xFF\xFF\xFF\xFF\xFF", 9));
    EXPECT_EQ(encoded(StreamValue::Date(2.0)), QByteArray("\x11\0\0\0\0\0\0\0\x40", 9));
    EXPECT_EQ(encoded(StreamValue::List({StreamValue::Integer(1), StreamValue::Text(QStringLiteral("x"))})),
              QByteArray("\x01\x02\x01\x06\x01x\x00", 7));
    std::vector<CollectionItem> items(2);
    items[0].index = StreamValue::Integer(0);
    items[1].properties.push_back(Property{"W", StreamValue::Integer(2)});
    EXPECT_EQ(encoded(StreamValue::Collection(items)),
              QByteArray("\x0E\x02\x00\x01\x00\x01\x01W\x02\x02\x00\x00", 12));
    EXPECT_EQ(reread(StreamValue::Collection(items)), StreamValue::Collection(items));
    EXPECT_EQ(StreamValue::Date(2.0).toReal(), 2.0);
    EXPECT_EQ(StreamValue::Currency(-10000).toReal(), -1.0);
    EXPECT_THROW(StreamValue::RawBytes(ValueType::Int8, "x"), std::invalid_argument);
}

TEST(StreamValue, TypedAccessNamesWhatWasExpectedAndFound)
{
    const StreamValue text = StreamValue::Text(QStringLiteral("12"));
    EXPECT_EQ(readErrorOf([&] { text.toInt(); }),
              QStringLiteral("プロパティの値が不正です: 整数 が必要ですが、文字列 です"));
    EXPECT_EQ(readErrorOf([&] { StreamValue::Integer(1).toText(); }),
              QStringLiteral("プロパティの値が不正です: 文字列 が必要ですが、8 ビット整数 です"));
    EXPECT_THROW(StreamValue::Integer(1).toBool(), EReadError);
    EXPECT_THROW(StreamValue::Bool(true).toIdent(), EReadError);
    EXPECT_THROW(text.toSet(), EReadError);
    EXPECT_THROW(text.toBinary(), EReadError);
    EXPECT_THROW(text.toReal(), EReadError);
    EXPECT_THROW(StreamValue::List({text, StreamValue::Integer(3)}).toStrings(), EReadError);
    EXPECT_THROW(StreamValue::Integer(0x100000000ll).toInt(), EReadError);

    // Texts read from each of the three text types.
    EXPECT_EQ(StreamValue::RawBytes(ValueType::LString, "\x82\xA0").toText(), QStringLiteral("あ"));
    EXPECT_EQ(StreamValue::WideString(QStringLiteral("あ")).toText(), QStringLiteral("あ"));

    // Colours: names of the table, or numbers.
    EXPECT_EQ(StreamValue::Ident(QStringLiteral("clWhite")).toColor(), clWhite);
    EXPECT_EQ(StreamValue::Integer(0x123456).toColor(), 0x123456);
    EXPECT_EQ(StreamValue::Integer(std::int32_t(clBtnFace)).toColor(), clBtnFace);
    EXPECT_TRUE(readErrorOf([] {
                    StreamValue::Ident(QStringLiteral("clPlaid")).toColor();
                }).contains(QStringLiteral("clPlaid")));

    // Enumerations and named integers through the identifier tables.
    EXPECT_EQ(StreamValue::Ident(QStringLiteral("psDot")).toEnum(PenStyleIdents()), int(psDot));
    EXPECT_EQ(StreamValue::Ident(QStringLiteral("PSDOT")).toEnum(PenStyleIdents()), int(psDot));
    EXPECT_THROW(StreamValue::Ident(QStringLiteral("psWavy")).toEnum(PenStyleIdents()), EReadError);
    EXPECT_THROW(StreamValue::Integer(2).toEnum(PenStyleIdents()), EReadError);
    EXPECT_EQ(StreamValue::Ident(QStringLiteral("crHandPoint")).toNamedInteger(CursorIdents()), crHandPoint);
    EXPECT_EQ(StreamValue::Integer(5).toNamedInteger(CursorIdents()), 5);
    EXPECT_EQ(StreamValue::Set({QStringLiteral("fsBold"), QStringLiteral("fsUnderline")})
                  .toSetBits(FontStyleIdents()),
              fsBold | fsUnderline);
    EXPECT_THROW(StreamValue::Set({QStringLiteral("fsShadow")}).toSetBits(FontStyleIdents()), EReadError);
}
