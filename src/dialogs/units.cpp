// Lengths in millimetres, worksheet pixels and inches: the conversions, the display and the reading.
#include "dialogs/units.h"

#include "platform/c_locale.h"
#include "platform/errors.h"
#include "platform/strings.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int Precision = 8;

// The decimal digits of |value| correctly rounded to `count` significant digits, and the power of ten
// of the first one; more digits than any rounding below needs.
struct Digits
{
    QByteArray digits; // e.g. "12345"
    int exponent = 0;  // value = 0.digits x 10^exponent
};

Digits exactDigits(double magnitude)
{
    const QByteArray text = CFormat("%.30e", magnitude); // d.ddd...e+XX
    Digits d;
    const int e = text.indexOf('e');
    d.digits = text.left(1) + text.mid(2, e - 2);
    d.exponent = text.mid(e + 1).toInt() + 1;
    return d;
}

// Keeps `keep` digits (0 or more), rounding half away from zero; may carry into a new first digit.
void roundDigits(Digits &d, int keep)
{
    if (keep < 0) {
        d.digits = "0";
        d.exponent = 1;
        return;
    }
    if (keep >= d.digits.size())
        return;
    const bool up = d.digits[keep] >= '5';
    d.digits.truncate(keep);
    if (!up) {
        if (d.digits.isEmpty()) {
            d.digits = "0";
            d.exponent = 1;
        }
        return;
    }
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9')
        d.digits[i--] = '0';
    if (i >= 0) {
        d.digits[i] = char(d.digits[i] + 1);
    } else {
        d.digits.prepend('1');
        ++d.exponent;
    }
}

QString exponentForm(const Digits &d, bool negative)
{
    QByteArray digits = d.digits.leftJustified(Precision, '0', true);
    QByteArray out = negative ? "-" : "";
    out += digits.left(1) + '.' + digits.mid(1);
    const int e = d.exponent - 1;
    out += e < 0 ? "E-" : "E+";
    out += QByteArray::number(std::abs(e)).rightJustified(3, '0');
    return QString::fromLatin1(out);
}

[[noreturn]] void notANumber(const QString &text, int message)
{
    throw EConvertError(LoadStr(message).arg(text));
}

} // namespace

int PixelsFromReal(double value)
{
    if (std::isnan(value))
        return 0;
    const double shifted = value + 0.5;
    if (shifted >= double(INT_MAX))
        return INT_MAX;
    if (shifted <= double(INT_MIN))
        return INT_MIN;
    return int(std::trunc(shifted));
}

QString FormatFixed(double value, int digits)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const bool negative = std::signbit(value);
    Digits d{"0", 1};
    if (value != 0.0)
        d = exactDigits(std::fabs(value));
    roundDigits(d, d.exponent > Precision ? Precision : std::min(Precision, d.exponent + digits));
    if (d.exponent > Precision)
        return exponentForm(d, negative);
    // Lay the digits out around the point.
    QByteArray whole, fraction;
    for (int pos = 0; pos < d.exponent; ++pos)
        whole += pos < d.digits.size() ? d.digits[pos] : '0';
    if (whole.isEmpty())
        whole = "0";
    for (int pos = d.exponent; pos < d.exponent + digits; ++pos)
        fraction += pos >= 0 && pos < d.digits.size() ? d.digits[pos] : '0';
    const bool zero = std::all_of(d.digits.begin(), d.digits.end(), [](char c) { return c == '0'; });
    QByteArray out = negative && !zero ? "-" : "";
    out += whole;
    if (digits > 0)
        out += '.' + fraction;
    return QString::fromLatin1(out);
}

double StrToFloat(const QString &text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    bool anyDigit = false;
    for (char c : bytes)
        anyDigit = anyDigit || (c >= '0' && c <= '9');
    if (!anyDigit || bytes.contains('x') || bytes.contains('X'))
        notANumber(text, Str::ConvertFloat);
    char *end = nullptr;
    const double value = CStrtod(bytes.constData(), &end);
    if (end != bytes.constData() + bytes.size() || !std::isfinite(value))
        notANumber(text, Str::ConvertFloat);
    return value;
}

int StrToInt(const QString &text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        notANumber(text, Str::ConvertInteger);
    char *end = nullptr;
    errno = 0;
    const long long value = std::strtoll(bytes.constData(), &end, 10);
    if (end != bytes.constData() + bytes.size() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        notANumber(text, Str::ConvertInteger);
    return int(value);
}
