// Reading and writing the colour dialog's custom colour entries.
#include "platform/custom_colors.h"

CustomColorSet CustomColorsFromEntries(const QStringList &entries)
{
    CustomColorSet colors;
    colors.fill(QColor(Qt::white));
    for (const QString &entry : entries) {
        const QString key = entry.section(u'=', 0, 0).trimmed();
        if (key.size() != 6 || !key.startsWith(QLatin1String("Color"), Qt::CaseInsensitive))
            continue;
        const int index = key.at(5).toUpper().unicode() - u'A';
        if (index < 0 || index >= kCustomColorCount)
            continue;
        bool ok = false;
        const uint bgr = entry.section(u'=', 1).trimmed().toUInt(&ok, 16);
        if (!ok || bgr > 0xFFFFFF)
            continue;
        colors[index] = QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    return colors;
}

QStringList EntriesFromCustomColors(const CustomColorSet &colors)
{
    QStringList entries;
    for (int i = 0; i < kCustomColorCount; ++i) {
        const QColor &c = colors[i];
        const uint bgr = uint(c.red()) | uint(c.green()) << 8 | uint(c.blue()) << 16;
        entries << QStringLiteral("Color%1=%2")
                       .arg(QChar(u'A' + i))
                       .arg(QString::number(bgr, 16).toUpper().rightJustified(6, u'0'));
    }
    return entries;
}
