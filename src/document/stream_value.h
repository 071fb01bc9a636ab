// Values of component streams: a type byte and its payload, kept as read so they write back unchanged.
#pragma once

#include "document/extended_real.h"
#include "platform/colors.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class IdentTable;

// The type byte in front of every value.
enum class ValueType : std::uint8_t {
    Null = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6, // up to 255 bytes
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LString = 12, // 32-bit length
    Nil = 13,
    Collection = 14,
    Single = 15,
    Currency = 16,
    Date = 17,
    WString = 18, // UTF-16
    Int64 = 19,
};
constexpr int kHighestValueType = 19;

// "a 16-bit integer", "a wide string", ... for messages.
QString DescribeValueType(ValueType type);

struct CollectionItem;

class StreamValue
{
public:
    StreamValue() = default; // null

    ValueType type() const { return type_; }

    static StreamValue Null();
    static StreamValue Nil();
    static StreamValue Bool(bool value);
    // The smallest of int8, int16 and int32 that holds the value; int64 beyond.
    static StreamValue Integer(std::int64_t value);
    static StreamValue Int8(std::int8_t value);
    static StreamValue Int16(std::int16_t value);
    static StreamValue Int32(std::int32_t value);
    static StreamValue Int64(std::int64_t value);
    static StreamValue Extended(const Extended80 &value);
    static StreamValue Real(double value); // an extended real
    static StreamValue SingleBits(std::uint32_t bits);
    static StreamValue Single(float value);
    // The amount times 10000.
    static StreamValue Currency(std::int64_t scaled);
    static StreamValue DateBits(std::uint64_t bits);
    static StreamValue Date(double value);
    // A text as CP932 bytes (a string up to 255 bytes, else a long string), or as a wide string when
    // CP932 cannot hold it, so that nothing typed is lost.
    static StreamValue Text(const QString &text);
    // Bytes as a string up to 255 bytes, else as a long string.
    static StreamValue AnsiString(const QByteArray &bytes);
    static StreamValue WideString(const QString &text);
    static StreamValue Ident(const QString &name);
    static StreamValue Binary(const QByteArray &bytes);
    // A value of type String, LString, Ident or Binary holding these bytes as they are.
    static StreamValue RawBytes(ValueType type, const QByteArray &bytes);
    static StreamValue Set(const QStringList &members);
    static StreamValue RawSet(const QList<QByteArray> &members);
    static StreamValue List(std::vector<StreamValue> values);
    static StreamValue Collection(std::vector<CollectionItem> items);

    // The stored payload. Each gives an empty or zero value for a value of another type.
    std::int64_t rawInteger() const;    // Int8, Int16, Int32, Int64, Currency
    std::uint64_t rawBits() const;      // Single (low 32 bits), Date
    Extended80 rawExtended() const;     // Extended
    const QByteArray &rawBytes() const; // String, LString, Ident, Binary
    const QString &wideText() const;    // WString
    const QList<QByteArray> &rawSetMembers() const;
    const std::vector<StreamValue> &listValues() const;
    const std::vector<CollectionItem> &collectionItems() const;

    bool isInteger() const; // Int8, Int16, Int32 or Int64
    bool isText() const;    // String, LString or WString

    // Typed access for property readers; a value of the wrong kind is an EReadError.
    std::int32_t toInt() const;
    std::int64_t toInt64() const;
    bool toBool() const;
    double toReal() const;  // extended, single, date, currency or integer
    QString toText() const; // CP932 strings decoded, wide strings as they are
    QString toIdent() const;
    TColor toColor() const; // a colour name or a 0x00BBGGRR integer
    QStringList toSet() const;
    QByteArray toBinary() const;
    QStringList toStrings() const; // a list of texts
    // An enumeration written by name.
    int toEnum(const IdentTable &table) const;
    // A named integer (cursor, charset): a name of the table or a number.
    int toNamedInteger(const IdentTable &table) const;
    // The bits of a set whose members the table names by ordinal.
    int toSetBits(const IdentTable &members) const;

    bool operator==(const StreamValue &other) const;

private:
    using Payload = std::variant<std::monostate, std::int64_t, std::uint64_t, Extended80, QByteArray, QString,
                                 QList<QByteArray>, std::vector<StreamValue>, std::vector<CollectionItem>>;
    static StreamValue make(ValueType type, Payload payload);
    [[noreturn]] void wrongType(const char *expected) const;

    ValueType type_ = ValueType::Null;
    Payload payload_;
};

// One property: its name (a dotted path into owned objects, e.g. "Font.Style") and value.
struct Property
{
    QByteArray name;
    StreamValue value;

    bool operator==(const Property &) const = default;
};

// One item of a collection value: optionally its index (an integer value), then its properties.
struct CollectionItem
{
    std::optional<StreamValue> index;
    std::vector<Property> properties;

    bool operator==(const CollectionItem &) const = default;
};
