// Colour names, contrast colours and MulDiv rounding.
#include "platform/colors.h"
#include "platform/graphics.h"
#include "platform/strings.h"

#include <gtest/gtest.h>

TEST(Colors, ContrastColor)
{
    EXPECT_EQ(ContrastColor(0x808080), 0xFFFFFF);
    EXPECT_EQ(ContrastColor(0xC0C0C0), 0x3F3F3F);
    EXPECT_EQ(ContrastColor(clBlack), 0xFFFFFF);
    EXPECT_EQ(ContrastColor(clWhite), 0x000000);
    EXPECT_EQ(ContrastColor(clBtnFace), clBtnFace);
}

TEST(Colors, NamesBothWays)
{
    EXPECT_EQ(ColorToIdent(clWhite).value(), QStringLiteral("clWhite"));
    EXPECT_EQ(ColorToIdent(clBtnFace).value(), QStringLiteral("clBtnFace"));
    EXPECT_EQ(ColorToIdent(clAppWorkSpace).value(), QStringLiteral("clAppWorkSpace"));
    EXPECT_FALSE(ColorToIdent(0x123456).has_value());
    // Newer names are understood but written as numbers so older readers can read ours.
    EXPECT_FALSE(ColorToIdent(0xC0DCC0).has_value());
    EXPECT_EQ(IdentToColor(QStringLiteral("clMoneyGreen")).value(), 0xC0DCC0);
    EXPECT_EQ(IdentToColor(QStringLiteral("clWindowText")).value(), clWindowText);
    EXPECT_EQ(IdentToColor(QStringLiteral("clNone")).value(), clNone);
    EXPECT_EQ(IdentToColor(QStringLiteral("clDefault")).value(), clDefault);
    EXPECT_FALSE(IdentToColor(QStringLiteral("clNoSuchColor")).has_value());
}

TEST(Colors, ScreenValues)
{
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clWindow), QColor(255, 255, 255));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(MulDiv, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(12, 96, 72), 16);
    EXPECT_EQ(MulDiv(9, 96, 72), 12);
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 0), -1);
}

TEST(Fonts, SizeAndHeightAt96Dpi)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.ToQFont().pixelSize(), 16);
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    font.SetSize(9);
    EXPECT_EQ(changes, 2);
}

TEST(Strings, TableTexts)
{
    EXPECT_EQ(LoadStr(Str::AppTitle), QStringLiteral("ヴェルモラ"));
    EXPECT_EQ(LoadStr(Str::MessageCaption), QStringLiteral("ヴェルモラ Message"));
    EXPECT_EQ(LoadStr(Str::ClearWorksheetPrompt),
              QStringLiteral("ワークシート上のオブジェクトをすべて消去します。\n\n\tよろしいですか？"));
    EXPECT_EQ(LoadStr(Str::JpegError).arg(0), QStringLiteral("JPEG エラー #%d").arg(0));
    EXPECT_TRUE(LoadStr(4242).isEmpty());
}

TEST(Colors, CustomColoursComeBackAsTheyWereWritten)
{
    EXPECT_EQ(CustomColorOf(QStringLiteral("ColorA=0000FF")), QColor(255, 0, 0));
    EXPECT_EQ(CustomColorOf(QStringLiteral("ColorB=ff8000")), QColor(0, 128, 255));
    EXPECT_FALSE(CustomColorOf(QStringLiteral("ColorC=FFFFFFFF")).has_value()); // an unused slot
    EXPECT_FALSE(CustomColorOf(QStringLiteral("ColorD")).has_value());

    const QStringList entries{QStringLiteral("ColorA=0000FF"), QStringLiteral("ColorB=ff8000"),
                              QStringLiteral("ColorC=FFFFFFFF"), QStringLiteral("ColorD=FFFFFF")};
    const QList<QColor> shown{QColor(255, 0, 0), QColor(0, 128, 255), Qt::white, Qt::white, Qt::white};
    // The dialog changed only the fourth swatch and the fifth, which had no entry.
    const QList<QColor> chosen{QColor(255, 0, 0), QColor(0, 128, 255), Qt::white, QColor(0x12, 0x34, 0xAB),
                               QColor(1, 2, 3)};
    EXPECT_EQ(MergeCustomColors(entries, shown, chosen),
              (QStringList{QStringLiteral("ColorA=0000FF"), QStringLiteral("ColorB=ff8000"),
                           QStringLiteral("ColorC=FFFFFFFF"), QStringLiteral("ColorD=AB3412"),
                           QStringLiteral("ColorE=030201")}));
    // Entries past the dialog's slots are kept.
    EXPECT_EQ(MergeCustomColors(entries, shown.mid(0, 2), chosen.mid(0, 2)), entries);
}
