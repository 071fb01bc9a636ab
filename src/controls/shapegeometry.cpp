// Shape bounds and figure coordinates.
#include "controls/shapegeometry.h"

#include <QWidget>
#include <algorithm>
#include <climits>

namespace {

// Arithmetic is done in 64 bits so that stored extremes neither overflow nor wrap.
int clampInt(long long v)
{
    return int(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

int clampSize(long long v)
{
    return int(std::clamp<long long>(v, 0, QWIDGETSIZE_MAX));
}

} // namespace

QRect ShapeBounds(int left, int top, int width, int height, int penWidth)
{
    const long long p = penWidth;
    const long long h = p / 2;
    return QRect(ClampPosition(left - h), ClampPosition(top - h), clampSize(width + p + 1),
                 clampSize(height + p + 1));
}

ShapeFigure FigureFor(TQVShapeType shape, int width, int height, int penWidth)
{
    // A box beyond the widest control is clipped anyway; bounding it keeps every coordinate an int.
    constexpr long long limit = 1LL << 28;
    const long long w = std::clamp<long long>(width, -limit, limit);
    const long long ht = std::clamp<long long>(height, -limit, limit);
    const long long s = std::min(w, ht);
    const long long h = penWidth / 2;
    const bool centred = shape == qvstSquare || shape == qvstRoundSquare || shape == qvstCircle;
    const long long x = centred ? h + (w - s) / 2 : h;
    const long long y = centred ? h + (ht - s) / 2 : h;
    const long long fw = centred ? s : w;
    const long long fh = centred ? s : ht;

    ShapeFigure f;
    switch (shape) {
    case qvstRoundRect:
    case qvstRoundSquare:
        f.kind = ShapeFigure::RoundRect;
        // The rounding comes from the shorter side, also for a rounded rectangle.
        f.corner = clampInt(s / 4);
        break;
    case qvstEllipse:
    case qvstCircle:
        f.kind = ShapeFigure::Ellipse;
        break;
    case qvstLinea:
        f.kind = ShapeFigure::Line;
        f.a = clampInt(x), f.b = clampInt(y), f.c = clampInt(x + w), f.d = clampInt(y + ht);
        return f;
    case qvstLineb:
        f.kind = ShapeFigure::Line;
        f.a = clampInt(x), f.b = clampInt(y + ht), f.c = clampInt(x + w), f.d = clampInt(y);
        return f;
    default:
        f.kind = ShapeFigure::Rectangle;
        break;
    }
    f.a = clampInt(x);
    f.b = clampInt(y);
    f.c = clampInt(x + fw + 1);
    f.d = clampInt(y + fh + 1);
    return f;
}
