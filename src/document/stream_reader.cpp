// The component stream parser: bounds-checked, with nesting limited.
#include "document/stream_reader.h"

#include "platform/bytes.h"
#include "platform/errors.h"
#include "platform/strings.h"

namespace {

// Child positions and collection indexes are int8, int16 or int32 values.
bool isIndexType(std::uint8_t typeByte)
{
    return typeByte == std::uint8_t(ValueType::Int8) || typeByte == std::uint8_t(ValueType::Int16) ||
           typeByte == std::uint8_t(ValueType::Int32);
}

class Parser
{
public:
    Parser(const QByteArray &data, qsizetype offset) : owner_(data), data_(data), pos_(offset) {}

    qsizetype pos() const { return pos_; }

    void signature()
    {
        if (data_.size() - pos_ < 4 || data_.sliced(pos_, 4) != QByteArrayView("TPF0"))
            fail(LoadStr(Str::StreamNoSignature));
        pos_ += 4;
    }

    ObjectRecord object(int depth)
    {
        checkDepth(depth);
        ObjectRecord record;
        if ((peek() & 0xF0) == 0xF0) {
            const int flags = byte() & 0x0F;
            if (flags == 0 || (flags & ~(ffInherited | ffChildPos | ffInline)) != 0)
                fail(LoadStr(Str::StreamBadPrefix).arg(0xF0 | flags, 2, 16, QLatin1Char('0')));
            record.prefixFlags = flags;
            if (flags & ffChildPos) {
                if (!isIndexType(peek()))
                    fail(LoadStr(Str::StreamChildPosition));
                record.childPos = value(depth);
            }
        }
        record.className = shortString();
        if (record.className.isEmpty())
            fail(LoadStr(Str::StreamNoClassName));
        record.name = shortString();
        record.properties = properties(depth);
        while (peek() != 0)
            record.children.push_back(object(depth + 1));
        ++pos_;
        return record;
    }

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw EReadError(LoadStr(Str::ComponentStreamError).arg(what).arg(pos_));
    }

    void checkDepth(int depth) const
    {
        if (depth > kMaxStreamNesting)
            fail(LoadStr(Str::StreamTooDeep).arg(kMaxStreamNesting));
    }

    void need(qsizetype count) const
    {
        if (data_.size() - pos_ < count)
            throw EReadError(LoadStr(Str::StreamEndsInRecord).arg(data_.size()));
    }

    std::uint8_t peek() const
    {
        need(1);
        return std::uint8_t(data_[pos_]);
    }

    std::uint8_t byte()
    {
        const std::uint8_t b = peek();
        ++pos_;
        return b;
    }

    std::uint64_t littleEndian(int size)
    {
        need(size);
        std::uint64_t v = 0;
        for (int i = size - 1; i >= 0; --i)
            v = v << 8 | std::uint8_t(data_[pos_ + i]);
        pos_ += size;
        return v;
    }

    QByteArray bytes(qsizetype count)
    {
        need(count);
        QByteArray result(data_.constData() + pos_, count);
        pos_ += count;
        return result;
    }

    QByteArray shortString() { return bytes(byte()); }

    // Large values (pictures) are not copied: they share the buffer the stream is read from.
    QByteArray sharedBytes(qsizetype count)
    {
        need(count);
        QByteArray result = SharedBytes(owner_, pos_, count);
        pos_ += count;
        return result;
    }

    // A 32-bit length, checked against the data left before anything is allocated for it.
    qsizetype length(qsizetype unitSize)
    {
        const qsizetype start = pos_;
        const auto count = qsizetype(littleEndian(4));
        if (count > (data_.size() - pos_) / unitSize) {
            pos_ = start;
            fail(LoadStr(Str::StreamLengthPastEnd).arg(count));
        }
        return count;
    }

    // Name and value pairs up to the empty name.
    std::vector<Property> properties(int depth)
    {
        std::vector<Property> list;
        for (QByteArray name = shortString(); !name.isEmpty(); name = shortString()) {
            StreamValue v = value(depth);
            list.push_back(Property{std::move(name), std::move(v)});
        }
        return list;
    }

