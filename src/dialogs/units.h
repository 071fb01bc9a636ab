// Lengths in millimetres, worksheet pixels and inches: the conversions, the display and the reading.
#pragma once

#include <QString>

namespace Units {
constexpr double PxPerMm = 5.0;
constexpr double MmPerPx = 0.2;
constexpr double PxPerInch = 127.000254;
constexpr double InchPerPx = 0.007874;
constexpr double InchPerMm = 0.03937;
constexpr double MmPerInch = 25.4;
} // namespace Units

// The conversion constants the editor hands to its measuring dialogs, as 32-bit values; the dialogs
// compute with them rather than with the constants above.
struct ConversionConstants
{
    int PixelsPerMm = 5;
    float PixelsPerInch = 127.000254f;
    float InchesPerPixel = 0.007874f;
    float InchesPerMm = 0.03937f;
    float MmPerInch = 25.4f;
};

// Whole pixels from a real value: add 0.5 and cut toward zero. Values past the int range are held at
// its ends and NaN gives 0, so a damaged value cannot overflow.
int PixelsFromReal(double value);

inline int MmToPx(double mm)
{
    return PixelsFromReal(mm * Units::PxPerMm);
}
inline int InchToPx(double inches)
{
    return PixelsFromReal(inches * Units::PxPerInch);
}
inline float PxToMm(int px)
{
    return float(px * Units::MmPerPx);
}
inline float PxToInch(int px)
{
    return float(px * Units::InchPerPx);
}

// Fixed notation with `digits` decimals after rounding to at most eight significant digits, halves
// away from zero ("14.0", "-6.6", "3.583"). Eight digits or more before the point give the exponent
// form ("1.0000000E+008").
QString FormatFixed(double value, int digits);
inline QString FormatMm(double mm)
{
    return FormatFixed(mm, 1);
}
inline QString FormatInch(double inches)
{
    return FormatFixed(inches, 3);
}

// A whole text as a number, blanks around it allowed ("12", "1.", ".5", "1e3"); anything else throws
// EConvertError naming the text.
double StrToFloat(const QString &text);
// A whole text as a 32-bit integer, optionally signed; anything else (or out of range) throws
// EConvertError naming the text.
int StrToInt(const QString &text);
