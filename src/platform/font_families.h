// The font names the font combo offers: each installed family once, by its Japanese name where it has
// one, Japanese families first, with the Windows names that documents carry.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One installed font as fontconfig describes it: its family names with the language of each, and
// whether it covers Japanese.
struct InstalledFont
{
    QStringList families;
    QStringList languages; // parallel to `families`; may be shorter
    bool coversJapanese = false;
};

// The name a font is listed by: its Japanese family name if it has one, otherwise its first name.
QString ListedFamilyName(const InstalledFont &font);

// The list in the order shown: `windowsNames` as given, then the Japanese families, then the others,
// each group sorted; no name twice, no hidden family (a name starting with '.').
QStringList FontNameList(const std::vector<InstalledFont> &fonts, const QStringList &windowsNames);

// The fonts fontconfig knows.
std::vector<InstalledFont> InstalledFonts();

// FontNameList of the installed fonts and the Windows Japanese names.
QStringList ScreenFontNames();
