// The template pictures, drawn in code: backgrounds at twice the worksheet's resolution and a logo.
#pragma once

#include <QImage>
#include <QSize>

// A pale blue-grey wash with two soft curves sweeping in from the lower right.
QImage SkyWaveBackground(QSize size);
// Warm off-white paper with faint fibres, as Japanese washi has.
QImage WashiBackground(QSize size);
// Deep green fading to a darker green, a fine gold line across the bottom.
QImage ForestBackground(QSize size);
// A round mark: a blue disc with a white stylised leaf and an orange dot.
QImage LeafLogo(int side);
