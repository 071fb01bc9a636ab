// Little-endian integers in byte arrays, as every binary file of the program stores them.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

inline void AppendInt32(QByteArray &out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    const char bytes[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF),
                           char((v >> 24) & 0xFF)};
    out.append(bytes, 4);
}

// The 32-bit value at `offset`; the caller has checked that four bytes are there.
inline std::int32_t ReadInt32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<std::int32_t>(std::uint32_t(u[0]) | std::uint32_t(u[1]) << 8 |
                                     std::uint32_t(u[2]) << 16 | std::uint32_t(u[3]) << 24);
}

// `count` bytes of `whole` from `pos`, sharing its buffer instead of copying them: a picture inside a
// document keeps the document's buffer alive rather than a copy of its own. The result is not
// zero-terminated. Bytes that own no buffer (fromRawData) are copied, since their lifetime is unknown.
inline QByteArray SharedBytes(const QByteArray &whole, qsizetype pos, qsizetype count)
{
    if (pos == 0 && count == whole.size())
        return whole;
    QByteArray::DataPointer slice = const_cast<QByteArray &>(whole).data_ptr();
    if (count <= 0 || !slice.isMutable())
        return whole.mid(pos, count);
    slice.setBegin(slice.data() + pos);
    slice.size = count;
    return QByteArray(std::move(slice));
}

// A block stored as a 4-byte length, then that many bytes (bitmap and JPEG picture data): the length.
inline QByteArray LengthHead(const QByteArray &bytes)
{
    QByteArray out;
    AppendInt32(out, static_cast<std::int32_t>(bytes.size()));
    return out;
}

// The length, then the bytes, in a buffer of exactly that size.
inline QByteArray LengthPrefixed(const QByteArray &bytes)
{
    QByteArray out;
    out.reserve(4 + bytes.size());
    AppendInt32(out, static_cast<std::int32_t>(bytes.size()));
    out.append(bytes);
    return out;
}

// The block at the start of `data`; nothing when the length is missing, negative or runs past the data.
inline std::optional<QByteArray> ReadLengthPrefixed(const QByteArray &data)
{
    if (data.size() < 4)
        return std::nullopt;
    const std::int32_t length = ReadInt32(data.constData());
    if (length < 0 || length > data.size() - 4)
        return std::nullopt;
    return SharedBytes(data, 4, length);
}
