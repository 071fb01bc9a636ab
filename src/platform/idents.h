// The identifiers the Windows class library writes for its enumerations and named constants, both ways.
#pragma once

#include "platform/graphics.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// One name of a table. Names marked not written are understood when read, but the value is written
// under its other name or as a number, so that older Windows readers understand what we write.
struct IdentEntry
{
    int value;
    const char *name;
    bool written = true;
};

class IdentTable
{
public:
    constexpr explicit IdentTable(std::span<const IdentEntry> entries) : entries_(entries) {}
    // Identifiers are compared without regard to letter case, as the class library reads them.
    std::optional<int> ToValue(const QString &ident) const;
    // The name written for `value`, if it has one.
    std::optional<QString> ToIdent(int value) const;
    std::span<const IdentEntry> Entries() const { return entries_; }

private:
    std::span<const IdentEntry> entries_;
};

// Sets are written as the names of their members; a member's bit is 1 << its ordinal in the table.
QStringList SetToIdents(int bits, const IdentTable &members);
// The bits of the named members; nullopt when a name is not a member.
std::optional<int> IdentsToSet(const QStringList &names, const IdentTable &members);

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = int; // a set of 1 << TAnchorKind bits
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };

// Cursors are integers; the standard ones have names.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -22;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Font character sets (DEFAULT_CHARSET and SHIFTJIS_CHARSET are in graphics.h).
constexpr int ANSI_CHARSET = 0;
constexpr int SYMBOL_CHARSET = 2;
constexpr int MAC_CHARSET = 77;
constexpr int HANGEUL_CHARSET = 129;
constexpr int JOHAB_CHARSET = 130;
constexpr int GB2312_CHARSET = 134;
constexpr int CHINESEBIG5_CHARSET = 136;
constexpr int GREEK_CHARSET = 161;
constexpr int TURKISH_CHARSET = 162;
constexpr int VIETNAMESE_CHARSET = 163;
constexpr int HEBREW_CHARSET = 177;
constexpr int ARABIC_CHARSET = 178;
constexpr int BALTIC_CHARSET = 186;
constexpr int RUSSIAN_CHARSET = 204;
constexpr int THAI_CHARSET = 222;
constexpr int EASTEUROPE_CHARSET = 238;
constexpr int OEM_CHARSET = 255;

// Named integers: written by name when they have one, otherwise as numbers.
const IdentTable &CharsetIdents();
const IdentTable &CursorIdents();
// Enumerations: always written by name; values are the ordinals.
const IdentTable &PenStyleIdents();
const IdentTable &PenModeIdents();
const IdentTable &BrushStyleIdents();
const IdentTable &FontPitchIdents();
const IdentTable &AlignmentIdents();
const IdentTable &TextLayoutIdents();
const IdentTable &AlignIdents();
const IdentTable &BiDiModeIdents();
const IdentTable &DragModeIdents();
const IdentTable &DragKindIdents();
// Set members, by ordinal: font styles (bits as in TFontStyle) and anchors.
const IdentTable &FontStyleIdents();
const IdentTable &AnchorIdents();
