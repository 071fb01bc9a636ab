// Little-endian integers in byte arrays, as every binary file of the program stores them.
#pragma once

#include <QByteArray>
#include <cstdint>

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
