// Colour names and the screen values of the system colours.
#include "platform/colors.h"

#include <array>

namespace {

struct NamedColor
{
    TColor value;
    const char *name;
    bool writtenByName; // the newer names are read but not written, so older readers understand ours
};

constexpr std::array<NamedColor, 46> kColors{{
    {clBlack, "clBlack", true},
    {clMaroon, "clMaroon", true},
    {clGreen, "clGreen", true},
    {clOlive, "clOlive", true},
    {clNavy, "clNavy", true},
    {clPurple, "clPurple", true},
    {clTeal, "clTeal", true},
    {clGray, "clGray", true},
    {clSilver, "clSilver", true},
    {clRed, "clRed", true},
    {clLime, "clLime", true},
    {clYellow, "clYellow", true},
    {clBlue, "clBlue", true},
    {clFuchsia, "clFuchsia", true},
    {clAqua, "clAqua", true},
    {clWhite, "clWhite", true},
    {0xC0DCC0, "clMoneyGreen", false},
    {0xF0CAA6, "clSkyBlue", false},
    {0xF0FBFF, "clCream", false},
    {0xA4A0A0, "clMedGray", false},
    {clScrollBar, "clScrollBar", true},
    {clBackground, "clBackground", true},
    {clActiveCaption, "clActiveCaption", true},
    {clInactiveCaption, "clInactiveCaption", true},
    {clMenu, "clMenu", true},
    {clWindow, "clWindow", true},
    {clWindowFrame, "clWindowFrame", true},
    {clMenuText, "clMenuText", true},
    {clWindowText, "clWindowText", true},
    {clCaptionText, "clCaptionText", true},
    {clActiveBorder, "clActiveBorder", true},
    {clInactiveBorder, "clInactiveBorder", true},
    {clAppWorkSpace, "clAppWorkSpace", true},
    {clHighlight, "clHighlight", true},
    {clHighlightText, "clHighlightText", true},
    {clBtnFace, "clBtnFace", true},
    {clBtnShadow, "clBtnShadow", true},
    {clGrayText, "clGrayText", true},
    {clBtnText, "clBtnText", true},
    {clInactiveCaptionText, "clInactiveCaptionText", true},
    {clBtnHighlight, "clBtnHighlight", true},
    {cl3DDkShadow, "cl3DDkShadow", true},
    {cl3DLight, "cl3DLight", true},
    {clInfoText, "clInfoText", true},
    {clInfoBk, "clInfoBk", true},
    {clNone, "clNone", true},
}};

// Classic Windows scheme, 0x00RRGGBB, by COLOR_ index.
constexpr std::array<unsigned, 31> kSystemRgb{
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

} // namespace

QColor ToQColor(TColor c)
{
    if (c == clNone)
        return QColor(Qt::transparent);
    if (c == clDefault)
        return QColor(Qt::black);
    if (IsSystemColor(c)) {
        const unsigned index = unsigned(c) & 0xFF;
        const unsigned rgb = index < kSystemRgb.size() ? kSystemRgb[index] : 0;
        return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    const unsigned v = unsigned(c);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

TColor FromQColor(const QColor &c)
{
    return TColor(unsigned(c.red()) | unsigned(c.green()) << 8 | unsigned(c.blue()) << 16);
}

TColor ContrastColor(TColor c)
{
    if (IsSystemColor(c))
        return c;
    if (c == 0x808080)
        return 0xFFFFFF;
    return c ^ 0xFFFFFF;
}

std::optional<QString> ColorToIdent(TColor c)
{
    for (const NamedColor &entry : kColors)
        if (entry.value == c && entry.writtenByName)
            return QString::fromLatin1(entry.name);
    if (c == clDefault)
        return QStringLiteral("clDefault");
    return std::nullopt;
}

std::optional<TColor> IdentToColor(const QString &name)
{
    for (const NamedColor &entry : kColors)
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.value;
    if (name.compare(QLatin1String("clDefault"), Qt::CaseInsensitive) == 0)
        return clDefault;
    static const std::pair<const char *, int> extra[] = {{"clHotLight", 26},
                                                         {"clGradientActiveCaption", 27},
                                                         {"clGradientInactiveCaption", 28},
                                                         {"clMenuHighlight", 29},
                                                         {"clMenuBar", 30}};
    for (const auto &[ident, index] : extra)
        if (name.compare(QLatin1String(ident), Qt::CaseInsensitive) == 0)
            return SystemColor(index);
    return std::nullopt;
}

std::optional<QColor> CustomColorOf(const QString &entry)
{
    bool ok = false;
    const uint bgr = entry.section(u'=', 1).toUInt(&ok, 16);
    if (!ok || bgr > 0xFFFFFFu)
        return std::nullopt;
    return ToQColor(TColor(bgr));
}

QStringList MergeCustomColors(const QStringList &entries, const QList<QColor> &shown,
                              const QList<QColor> &chosen)
{
    QStringList out;
    for (int i = 0; i < chosen.size(); ++i) {
        if (i < entries.size() && i < shown.size() && shown[i] == chosen[i]) {
            out << entries[i];
            continue;
        }
        const QString hex =
            QStringLiteral("%1").arg(uint(FromQColor(chosen[i])), 6, 16, QChar(u'0')).toUpper();
        out << QStringLiteral("Color%1=%2").arg(QChar(u'A' + i), hex);
    }
    for (int i = int(chosen.size()); i < entries.size(); ++i)
        out << entries[i];
    return out;
}
