// The colour dialog's custom colours as documents keep them.
#include "platform/custom_colors.h"

#include <gtest/gtest.h>

namespace {

TEST(CustomColors, EntriesNameTheirSlotAndUnnamedSlotsStayWhite)
{
    const CustomColorSet colors = CustomColorsFromEntries(
        {QStringLiteral("ColorC=0000FF"), QStringLiteral("ColorA=123456"), QStringLiteral("ColorQ=000000"),
         QStringLiteral("ColorB=zz"), QStringLiteral("ColorD=1FFFFFF"), QStringLiteral("Junk")});
    EXPECT_EQ(colors[0], QColor(0x56, 0x34, 0x12)); // BBGGRR
    EXPECT_EQ(colors[2], QColor(Qt::red));
    for (int i : {1, 3, 4, 15})
        EXPECT_EQ(colors[i], QColor(Qt::white)) << i;
}

TEST(CustomColors, WrittenAsSixteenUpperCaseEntriesThatReadBack)
{
    CustomColorSet colors;
    colors.fill(QColor(Qt::white));
    colors[1] = QColor(0xAB, 0x0C, 0x01);
    const QStringList entries = EntriesFromCustomColors(colors);
    ASSERT_EQ(entries.size(), 16);
    EXPECT_EQ(entries[0], QStringLiteral("ColorA=FFFFFF"));
    EXPECT_EQ(entries[1], QStringLiteral("ColorB=010CAB"));
    EXPECT_EQ(entries[15], QStringLiteral("ColorP=FFFFFF"));
    EXPECT_EQ(CustomColorsFromEntries(entries), colors);
}

} // namespace