    StreamValue value(int depth)
    {
        const qsizetype start = pos_;
        const std::uint8_t typeByte = byte();
        if (typeByte > kHighestValueType) {
            pos_ = start;
            fail(LoadStr(Str::StreamUnknownType).arg(typeByte));
        }
        const auto type = ValueType(typeByte);
        switch (type) {
        case ValueType::Null:
            return StreamValue::Null();
        case ValueType::Nil:
            return StreamValue::Nil();
        case ValueType::False:
            return StreamValue::Bool(false);
        case ValueType::True:
            return StreamValue::Bool(true);
        case ValueType::Int8:
            return StreamValue::Int8(std::int8_t(littleEndian(1)));
        case ValueType::Int16:
            return StreamValue::Int16(std::int16_t(littleEndian(2)));
        case ValueType::Int32:
            return StreamValue::Int32(std::int32_t(littleEndian(4)));
        case ValueType::Int64:
            return StreamValue::Int64(std::int64_t(littleEndian(8)));
        case ValueType::Currency:
            return StreamValue::Currency(std::int64_t(littleEndian(8)));
        case ValueType::Single:
            return StreamValue::SingleBits(std::uint32_t(littleEndian(4)));
        case ValueType::Date:
            return StreamValue::DateBits(littleEndian(8));
        case ValueType::Extended: {
            need(10);
            Extended80 x;
            for (std::uint8_t &b : x.bytes)
                b = byte();
            return StreamValue::Extended(x);
        }
        case ValueType::String:
        case ValueType::Ident:
            return StreamValue::RawBytes(type, shortString());
        case ValueType::LString:
            return StreamValue::RawBytes(type, bytes(length(1)));
        case ValueType::Binary:
            return StreamValue::RawBytes(type, sharedBytes(length(1)));
        case ValueType::WString: {
            const qsizetype count = length(2);
            QString text(count, Qt::Uninitialized);
            for (qsizetype i = 0; i < count; ++i)
                text[i] = QChar(char16_t(littleEndian(2)));
            return StreamValue::WideString(text);
        }
        case ValueType::Set: {
            QList<QByteArray> members;
            for (QByteArray member = shortString(); !member.isEmpty(); member = shortString())
                members.append(member);
            return StreamValue::RawSet(members);
        }
        case ValueType::List: {
            checkDepth(depth + 1);
            std::vector<StreamValue> values;
            while (peek() != 0)
                values.push_back(value(depth + 1));
            ++pos_;
            return StreamValue::List(std::move(values));
        }
        case ValueType::Collection:
            return collection(depth + 1);
        }
        fail(LoadStr(Str::StreamUnknownType).arg(typeByte));
    }

    StreamValue collection(int depth)
    {
        checkDepth(depth);
        std::vector<CollectionItem> items;
        while (peek() != 0) {
            CollectionItem item;
            if (isIndexType(peek()))
                item.index = value(depth);
            if (byte() != std::uint8_t(ValueType::List)) {
                --pos_;
                fail(LoadStr(Str::StreamNoListMarker));
            }
            item.properties = properties(depth);
            items.push_back(std::move(item));
        }
        ++pos_;
        return StreamValue::Collection(std::move(items));
    }

    const QByteArray &owner_;
    QByteArrayView data_;
    qsizetype pos_;
};

} // namespace

qsizetype ParseComponentStreamAt(const QByteArray &data, qsizetype offset, ObjectRecord &record)
{
    if (offset < 0 || offset > data.size())
        throw EReadError(LoadStr(Str::StreamOffsetOutside).arg(offset));
    Parser parser(data, offset);
    parser.signature();
    ObjectRecord parsed = parser.object(1);
    record = std::move(parsed);
    return parser.pos() - offset;
}

ObjectRecord ParseComponentStream(const QByteArray &data)
{
    ObjectRecord record;
    const qsizetype used = ParseComponentStreamAt(data, 0, record);
    if (used != data.size())
        throw EReadError(LoadStr(Str::StreamTrailingBytes).arg(data.size() - used));
    return record;
}
