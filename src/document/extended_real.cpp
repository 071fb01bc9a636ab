// Conversions between stored 80-bit extended reals and doubles.
#include "document/extended_real.h"

#include <bit>
#include <cmath>

namespace {

constexpr int kExponentBias = 16383;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ull;

std::uint64_t mantissaOf(const Extended80 &x)
{
    std::uint64_t m = 0;
    for (int i = 7; i >= 0; --i)
        m = m << 8 | x.bytes[i];
    return m;
}

int signExponentOf(const Extended80 &x)
{
    return x.bytes[8] | x.bytes[9] << 8;
}

Extended80 make(std::uint64_t mantissa, int signExponent)
{
    Extended80 x;
    for (int i = 0; i < 8; ++i)
        x.bytes[i] = std::uint8_t(mantissa >> (8 * i));
    x.bytes[8] = std::uint8_t(signExponent);
    x.bytes[9] = std::uint8_t(signExponent >> 8);
    return x;
}

} // namespace

Extended80 Extended80::FromDouble(double value)
{
    const int sign = std::signbit(value) ? 0x8000 : 0;
    if (std::isnan(value)) {
        // The double's fraction sits below the integer bit, so the quiet bit stays the quiet bit.
        const std::uint64_t fraction = std::bit_cast<std::uint64_t>(value) & ((1ull << 52) - 1);
        return make(kIntegerBit | fraction << 11, sign | 0x7FFF);
    }
    if (std::isinf(value))
        return make(kIntegerBit, sign | 0x7FFF);
    if (value == 0)
        return make(0, sign);
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent); // in [0.5, 1)
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    return make(mantissa, sign | (exponent - 1 + kExponentBias));
}

double Extended80::ToDouble() const
{
    const std::uint64_t mantissa = mantissaOf(*this);
    const int signExponent = signExponentOf(*this);
    const bool negative = (signExponent & 0x8000) != 0;
    const int exponent = signExponent & 0x7FFF;
    double magnitude = 0;
    if (exponent == 0x7FFF) {
        const std::uint64_t fraction = mantissa & ~kIntegerBit;
        if (fraction == 0) {
            magnitude = INFINITY;
        } else {
            std::uint64_t doubleFraction = fraction >> 11;
            if (doubleFraction == 0)
                doubleFraction = 1ull << 51; // a payload only in the low bits still is a NaN
            const std::uint64_t signBit = negative ? 1ull << 63 : 0;
            return std::bit_cast<double>(signBit | 0x7FF0000000000000ull | doubleFraction);
        }
    } else if (mantissa != 0) {
        // Exponent 0 marks a denormal, whose scale is that of exponent 1.
        const int scale = (exponent == 0 ? 1 : exponent) - kExponentBias - 63;
        magnitude = std::ldexp(static_cast<double>(mantissa), scale);
    }
    return negative ? -magnitude : magnitude;
}

bool Extended80::IsExactDouble() const
{
    return FromDouble(ToDouble()) == *this;
}
