// TGridShape: pitch and painting of the grid lines.
#include "controls/gridshape.h"

#include "controls/penmode.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

TGridShape::TGridShape(QWidget *parent) : TGraphicControl(parent), TPenBrushOwner([this] { StyleChanged(); })
{
    resize(65, 65);
}

void TGridShape::SetGridWidth(int value)
{
    if (gridWidth_ == value)
        return;
    gridWidth_ = value;
    update();
}

namespace {

// The first multiple of `pitch` at or after `from` (from >= 0).
long long firstLineAt(int from, int pitch)
{
    return (static_cast<long long>(from) + pitch - 1) / pitch * pitch;
}

} // namespace

void TGridShape::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!SelectPenMode(painter, pen_.Mode()))
        return;
    painter.setPen(pen_.ToQPen());
    painter.setBrush(brush_.ToQBrush());
    const int w = width(), h = height(), g = EffectiveGridWidth();
    // Only the lines in the damaged area (widened by the pen) are drawn, so a fine pitch on a large
    // control stays cheap.
    const int margin = std::clamp(pen_.Width(), 1, QWIDGETSIZE_MAX);
    const QRect area = event->rect().adjusted(-margin, -margin, margin, margin).intersected(rect());
    if (area.isEmpty())
        return;
    // Lines stop short of their end point, so a line to H covers rows 0..H-1.
    for (long long x = firstLineAt(area.left(), g); x <= area.right() && x < w; x += g)
        painter.drawLine(int(x), 0, int(x), h);
    for (long long y = firstLineAt(area.top(), g); y <= area.bottom() && y < h; y += g)
        painter.drawLine(0, int(y), w, int(y));
}
