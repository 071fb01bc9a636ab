// Pen modes (how a drawn pixel combines with the pixel below) on a QPainter.
#pragma once

#include "platform/graphics.h"

#include <QPainter>

// Sets the painter's composition for the pen mode; returns false for pmNop, which draws nothing.
// The raster operations work on raster surfaces (screen, images); other devices draw plainly.
bool SelectPenMode(QPainter &painter, TPenMode mode);
