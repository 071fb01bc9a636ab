// The component stream writer: each value in exactly the form its type byte names.
#include "document/stream_writer.h"

#include "document/stream_reader.h"

#include <limits>

namespace {

class Writer
{
public:
    explicit Writer(QByteArray &out) : out_(out) {}

    void object(const ObjectRecord &record, int depth)
    {
        checkDepth(depth);
        const int flags = record.prefixFlags;
        if ((flags & ~(ffInherited | ffChildPos | ffInline)) != 0)
            fail(QStringLiteral("invalid prefix flags %1 of %2")
                     .arg(flags)
                     .arg(QLatin1String(record.className)));
        const bool hasChildPos = (flags & ffChildPos) != 0;
        if (hasChildPos != (record.childPos.type() != ValueType::Null))
            fail(QStringLiteral("the child position of %1 does not match its prefix flags")
                     .arg(QLatin1String(record.className)));
        if (flags != 0) {
            byte(0xF0 | flags);
            if (hasChildPos) {
                if (!isIndex(record.childPos))
                    fail(QStringLiteral("the child position of %1 is not an int8, int16 or int32 value")
                             .arg(QLatin1String(record.className)));
                value(record.childPos, depth);
            }
        }
        if (record.className.isEmpty())
            fail(QStringLiteral("an object without a class name"));
        // Without a prefix, a length byte of 0xF0 or more would read as one.
        if (flags == 0 && record.className.size() >= 0xF0)
            fail(QStringLiteral("the class name %1 is too long").arg(QLatin1String(record.className)));
        shortString(record.className, "class name");
        shortString(record.name, "object name");
        properties(record.properties, depth);
        for (const ObjectRecord &child : record.children)
            object(child, depth + 1);
        byte(0);
    }

private:
    [[noreturn]] static void fail(const QString &what)
    {
        throw EWriteError(QStringLiteral("Cannot write the component: %1").arg(what));
    }

    static void checkDepth(int depth)
    {
        if (depth > kMaxStreamNesting)
            fail(QStringLiteral("objects and values nest deeper than %1 levels").arg(kMaxStreamNesting));
    }

    static bool isIndex(const StreamValue &v)
    {
        return v.type() == ValueType::Int8 || v.type() == ValueType::Int16 || v.type() == ValueType::Int32;
    }

    void byte(int b) { out_.append(char(b)); }

    void littleEndian(std::uint64_t v, int size)
    {
        for (int i = 0; i < size; ++i)
            byte(int((v >> (8 * i)) & 0xFF));
    }

    void shortString(const QByteArray &bytes, const char *what)
    {
        if (bytes.size() > 255)
            fail(QStringLiteral("a %1 of %2 bytes is longer than 255 bytes")
                     .arg(QLatin1String(what))
                     .arg(bytes.size()));
        byte(int(bytes.size()));
        out_.append(bytes);
    }

    // A picture's megabytes make the buffer grow once to what they need (and a little for the rest of
    // the stream), not to the next power of two with a copy on the way.
    void block(const QByteArray &bytes)
    {
        if (out_.capacity() - out_.size() < bytes.size())
            out_.reserve(out_.size() + bytes.size() + kRoomAfterBlock);
        out_.append(bytes);
    }

    static constexpr qsizetype kRoomAfterBlock = 4096;

    void length(qsizetype count)
    {
        if (count > qsizetype(std::numeric_limits<std::uint32_t>::max()))
            fail(QStringLiteral("a value of %1 bytes is too long for a stream").arg(count));
        littleEndian(std::uint64_t(count), 4);
    }

    void properties(const std::vector<Property> &list, int depth)
    {
        for (const Property &property : list) {
            if (property.name.isEmpty())
                fail(QStringLiteral("a property without a name"));
            shortString(property.name, "property name");
            value(property.value, depth);
        }
        byte(0);
    }

    void value(const StreamValue &v, int depth)
    {
        const ValueType type = v.type();
        byte(int(type));
        switch (type) {
        case ValueType::Null:
        case ValueType::Nil:
        case ValueType::False:
        case ValueType::True:
            return;
        case ValueType::Int8:
            return littleEndian(std::uint64_t(v.rawInteger()), 1);
        case ValueType::Int16:
            return littleEndian(std::uint64_t(v.rawInteger()), 2);
        case ValueType::Int32:
            return littleEndian(std::uint64_t(v.rawInteger()), 4);
        case ValueType::Int64:
        case ValueType::Currency:
            return littleEndian(std::uint64_t(v.rawInteger()), 8);
        case ValueType::Single:
            return littleEndian(v.rawBits(), 4);
        case ValueType::Date:
            return littleEndian(v.rawBits(), 8);
        case ValueType::Extended:
            for (std::uint8_t b : v.rawExtended().bytes)
                byte(b);
            return;
        case ValueType::String:
            return shortString(v.rawBytes(), "string");
        case ValueType::Ident:
            return shortString(v.rawBytes(), "identifier");
        case ValueType::LString:
        case ValueType::Binary:
            length(v.rawBytes().size());
            block(v.rawBytes());
            return;
        case ValueType::WString: {
            const QString &text = v.wideText();
            length(text.size());
            for (QChar c : text)
                littleEndian(c.unicode(), 2);
            return;
        }
        case ValueType::Set:
            for (const QByteArray &member : v.rawSetMembers()) {
                if (member.isEmpty())
                    fail(QStringLiteral("an empty set member"));
                shortString(member, "set member");
            }
            byte(0);
            return;
        case ValueType::List:
            checkDepth(depth + 1);
            for (const StreamValue &element : v.listValues()) {
                // A null's type byte is the list's end marker.
                if (element.type() == ValueType::Null)
                    fail(QStringLiteral("a null value inside a list"));
                value(element, depth + 1);
            }
            byte(0);
            return;
        case ValueType::Collection:
            checkDepth(depth + 1);
            for (const CollectionItem &item : v.collectionItems()) {
                if (item.index) {
                    if (!isIndex(*item.index))
                        fail(QStringLiteral("a collection index that is not an int8, int16 or int32 value"));
                    value(*item.index, depth + 1);
                }
                byte(int(ValueType::List));
                properties(item.properties, depth + 1);
            }
            byte(0);
            return;
        }
    }

    QByteArray &out_;
};

} // namespace

void AppendComponentStream(QByteArray &out, const ObjectRecord &record)
{
    QByteArray bytes("TPF0");
    Writer(bytes).object(record, 1);
    out.append(bytes);
}

QByteArray SerializeComponentStream(const ObjectRecord &record)
{
    QByteArray bytes;
    AppendComponentStream(bytes, record);
    return bytes;
}
