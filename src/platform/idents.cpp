// The class library's identifier tables and the lookups on them.
#include "platform/idents.h"

#include <array>

std::optional<int> IdentTable::ToValue(const QString &ident) const
{
    for (const IdentEntry &entry : entries_)
        if (ident.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.value;
    return std::nullopt;
}

std::optional<QString> IdentTable::ToIdent(int value) const
{
    for (const IdentEntry &entry : entries_)
        if (entry.value == value && entry.written)
            return QString::fromLatin1(entry.name);
    return std::nullopt;
}

QStringList SetToIdents(int bits, const IdentTable &members)
{
    QStringList names;
    for (const IdentEntry &entry : members.Entries())
        if (entry.written && (bits & (1 << entry.value)) != 0)
            names.append(QString::fromLatin1(entry.name));
    return names;
}

std::optional<int> IdentsToSet(const QStringList &names, const IdentTable &members)
{
    int bits = 0;
    for (const QString &name : names) {
        const std::optional<int> ordinal = members.ToValue(name);
        if (!ordinal)
            return std::nullopt;
        bits |= 1 << *ordinal;
    }
    return bits;
}

namespace {

// VIETNAMESE_CHARSET came later than the Windows program's class library: read it, write the number.
constexpr std::array<IdentEntry, 19> kCharsets{{
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET", false},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
}};

// crSize and crSizeAll share one value; the class library writes it as crSizeAll.
constexpr std::array<IdentEntry, 23> kCursors{{
    {crDefault, "crDefault"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},
    {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
    {crNone, "crNone"},
    {crSize, "crSize", false},
}};

constexpr std::array<IdentEntry, 7> kPenStyles{{
    {psSolid, "psSolid"},
    {psDash, "psDash"},
    {psDot, "psDot"},
    {psDashDot, "psDashDot"},
    {psDashDotDot, "psDashDotDot"},
    {psClear, "psClear"},
    {psInsideFrame, "psInsideFrame"},
}};

constexpr std::array<IdentEntry, 16> kPenModes{{
    {pmBlack, "pmBlack"},
    {pmWhite, "pmWhite"},
    {pmNop, "pmNop"},
    {pmNot, "pmNot"},
    {pmCopy, "pmCopy"},
    {pmNotCopy, "pmNotCopy"},
    {pmMergePenNot, "pmMergePenNot"},
    {pmMaskPenNot, "pmMaskPenNot"},
    {pmMergeNotPen, "pmMergeNotPen"},
    {pmMaskNotPen, "pmMaskNotPen"},
    {pmMerge, "pmMerge"},
    {pmNotMerge, "pmNotMerge"},
    {pmMask, "pmMask"},
    {pmNotMask, "pmNotMask"},
    {pmXor, "pmXor"},
    {pmNotXor, "pmNotXor"},
}};

constexpr std::array<IdentEntry, 8> kBrushStyles{{
    {bsSolid, "bsSolid"},
    {bsClear, "bsClear"},
    {bsHorizontal, "bsHorizontal"},
    {bsVertical, "bsVertical"},
    {bsFDiagonal, "bsFDiagonal"},
    {bsBDiagonal, "bsBDiagonal"},
    {bsCross, "bsCross"},
    {bsDiagCross, "bsDiagCross"},
}};

// Font styles are a set; graphics.h keeps them as the bits 1 << ordinal.
static_assert(fsBold == 1 << 0 && fsItalic == 1 << 1 && fsUnderline == 1 << 2 && fsStrikeOut == 1 << 3);
constexpr std::array<IdentEntry, 4> kFontStyles{{
    {0, "fsBold"},
    {1, "fsItalic"},
    {2, "fsUnderline"},
    {3, "fsStrikeOut"},
}};

constexpr std::array<IdentEntry, 3> kFontPitches{{
    {fpDefault, "fpDefault"},
    {fpVariable, "fpVariable"},
    {fpFixed, "fpFixed"},
}};

constexpr std::array<IdentEntry, 3> kAlignments{{
    {taLeftJustify, "taLeftJustify"},
    {taRightJustify, "taRightJustify"},
    {taCenter, "taCenter"},
}};

constexpr std::array<IdentEntry, 3> kTextLayouts{{
    {tlTop, "tlTop"},
    {tlCenter, "tlCenter"},
    {tlBottom, "tlBottom"},
}};

constexpr std::array<IdentEntry, 6> kAligns{{
    {alNone, "alNone"},
    {alTop, "alTop"},
    {alBottom, "alBottom"},
    {alLeft, "alLeft"},
    {alRight, "alRight"},
    {alClient, "alClient"},
}};

constexpr std::array<IdentEntry, 4> kAnchors{{
    {akLeft, "akLeft"},
    {akTop, "akTop"},
    {akRight, "akRight"},
    {akBottom, "akBottom"},
}};

constexpr std::array<IdentEntry, 4> kBiDiModes{{
    {bdLeftToRight, "bdLeftToRight"},
    {bdRightToLeft, "bdRightToLeft"},
    {bdRightToLeftNoAlign, "bdRightToLeftNoAlign"},
    {bdRightToLeftReadingOnly, "bdRightToLeftReadingOnly"},
}};

constexpr std::array<IdentEntry, 2> kDragModes{{
    {dmManual, "dmManual"},
    {dmAutomatic, "dmAutomatic"},
}};

constexpr std::array<IdentEntry, 2> kDragKinds{{
    {dkDrag, "dkDrag"},
    {dkDock, "dkDock"},
}};

} // namespace

#define VELMORA_IDENT_TABLE(function, entries)                                                               \
    const IdentTable &function()                                                                             \
    {                                                                                                        \
        static const IdentTable table{entries};                                                              \
        return table;                                                                                        \
    }

VELMORA_IDENT_TABLE(CharsetIdents, kCharsets)
VELMORA_IDENT_TABLE(CursorIdents, kCursors)
VELMORA_IDENT_TABLE(PenStyleIdents, kPenStyles)
VELMORA_IDENT_TABLE(PenModeIdents, kPenModes)
VELMORA_IDENT_TABLE(BrushStyleIdents, kBrushStyles)
VELMORA_IDENT_TABLE(FontPitchIdents, kFontPitches)
VELMORA_IDENT_TABLE(AlignmentIdents, kAlignments)
VELMORA_IDENT_TABLE(TextLayoutIdents, kTextLayouts)
VELMORA_IDENT_TABLE(AlignIdents, kAligns)
VELMORA_IDENT_TABLE(BiDiModeIdents, kBiDiModes)
VELMORA_IDENT_TABLE(DragModeIdents, kDragModes)
VELMORA_IDENT_TABLE(DragKindIdents, kDragKinds)
VELMORA_IDENT_TABLE(FontStyleIdents, kFontStyles)
VELMORA_IDENT_TABLE(AnchorIdents, kAnchors)

#undef VELMORA_IDENT_TABLE
