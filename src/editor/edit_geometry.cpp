// Geometry of mouse editing: snapping, rubber band, handles and resizing.
#include "editor/edit_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

int clampToInt(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

// Adds 0.5 and cuts toward zero, held inside the int range.
int roundHalfUp(double v)
{
    const double r = std::trunc(v + 0.5);
    if (!(r > double(INT_MIN)))
        return r != r ? 0 : INT_MIN;
    if (r >= double(INT_MAX))
        return INT_MAX;
    return int(r);
}

struct Span
{
    int start;
    int length;
};

// One axis of a handle drag between the edges lo and hi: the far edge (right, bottom) or the near edge
// (left, top) follows the pointer by d and snaps; past the other edge the span flips around it.
template <typename Snap> Span dragSpan(bool far, bool near, int lo, int hi, int length, int d, Snap snap)
{
    if (far) {
        const int n = clampToInt(std::int64_t(hi) + d);
        if (n < lo) {
            const int start = snap(n);
            return {start, lo - start};
        }
        return {lo, snap(n) - lo};
    }
    if (near) {
        const int n = clampToInt(std::int64_t(lo) + d);
        if (n > hi)
            return {hi, snap(n) - hi};
        const int start = snap(n);
        return {start, hi - start};
    }
    return {lo, length};
}

} // namespace

int SnapToPitch(int v, int pitch)
{
    const std::int64_t g = std::max(pitch, 1);
    const std::int64_t q = v / g; // toward zero
    const std::int64_t r = v - q * g;
    return clampToInt(r > g / 2 ? g * (q + 1) : g * q);
}

EditRect RubberBandRect(QPoint press, QPoint current, int tool)
{
    const int x0 = press.x(), y0 = press.y(), x = current.x(), y = current.y();
    int width = clampToInt(std::llabs(std::int64_t(x0) - x));
    int height = clampToInt(std::llabs(std::int64_t(y0) - y));
    if (tool == ToolSquare || tool == ToolCircle)
        width = height = std::min(width, height);
    const int left = x < x0 ? x0 - width : x0;
    const int top = y < y0 ? y0 - height : y0;
    return {left, top, width, height};
}

TQVShapeType LineDiagonal(QPoint press, QPoint current)
{
    const std::int64_t product =
        (std::int64_t(press.y()) - current.y()) * (std::int64_t(press.x()) - current.x());
    return product < 0 ? qvstLineb : qvstLinea;
}

bool HandleDragsLeft(int h)
{
    return h == hTopLeft || h == hMiddleLeft || h == hBottomLeft;
}

bool HandleDragsRight(int h)
{
    return h == hTopRight || h == hMiddleRight || h == hBottomRight;
}

bool HandleDragsTop(int h)
{
    return h == hTopLeft || h == hTopMiddle || h == hTopRight;
}

bool HandleDragsBottom(int h)
{
    return h == hBottomLeft || h == hBottomMiddle || h == hBottomRight;
}

bool IsCornerHandle(int h)
{
    return h == hTopLeft || h == hTopRight || h == hBottomLeft || h == hBottomRight;
}

std::array<QPoint, HandleCount> HandlePositions(const EditRect &r)
{
    const int l = r.left, t = r.top, w = r.width, h = r.height;
    return {QPoint(l - 5, t - 5),
            QPoint(l + w / 2 - 3, t - 5),
            QPoint(l + w - 1, t - 5),
            QPoint(l - 5, t + h / 2 - 3),
            QPoint(l + w - 1, t + h / 2 - 3),
            QPoint(l - 5, t + h - 1),
            QPoint(l + w / 2 - 3, t + h - 1),
            QPoint(l + w - 1, t + h - 1)};
}

LineEnds LineEndHandles(TQVShapeType shape, const EditRect &r)
{
    const int l = r.left, t = r.top, w = r.width, h = r.height;
    if (shape == qvstLineb)
        return {hTopRight, QPoint(l + w - 3, t - 3), hBottomLeft, QPoint(l - 3, t + h - 3)};
    return {hTopLeft, QPoint(l - 3, t - 3), hBottomRight, QPoint(l + w - 3, t + h - 3)};
}

