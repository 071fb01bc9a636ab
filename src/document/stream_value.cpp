// Building stream values from code and reading them back as the types properties need.
#include "document/stream_value.h"

#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/idents.h"
#include "platform/strings.h"

#include <bit>
#include <limits>

QString DescribeValueType(ValueType type)
{
    switch (type) {
    case ValueType::Null:
        return QStringLiteral("空の値");
    case ValueType::List:
        return QStringLiteral("リスト");
    case ValueType::Int8:
        return QStringLiteral("8 ビット整数");
    case ValueType::Int16:
        return QStringLiteral("16 ビット整数");
    case ValueType::Int32:
        return QStringLiteral("32 ビット整数");
    case ValueType::Extended:
        return QStringLiteral("拡張精度実数");
    case ValueType::String:
        return QStringLiteral("文字列");
    case ValueType::Ident:
        return QStringLiteral("識別子");
    case ValueType::False:
    case ValueType::True:
        return QStringLiteral("真偽値");
    case ValueType::Binary:
        return QStringLiteral("バイナリ データ");
    case ValueType::Set:
        return QStringLiteral("集合");
    case ValueType::LString:
        return QStringLiteral("長い文字列");
    case ValueType::Nil:
        return QStringLiteral("nil");
    case ValueType::Collection:
        return QStringLiteral("コレクション");
    case ValueType::Single:
        return QStringLiteral("単精度実数");
    case ValueType::Currency:
        return QStringLiteral("通貨値");
    case ValueType::Date:
        return QStringLiteral("日付");
    case ValueType::WString:
        return QStringLiteral("ワイド文字列");
    case ValueType::Int64:
        return QStringLiteral("64 ビット整数");
    }
    return QStringLiteral("値の型 %1").arg(int(type));
}

// Values are only made through these factories, so that the payload always fits the type byte.
StreamValue StreamValue::make(ValueType type, Payload payload)
{
    StreamValue v;
    v.type_ = type;
    v.payload_ = std::move(payload);
    return v;
}

StreamValue StreamValue::Null()
{
    return make(ValueType::Null, std::monostate{});
}

StreamValue StreamValue::Nil()
{
    return make(ValueType::Nil, std::monostate{});
}

StreamValue StreamValue::Bool(bool value)
{
    return make(value ? ValueType::True : ValueType::False, std::monostate{});
}

StreamValue StreamValue::Integer(std::int64_t value)
{
    if (value >= std::numeric_limits<std::int8_t>::min() && value <= std::numeric_limits<std::int8_t>::max())
        return Int8(std::int8_t(value));
    if (value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max())
        return Int16(std::int16_t(value));
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max())
        return Int32(std::int32_t(value));
    return Int64(value);
}

StreamValue StreamValue::Int8(std::int8_t value)
{
    return make(ValueType::Int8, std::int64_t(value));
}

StreamValue StreamValue::Int16(std::int16_t value)
{
    return make(ValueType::Int16, std::int64_t(value));
}

StreamValue StreamValue::Int32(std::int32_t value)
{
    return make(ValueType::Int32, std::int64_t(value));
}

StreamValue StreamValue::Int64(std::int64_t value)
{
    return make(ValueType::Int64, value);
}

StreamValue StreamValue::Extended(const Extended80 &value)
{
    return make(ValueType::Extended, value);
}

StreamValue StreamValue::Real(double value)
{
    return Extended(Extended80::FromDouble(value));
}

StreamValue StreamValue::SingleBits(std::uint32_t bits)
{
    return make(ValueType::Single, std::uint64_t(bits));
}

StreamValue StreamValue::Single(float value)
{
    return SingleBits(std::bit_cast<std::uint32_t>(value));
}

StreamValue StreamValue::Currency(std::int64_t scaled)
{
    return make(ValueType::Currency, scaled);
}

StreamValue StreamValue::DateBits(std::uint64_t bits)
{
    return make(ValueType::Date, bits);
}

StreamValue StreamValue::Date(double value)
{
    return DateBits(std::bit_cast<std::uint64_t>(value));
}

StreamValue StreamValue::Text(const QString &text)
{
    bool encodable = true;
    const QByteArray bytes = Cp932Encode(text, &encodable);
    return encodable ? AnsiString(bytes) : WideString(text);
}

StreamValue StreamValue::AnsiString(const QByteArray &bytes)
{
    return RawBytes(bytes.size() <= 255 ? ValueType::String : ValueType::LString, bytes);
}

StreamValue StreamValue::WideString(const QString &text)
{
    return make(ValueType::WString, text);
}

StreamValue StreamValue::Ident(const QString &name)
{
    return RawBytes(ValueType::Ident, Cp932Encode(name));
}

StreamValue StreamValue::Binary(const QByteArray &bytes)
{
    return RawBytes(ValueType::Binary, bytes);
}

StreamValue StreamValue::RawBytes(ValueType type, const QByteArray &bytes)
{
    if (type != ValueType::String && type != ValueType::LString && type != ValueType::Ident &&
        type != ValueType::Binary)
        throw std::invalid_argument("RawBytes: not a byte-string value type");
    return make(type, bytes);
}

StreamValue StreamValue::Set(const QStringList &members)
{
    QList<QByteArray> raw;
    raw.reserve(members.size());
    for (const QString &member : members)
        raw.append(Cp932Encode(member));
    return RawSet(raw);
}

