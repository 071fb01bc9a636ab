// Geometry of mouse editing: grid snapping, the rubber band of a new shape, selection handles and
// resizing with a handle, as plain functions.
#pragma once

#include "controls/shapegeometry.h"
#include "platform/idents.h"

#include <QPoint>
#include <array>

// A box as the editor keeps it: left, top, width, height.
struct EditRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const EditRect &) const = default;
};

// The box of an object when a handle was pressed, with its right and bottom edges.
struct TResizeOrigin
{
    int left = 0, top = 0, right = 0, bottom = 0, width = 0, height = 0;
    static TResizeOrigin Of(const EditRect &r)
    {
        return {r.left, r.top, r.left + r.width, r.top + r.height, r.width, r.height};
    }
};

// Rounds v to the nearest multiple of the pitch; a remainder of exactly half a pitch rounds down,
// and negative values go toward zero (14 -> 10, 15 -> 10, 16 -> 20, -7 -> 0, -13 -> -10 for 10).
// A pitch below 1 counts as 1.
int SnapToPitch(int v, int pitch);

// The tools whose number is the shape a new shape starts with.
constexpr int ToolSquare = 1;
constexpr int ToolCircle = 5;
constexpr int ToolLine = 6;

// The box of a shape being drawn from `press` to `current` with tool `tool`: the square and circle
// tools keep the smaller side, anchored at the press point.
EditRect RubberBandRect(QPoint press, QPoint current, int tool);
// The diagonal a line drawn from `press` to `current` takes: qvstLineb when it rises to the right or
// falls to the left, else qvstLinea (also for a drag along one axis).
TQVShapeType LineDiagonal(QPoint press, QPoint current);

// The eight handles, in this order.
enum HandleIndex {
    hTopLeft,
    hTopMiddle,
    hTopRight,
    hMiddleLeft,
    hMiddleRight,
    hBottomLeft,
    hBottomMiddle,
    hBottomRight
};
constexpr int HandleCount = 8;
// A handle's square: width and height of its figure.
constexpr int HandleSize = 6;

bool HandleDragsLeft(int handle);
bool HandleDragsRight(int handle);
bool HandleDragsTop(int handle);
bool HandleDragsBottom(int handle);
bool IsCornerHandle(int handle);

// Top-left corners of the eight handles around a box.
std::array<QPoint, HandleCount> HandlePositions(const EditRect &r);

// The two handles a line shows, centred on its ends.
struct LineEnds
{
    int first = hTopLeft;
    QPoint firstPos;
    int second = hBottomRight;
    QPoint secondPos;
};
LineEnds LineEndHandles(TQVShapeType shape, const EditRect &r);

// The resize cursor of a handle; every corner of a line shows the horizontal one.
TCursor HandleCursor(int handle, bool line);

// The frame around a selected label.
EditRect LabelFrameRect(const EditRect &label);

// What a resize keeps besides the dragged edges.
enum class ResizeRule {
    Free,    // edges move freely
    Square,  // squares and circles: equal sides, re-anchored at the fixed edges or the middle
    Line,    // lines: the diagonal follows the handle
    Picture, // pictures keeping their width to height ratio
};

struct ResizeResult
{
    EditRect rect;
    // For ResizeRule::Line at a corner handle: the diagonal to show.
    bool changesLine = false;
    TQVShapeType line = qvstLinea;
};

// The box after dragging `handle` by (dx, dy) from `origin`. `snapPitch` is the grid pitch edges snap
// to, or 0 when snapping does not apply to this event. `aspect` is width / height of a picture; a
// picture without a usable ratio (zero or non-finite) resizes freely.
ResizeResult ResizeWithHandle(const TResizeOrigin &origin, int handle, int dx, int dy, ResizeRule rule,
                              float aspect, int snapPitch);
