// Colours as the class library keeps them: 0x00BBGGRR values, system colours, and their names.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: 0x80000000 plus the Windows COLOR_ index.
constexpr TColor SystemColor(int index)
{
    return TColor(0x80000000u | unsigned(index));
}
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

inline bool IsSystemColor(TColor c)
{
    return std::uint32_t(c) > 0xFFFFFFu;
}

// The colour a value shows as on screen (system colours resolved to the classic Windows scheme).
QColor ToQColor(TColor c);
// The 0x00BBGGRR value of an RGB colour.
TColor FromQColor(const QColor &c);

// Text colour that stands out on a panel of colour c: c itself for a system colour, white on 0x808080,
// otherwise the inverse.
TColor ContrastColor(TColor c);

// The colour's name in the class library's colour table (clBlack, clBtnFace, ...), if it has one that
// the Windows program writes.
std::optional<QString> ColorToIdent(TColor c);
// The value of a colour name; knows every name the class library reads.
std::optional<TColor> IdentToColor(const QString &name);

// The colour dialog's custom colours: "ColorA=0000FF" entries (0x00BBGGRR in hex, A to P). The colour
// of an entry, if it holds one a swatch can show (not an unused slot such as "FFFFFFFF").
std::optional<QColor> CustomColorOf(const QString &entry);
// The entries after the dialog: an entry whose swatch the user did not change is kept exactly as it
// came (name, letter case and value), a changed one is written as the class library writes it, and
// entries past the dialog's slots stay as they were. `shown` and `chosen` hold one colour per slot.
QStringList MergeCustomColors(const QStringList &entries, const QList<QColor> &shown,
                              const QList<QColor> &chosen);
