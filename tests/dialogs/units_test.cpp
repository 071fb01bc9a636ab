// Unit conversions, fixed-notation display and the strict number reading of the dialogs.
#include "dialogs/units.h"
#include "platform/errors.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

TEST(Units, PixelsRoundHalfUpByTruncationAndStayInRange)
{
    EXPECT_EQ(MmToPx(91.0f), 455);
    EXPECT_EQ(MmToPx(55.0f), 275);
    EXPECT_EQ(MmToPx(14.0f), 70);
    EXPECT_EQ(MmToPx(0.09), 0);
    EXPECT_EQ(MmToPx(0.1), 1);
    EXPECT_EQ(InchToPx(3.5), 445);
    EXPECT_EQ(PixelsFromReal(-33.0), -32); // trunc(-32.5) cuts toward zero
    EXPECT_EQ(PixelsFromReal(1e300), INT_MAX);
    EXPECT_EQ(PixelsFromReal(-1e300), INT_MIN);
    EXPECT_EQ(PixelsFromReal(NAN), 0);
    EXPECT_EQ(PixelsFromReal(INFINITY), INT_MAX);
}

TEST(Units, InchAndMillimetreFormsOfTheDefaultCard)
{
    EXPECT_EQ(FormatInch(PxToInch(455)), "3.583");
    EXPECT_EQ(FormatInch(PxToInch(275)), "2.165");
    EXPECT_EQ(FormatInch(PxToInch(MmToPx(14.0))), "0.551");
    EXPECT_EQ(FormatInch(PxToInch(MmToPx(11.0))), "0.433");
    EXPECT_EQ(FormatInch(14.0 * Units::InchPerMm), "0.551");
    EXPECT_EQ(FormatMm(PxToMm(InchToPx(3.583))), "91.0");
    EXPECT_EQ(FormatMm(PxToMm(445)), "89.0");
    EXPECT_EQ(FormatMm(float(float(3.5 * Units::PxPerInch) * Units::MmPerPx)), "88.9");
}

TEST(Units, FixedNotationRoundsHalvesAwayFromZeroAtEightDigits)
{
    EXPECT_EQ(FormatFixed(14.0, 1), "14.0");
    EXPECT_EQ(FormatFixed(0.0, 1), "0.0");
    EXPECT_EQ(FormatFixed(-0.0, 1), "0.0");
    EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(FormatFixed(0.25, 1), "0.3");   // exactly half: away from zero
    EXPECT_EQ(FormatFixed(-0.25, 1), "-0.3"); //
    EXPECT_EQ(FormatFixed(0.96, 1), "1.0");
    EXPECT_EQ(FormatFixed(99.96, 1), "100.0");
    EXPECT_EQ(FormatFixed(215.9f - 196.0f, 1), "19.9");
    EXPECT_EQ(FormatFixed(279.4f - 286.0f, 1), "-6.6");
    EXPECT_EQ(FormatFixed(19.05f, 1), "19.0"); // the float lies just below 19.05
    EXPECT_EQ(FormatFixed(0.0005, 3), "0.001");
    EXPECT_EQ(FormatFixed(1234567.89, 3), "1234567.900"); // only eight significant digits
    EXPECT_EQ(FormatFixed(123456789.0, 1), "1.2345679E+008");
    EXPECT_EQ(FormatFixed(NAN, 1), "NAN");
    EXPECT_EQ(FormatFixed(-INFINITY, 1), "-INF");
}

TEST(Units, ReadingAcceptsOnlyWholeNumbers)
{
    EXPECT_DOUBLE_EQ(StrToFloat("12"), 12.0);
    EXPECT_DOUBLE_EQ(StrToFloat(" 3.5 "), 3.5);
    EXPECT_DOUBLE_EQ(StrToFloat("1."), 1.0);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    for (const char *bad : {".", "", "1.2.3", "abc", "12a", "nan", "inf", "0x10", "1e999"})
        EXPECT_THROW(StrToFloat(QString::fromLatin1(bad)), EConvertError) << bad;
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("-7"), -7);
    for (const char *bad : {"", "1.5", "x", "99999999999"})
        EXPECT_THROW(StrToInt(QString::fromLatin1(bad)), EConvertError) << bad;
    try {
        StrToFloat(".");
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.message(), "'.' は正しい浮動小数点数値ではありません。");
    }
    try {
        StrToInt("abc");
        ADD_FAILURE() << "abc read as a number";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.message(), "'abc' は正しい整数値ではありません。");
    }
}