StreamValue StreamValue::RawSet(const QList<QByteArray> &members)
{
    return make(ValueType::Set, members);
}

StreamValue StreamValue::List(std::vector<StreamValue> values)
{
    return make(ValueType::List, std::move(values));
}

StreamValue StreamValue::Collection(std::vector<CollectionItem> items)
{
    return make(ValueType::Collection, std::move(items));
}

namespace {

template <typename T> const T &payloadOr(const T *payload)
{
    static const T empty{};
    return payload ? *payload : empty;
}

} // namespace

std::int64_t StreamValue::rawInteger() const
{
    return payloadOr(std::get_if<std::int64_t>(&payload_));
}

std::uint64_t StreamValue::rawBits() const
{
    return payloadOr(std::get_if<std::uint64_t>(&payload_));
}

Extended80 StreamValue::rawExtended() const
{
    return payloadOr(std::get_if<Extended80>(&payload_));
}

const QByteArray &StreamValue::rawBytes() const
{
    return payloadOr(std::get_if<QByteArray>(&payload_));
}

const QString &StreamValue::wideText() const
{
    return payloadOr(std::get_if<QString>(&payload_));
}

const QList<QByteArray> &StreamValue::rawSetMembers() const
{
    return payloadOr(std::get_if<QList<QByteArray>>(&payload_));
}

const std::vector<StreamValue> &StreamValue::listValues() const
{
    return payloadOr(std::get_if<std::vector<StreamValue>>(&payload_));
}

const std::vector<CollectionItem> &StreamValue::collectionItems() const
{
    return payloadOr(std::get_if<std::vector<CollectionItem>>(&payload_));
}

bool StreamValue::isInteger() const
{
    return type_ == ValueType::Int8 || type_ == ValueType::Int16 || type_ == ValueType::Int32 ||
           type_ == ValueType::Int64;
}

bool StreamValue::isText() const
{
    return type_ == ValueType::String || type_ == ValueType::LString || type_ == ValueType::WString;
}

void StreamValue::wrongType(const char *expected) const
{
    throw EReadError(LoadStr(Str::ValueWrongType).arg(QString::fromUtf8(expected), DescribeValueType(type_)));
}

std::int64_t StreamValue::toInt64() const
{
    if (!isInteger())
        wrongType("整数");
    return rawInteger();
}

std::int32_t StreamValue::toInt() const
{
    const std::int64_t value = toInt64();
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw EReadError(LoadStr(Str::ValueOutOfRange).arg(value));
    return std::int32_t(value);
}

bool StreamValue::toBool() const
{
    if (type_ != ValueType::False && type_ != ValueType::True)
        wrongType("真偽値");
    return type_ == ValueType::True;
}

double StreamValue::toReal() const
{
    switch (type_) {
    case ValueType::Extended:
        return rawExtended().ToDouble();
    case ValueType::Single:
        return std::bit_cast<float>(std::uint32_t(rawBits()));
    case ValueType::Date:
        return std::bit_cast<double>(rawBits());
    case ValueType::Currency:
        return double(rawInteger()) / 10000.0;
    default:
        if (isInteger())
            return double(rawInteger());
        wrongType("実数");
    }
}

QString StreamValue::toText() const
{
    if (type_ == ValueType::WString)
        return wideText();
    if (type_ != ValueType::String && type_ != ValueType::LString)
        wrongType("文字列");
    return Cp932Decode(rawBytes());
}

QString StreamValue::toIdent() const
{
    if (type_ != ValueType::Ident)
        wrongType("識別子");
    return Cp932Decode(rawBytes());
}

TColor StreamValue::toColor() const
{
    if (type_ == ValueType::Ident) {
        const QString name = toIdent();
        if (const std::optional<TColor> color = IdentToColor(name))
            return *color;
        throw EReadError(LoadStr(Str::ValueUnknownColor).arg(name));
    }
    if (!isInteger())
        wrongType("色");
    return toInt();
}

QStringList StreamValue::toSet() const
{
    if (type_ != ValueType::Set)
        wrongType("集合");
    QStringList members;
    for (const QByteArray &member : rawSetMembers())
        members.append(Cp932Decode(member));
    return members;
}

QByteArray StreamValue::toBinary() const
{
    if (type_ != ValueType::Binary)
        wrongType("バイナリ データ");
    return rawBytes();
}

QStringList StreamValue::toStrings() const
{
    if (type_ != ValueType::List)
        wrongType("文字列のリスト");
    QStringList texts;
    for (const StreamValue &value : listValues())
        texts.append(value.toText());
    return texts;
}

int StreamValue::toEnum(const IdentTable &table) const
{
    const QString name = toIdent();
    if (const std::optional<int> value = table.ToValue(name))
        return *value;
    throw EReadError(LoadStr(Str::ValueUnknownIdent).arg(name));
}

int StreamValue::toNamedInteger(const IdentTable &table) const
{
    if (type_ == ValueType::Ident)
        return toEnum(table);
    if (!isInteger())
        wrongType("整数または識別子");
    return toInt();
}

int StreamValue::toSetBits(const IdentTable &members) const
{
    const QStringList names = toSet();
    if (const std::optional<int> bits = IdentsToSet(names, members))
        return *bits;
    throw EReadError(LoadStr(Str::ValueUnknownSetMember).arg(names.join(QLatin1Char(','))));
}

bool StreamValue::operator==(const StreamValue &other) const
{
    return type_ == other.type_ && payload_ == other.payload_;
}
