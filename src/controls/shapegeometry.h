// Shape kinds and the geometry of a shape control: its bounds around the figure and the figure's
// corners, in pixels with exclusive right and bottom edges.
#pragma once

#include <QRect>
#include <cstdint>

enum TQVShapeType : std::uint8_t {
    qvstRectangle,
    qvstSquare,
    qvstRoundRect,
    qvstRoundSquare,
    qvstEllipse,
    qvstCircle,
    qvstLinea,
    qvstLineb
};
constexpr int QVShapeTypeCount = 8;

// A control position kept far enough inside the int range that its right and bottom edges are too.
inline int ClampPosition(long long v)
{
    constexpr long long limit = 1LL << 30;
    return int(v < -limit ? -limit : v > limit ? limit : v);
}

// The control's bounds for a figure box (left, top, width, height) and a pen width: widened by the pen
// so a thick outline is never clipped. Sizes are clamped to what a widget can have.
QRect ShapeBounds(int left, int top, int width, int height, int penWidth);

// What the shape draws, in the control's own coordinates.
struct ShapeFigure
{
    enum Kind { Rectangle, RoundRect, Ellipse, Line };
    Kind kind = Rectangle;
    // Rectangle, RoundRect, Ellipse: corners (a, b) and (c, d), c and d exclusive. Line: from (a, b) to
    // (c, d), the end point itself not drawn.
    int a = 0, b = 0, c = 0, d = 0;
    // RoundRect: width and height of the corner ellipse.
    int corner = 0;
};

ShapeFigure FigureFor(TQVShapeType shape, int width, int height, int penWidth);