TCursor HandleCursor(int handle, bool line)
{
    if (line && IsCornerHandle(handle))
        return crSizeWE;
    switch (handle) {
    case hTopLeft:
    case hBottomRight:
        return crSizeNWSE;
    case hTopRight:
    case hBottomLeft:
        return crSizeNESW;
    case hTopMiddle:
    case hBottomMiddle:
        return crSizeNS;
    default:
        return crSizeWE;
    }
}

EditRect LabelFrameRect(const EditRect &label)
{
    return {label.left - 5, label.top - 5, label.width + 10, label.height + 10};
}

ResizeResult ResizeWithHandle(const TResizeOrigin &o, int handle, int dx, int dy, ResizeRule rule,
                              float aspect, int snapPitch)
{
    const auto snap = [snapPitch](int v) { return snapPitch > 0 ? SnapToPitch(v, snapPitch) : v; };
    const int L0 = o.left, T0 = o.top, R0 = o.right, B0 = o.bottom;
    const Span across =
        dragSpan(HandleDragsRight(handle), HandleDragsLeft(handle), L0, R0, o.width, dx, snap);
    const Span down = dragSpan(HandleDragsBottom(handle), HandleDragsTop(handle), T0, B0, o.height, dy, snap);
    int left = across.start, width = across.length, top = down.start, height = down.length;

    const bool vertical = handle == hTopMiddle || handle == hBottomMiddle;
    const bool horizontal = handle == hMiddleLeft || handle == hMiddleRight;
    const bool ratio = rule == ResizeRule::Picture && std::isfinite(aspect) && aspect > 0.0f;
    if (rule == ResizeRule::Square) {
        if (IsCornerHandle(handle))
            width = height = std::min(width, height);
        else if (vertical)
            width = height;
        else if (horizontal)
            height = width;
    } else if (ratio) {
        const double a = aspect;
        if (IsCornerHandle(handle)) {
            if (double(width) > double(height) * a)
                width = roundHalfUp(double(height) * a);
            else
                height = roundHalfUp(double(width) / a);
        } else if (vertical) {
            width = roundHalfUp(double(height) * a);
        } else if (horizontal) {
            height = roundHalfUp(double(width) / a);
        }
    }
    if (rule == ResizeRule::Square || ratio) {
        // Keep the edges opposite the handle (or the middle line) where they were.
        const std::int64_t pressedRight = std::int64_t(R0) + dx, pressedLeft = std::int64_t(L0) + dx;
        const std::int64_t pressedBottom = std::int64_t(B0) + dy, pressedTop = std::int64_t(T0) + dy;
        if (handle == hTopRight || handle == hBottomRight)
            left = pressedRight < L0 ? L0 - width : L0;
        else if (vertical)
            left = clampToInt((std::int64_t(L0) + R0) / 2 - width / 2);
        else if (handle == hTopLeft || handle == hBottomLeft)
            left = R0 < pressedLeft ? R0 : R0 - width;
        if (handle == hBottomLeft || handle == hBottomRight)
            top = pressedBottom < T0 ? T0 - height : T0;
        else if (horizontal)
            top = clampToInt((std::int64_t(T0) + B0) / 2 - height / 2);
        else if (handle == hTopLeft || handle == hTopRight)
            top = B0 < pressedTop ? B0 : B0 - height;
    }

    ResizeResult result{{left, top, width, height}};
    if (rule == ResizeRule::Line && IsCornerHandle(handle)) {
        const std::int64_t a = HandleDragsRight(handle) ? std::int64_t(L0) - (std::int64_t(R0) + dx)
                                                        : std::int64_t(R0) - (std::int64_t(L0) + dx);
        const std::int64_t b = HandleDragsBottom(handle) ? std::int64_t(T0) - (std::int64_t(B0) + dy)
                                                         : std::int64_t(B0) - (std::int64_t(T0) + dy);
        result.changesLine = true;
        // Products beyond 64 bits cannot arise from two 33-bit factors.
        result.line = a * b >= 1 ? qvstLinea : qvstLineb;
    }
    return result;
}
