// The font names the font combo offers, read from fontconfig.
#include "platform/font_families.h"

#include "platform/graphics.h"

#include <QCollator>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <fontconfig/fontconfig.h>

QString ListedFamilyName(const InstalledFont &font)
{
    for (int i = 0; i < font.families.size() && i < font.languages.size(); ++i)
        if (font.languages[i] == QLatin1String("ja") || font.languages[i].startsWith(QLatin1String("ja-")))
            return font.families[i];
    return font.families.value(0);
}

namespace {

bool hasJapaneseName(const InstalledFont &font)
{
    return ListedFamilyName(font) != font.families.value(0);
}

void sortNames(QStringList &names)
{
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

} // namespace

QStringList FontNameList(const std::vector<InstalledFont> &fonts, const QStringList &windowsNames)
{
    QSet<QString> seen;
    QStringList result;
    for (const QString &name : windowsNames)
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            result << name;
        }
    QStringList japanese, others;
    for (const InstalledFont &font : fonts) {
        const QString name = ListedFamilyName(font);
        if (name.isEmpty() || name.startsWith(u'.') || seen.contains(name))
            continue;
        seen.insert(name);
        (font.coversJapanese || hasJapaneseName(font) ? japanese : others) << name;
    }
    sortNames(japanese);
    sortNames(others);
    return result + japanese + others;
}

std::vector<InstalledFont> InstalledFonts()
{
    std::vector<InstalledFont> fonts;
    if (!FcInit())
        return fonts;
    FcPattern *pattern = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_LANG, nullptr);
    FcFontSet *set = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (!set)
        return fonts;
    for (int i = 0; i < set->nfont; ++i) {
        InstalledFont font;
        FcChar8 *text = nullptr;
        for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &text) == FcResultMatch; ++k)
            font.families << QString::fromUtf8(reinterpret_cast<const char *>(text));
        for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILYLANG, k, &text) == FcResultMatch; ++k)
            font.languages << QString::fromUtf8(reinterpret_cast<const char *>(text));
        FcLangSet *languages = nullptr;
        if (FcPatternGetLangSet(set->fonts[i], FC_LANG, 0, &languages) == FcResultMatch)
            font.coversJapanese =
                FcLangSetHasLang(languages, reinterpret_cast<const FcChar8 *>("ja")) != FcLangDifferentLang;
        if (!font.families.isEmpty())
            fonts.push_back(font);
    }
    FcFontSetDestroy(set);
    return fonts;
}

QStringList ScreenFontNames()
{
    return FontNameList(InstalledFonts(), WindowsJapaneseFontNames());
}
