// The colour dialog's sixteen custom colours and the "ColorA=BBGGRR" entries documents keep them as.
#pragma once

#include <QColor>
#include <QStringList>
#include <array>

constexpr int kCustomColorCount = 16;
using CustomColorSet = std::array<QColor, kCustomColorCount>;

// Each entry "ColorX=hex" (X from A to P, the hex value 0xBBGGRR) sets custom colour X; colours no
// entry names, and entries that cannot be read, stay white as in a fresh dialog.
CustomColorSet CustomColorsFromEntries(const QStringList &entries);
// All sixteen as "ColorA=FFFFFF" .. "ColorP=..." with six upper-case hex digits.
QStringList EntriesFromCustomColors(const CustomColorSet &colors);
