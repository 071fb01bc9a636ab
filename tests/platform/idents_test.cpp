// The class library's identifier tables: the values the Windows program reads and writes, both ways.
#include "platform/idents.h"

#include <gtest/gtest.h>

namespace {

// Every written name maps to its value and the value back to that name; names are unique.
void expectConsistent(const IdentTable &table)
{
    QStringList seen;
    for (const IdentEntry &entry : table.Entries()) {
        const QString name = QString::fromLatin1(entry.name);
        EXPECT_FALSE(seen.contains(name, Qt::CaseInsensitive)) << entry.name;
        seen.append(name);
        EXPECT_EQ(table.ToValue(name), entry.value) << entry.name;
        EXPECT_EQ(table.ToValue(name.toUpper()), entry.value) << entry.name;
        if (!entry.written)
            continue;
        const std::optional<QString> written = table.ToIdent(entry.value);
        ASSERT_TRUE(written.has_value()) << entry.name;
        EXPECT_EQ(*written, name);
    }
}

} // namespace

TEST(Idents, TablesAreConsistentBothWays)
{
    for (const IdentTable *table :
         {&CharsetIdents(), &CursorIdents(), &PenStyleIdents(), &PenModeIdents(), &BrushStyleIdents(),
          &FontPitchIdents(), &AlignmentIdents(), &TextLayoutIdents(), &AlignIdents(), &BiDiModeIdents(),
          &DragModeIdents(), &DragKindIdents(), &FontStyleIdents(), &AnchorIdents()})
        expectConsistent(*table);
}

TEST(Idents, CharsetsHaveTheWindowsValues)
{
    const std::pair<const char *, int> expected[] = {
        {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
        {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
        {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
        {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
        {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
        {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
        {"OEM_CHARSET", 255}};
    for (const auto &[name, value] : expected)
        EXPECT_EQ(CharsetIdents().ToValue(QLatin1String(name)), value) << name;
    EXPECT_EQ(CharsetIdents().ToIdent(128), QStringLiteral("SHIFTJIS_CHARSET"));
    // Newer than the Windows program's class library: understood, written as a number.
    EXPECT_FALSE(CharsetIdents().ToIdent(163).has_value());
    EXPECT_FALSE(CharsetIdents().ToIdent(3).has_value());
    EXPECT_FALSE(CharsetIdents().ToValue(QStringLiteral("KLINGON_CHARSET")).has_value());
}

TEST(Idents, CursorsHaveTheWindowsValues)
{
    const std::pair<const char *, int> expected[] = {
        {"crDefault", 0},   {"crNone", -1},       {"crArrow", -2},    {"crCross", -3},    {"crIBeam", -4},
        {"crSize", -22},    {"crSizeNESW", -6},   {"crSizeNS", -7},   {"crSizeNWSE", -8}, {"crSizeWE", -9},
        {"crUpArrow", -10}, {"crHourGlass", -11}, {"crDrag", -12},    {"crNoDrop", -13},  {"crHSplit", -14},
        {"crVSplit", -15},  {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18},      {"crAppStart", -19},
        {"crHelp", -20},    {"crHandPoint", -21}, {"crSizeAll", -22}};
    for (const auto &[name, value] : expected)
        EXPECT_EQ(CursorIdents().ToValue(QLatin1String(name)), value) << name;
    EXPECT_EQ(CursorIdents().ToIdent(-22), QStringLiteral("crSizeAll"));
    EXPECT_EQ(CursorIdents().ToIdent(-1), QStringLiteral("crNone"));
    EXPECT_FALSE(CursorIdents().ToIdent(-5).has_value());
    EXPECT_FALSE(CursorIdents().ToIdent(1).has_value());
}

TEST(Idents, EnumerationsAreTheirOrdinals)
{
    EXPECT_EQ(PenStyleIdents().ToIdent(psInsideFrame), QStringLiteral("psInsideFrame"));
    EXPECT_EQ(PenStyleIdents().ToValue(QStringLiteral("psClear")), 5);
    EXPECT_EQ(PenModeIdents().ToValue(QStringLiteral("pmNotXor")), 15);
    EXPECT_EQ(PenModeIdents().ToIdent(pmCopy), QStringLiteral("pmCopy"));
    EXPECT_EQ(BrushStyleIdents().ToValue(QStringLiteral("bsDiagCross")), 7);
    EXPECT_EQ(BrushStyleIdents().ToIdent(bsClear), QStringLiteral("bsClear"));
    EXPECT_EQ(FontPitchIdents().ToValue(QStringLiteral("fpFixed")), int(fpFixed));
    EXPECT_EQ(AlignmentIdents().ToValue(QStringLiteral("taCenter")), 2);
    EXPECT_EQ(TextLayoutIdents().ToValue(QStringLiteral("tlBottom")), 2);
    EXPECT_EQ(AlignIdents().ToValue(QStringLiteral("alClient")), 5);
    EXPECT_EQ(BiDiModeIdents().ToValue(QStringLiteral("bdRightToLeftReadingOnly")), 3);
    EXPECT_EQ(DragModeIdents().ToValue(QStringLiteral("dmAutomatic")), 1);
    EXPECT_EQ(DragKindIdents().ToValue(QStringLiteral("dkDock")), 1);
    EXPECT_FALSE(PenStyleIdents().ToIdent(7).has_value());
    EXPECT_FALSE(AlignIdents().ToValue(QStringLiteral("alCustom")).has_value());
}

TEST(Idents, SetsListTheirMembersInDeclarationOrder)
{
    EXPECT_EQ(SetToIdents(fsBold | fsItalic | fsUnderline | fsStrikeOut, FontStyleIdents()),
              QStringList({QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
                           QStringLiteral("fsUnderline"), QStringLiteral("fsStrikeOut")}));
    EXPECT_EQ(SetToIdents(fsStrikeOut | fsBold, FontStyleIdents()),
              QStringList({QStringLiteral("fsBold"), QStringLiteral("fsStrikeOut")}));
    EXPECT_TRUE(SetToIdents(0, FontStyleIdents()).isEmpty());
    EXPECT_EQ(IdentsToSet({QStringLiteral("fsItalic"), QStringLiteral("FSBOLD")}, FontStyleIdents()),
              fsBold | fsItalic);
    EXPECT_EQ(IdentsToSet({}, AnchorIdents()), 0);
    EXPECT_EQ(IdentsToSet({QStringLiteral("akLeft"), QStringLiteral("akBottom")}, AnchorIdents()),
              1 << akLeft | 1 << akBottom);
    EXPECT_FALSE(
        IdentsToSet({QStringLiteral("akLeft"), QStringLiteral("akMiddle")}, AnchorIdents()).has_value());
}
