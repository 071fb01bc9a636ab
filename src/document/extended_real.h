// 80-bit extended reals as component streams store them, and their conversion to double.
#pragma once

#include <array>
#include <cstdint>

// The ten stored bytes of an x87 extended real: a 64-bit mantissa with an explicit integer bit, then
// the sign and the 15-bit exponent, little-endian. The bytes are kept as read, so that values a double
// cannot hold are written back unchanged.
struct Extended80
{
    std::array<std::uint8_t, 10> bytes{};

    // Every double is exactly an extended real; NaN payloads are kept.
    static Extended80 FromDouble(double value);
    // Rounds to the nearest double when the mantissa has more than 53 significant bits; values beyond
    // the double range become infinities or zeros.
    double ToDouble() const;
    // True when ToDouble() loses nothing: FromDouble(ToDouble()) gives these bytes back.
    bool IsExactDouble() const;

    bool operator==(const Extended80 &) const = default;
};
