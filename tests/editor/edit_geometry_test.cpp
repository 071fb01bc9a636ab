// Geometry of mouse editing without widgets: snapping, rubber band, handles and resizing.
#include "editor/edit_geometry.h"
#include "editor/label_text.h"
#include "print_helpers.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(Snap, RoundsToTheNearestMultipleWithHalfGoingDown)
{
    EXPECT_EQ(SnapToPitch(14, 10), 10);
    EXPECT_EQ(SnapToPitch(15, 10), 10);
    EXPECT_EQ(SnapToPitch(16, 10), 20);
    EXPECT_EQ(SnapToPitch(0, 10), 0);
    EXPECT_EQ(SnapToPitch(27, 10), 30);
    EXPECT_EQ(SnapToPitch(44, 10), 40);
    // Odd pitch: half of 15 is 7.
    EXPECT_EQ(SnapToPitch(22, 15), 15);
    EXPECT_EQ(SnapToPitch(23, 15), 30);
}

TEST(Snap, NegativeValuesGoTowardZero)
{
    EXPECT_EQ(SnapToPitch(-7, 10), 0);
    EXPECT_EQ(SnapToPitch(-13, 10), -10);
    EXPECT_EQ(SnapToPitch(-16, 10), -10);
    EXPECT_EQ(SnapToPitch(-20, 10), -20);
}

TEST(Snap, DegeneratePitchAndExtremesStayDefined)
{
    EXPECT_EQ(SnapToPitch(37, 0), 37);
    EXPECT_EQ(SnapToPitch(37, -5), 37);
    EXPECT_EQ(SnapToPitch(37, 1), 37);
    EXPECT_EQ(SnapToPitch(INT_MAX, 10), INT_MAX);
    EXPECT_EQ(SnapToPitch(INT_MIN, 10), INT_MIN + 8);
}

TEST(RubberBand, BoxFromPressToPointerInEveryDirection)
{
    // Snapped (13, 27) and (58, 44) with pitch 10.
    EXPECT_EQ(RubberBandRect({10, 30}, {60, 40}, qvstRectangle), (EditRect{10, 30, 50, 10}));
    EXPECT_EQ(RubberBandRect({60, 40}, {10, 30}, qvstRectangle), (EditRect{10, 30, 50, 10}));
    EXPECT_EQ(RubberBandRect({60, 30}, {10, 40}, qvstEllipse), (EditRect{10, 30, 50, 10}));
    EXPECT_EQ(RubberBandRect({5, 5}, {5, 5}, qvstRectangle), (EditRect{5, 5, 0, 0}));
}

TEST(RubberBand, SquareAndCircleKeepTheSmallerSideAtThePress)
{
    EXPECT_EQ(RubberBandRect({100, 100}, {40, 130}, ToolSquare), (EditRect{70, 100, 30, 30}));
    EXPECT_EQ(RubberBandRect({100, 100}, {40, 130}, ToolCircle), (EditRect{70, 100, 30, 30}));
    EXPECT_EQ(RubberBandRect({100, 100}, {40, 130}, qvstRectangle), (EditRect{40, 100, 60, 30}));
    EXPECT_EQ(RubberBandRect({100, 100}, {120, 20}, ToolSquare), (EditRect{100, 80, 20, 20}));
}

TEST(RubberBand, LineTakesTheDiagonalOfTheDrag)
{
    EXPECT_EQ(LineDiagonal({10, 50}, {60, 10}), qvstLineb); // up and right
    EXPECT_EQ(LineDiagonal({60, 10}, {10, 50}), qvstLineb); // down and left
    EXPECT_EQ(LineDiagonal({10, 10}, {60, 50}), qvstLinea); // down and right
    EXPECT_EQ(LineDiagonal({10, 10}, {10, 50}), qvstLinea); // straight down
    EXPECT_EQ(LineDiagonal({10, 10}, {60, 10}), qvstLinea); // straight across
    // A product beyond 32 bits keeps its sign.
    EXPECT_EQ(LineDiagonal({0, 0}, {-100000, 100000}), qvstLineb);
}

TEST(Handles, EightPositionsAroundTheBox)
{
    const auto p = HandlePositions({100, 50, 80, 40});
    EXPECT_EQ(p[hTopLeft], QPoint(95, 45));
    EXPECT_EQ(p[hTopMiddle], QPoint(137, 45));
    EXPECT_EQ(p[hTopRight], QPoint(179, 45));
    EXPECT_EQ(p[hMiddleLeft], QPoint(95, 67));
    EXPECT_EQ(p[hMiddleRight], QPoint(179, 67));
    EXPECT_EQ(p[hBottomLeft], QPoint(95, 89));
    EXPECT_EQ(p[hBottomMiddle], QPoint(137, 89));
    EXPECT_EQ(p[hBottomRight], QPoint(179, 89));
    // Odd sizes halve toward zero.
    const auto q = HandlePositions({0, 0, 7, 5});
    EXPECT_EQ(q[hTopMiddle], QPoint(0, -5));
    EXPECT_EQ(q[hMiddleRight], QPoint(6, -1));
}

TEST(Handles, LinesShowTwoHandlesOnTheirEnds)
{
    const LineEnds a = LineEndHandles(qvstLinea, {100, 50, 80, 40});
    EXPECT_EQ(a.first, hTopLeft);
    EXPECT_EQ(a.firstPos, QPoint(97, 47));
    EXPECT_EQ(a.second, hBottomRight);
    EXPECT_EQ(a.secondPos, QPoint(177, 87));
    const LineEnds b = LineEndHandles(qvstLineb, {100, 50, 80, 40});
    EXPECT_EQ(b.first, hTopRight);
    EXPECT_EQ(b.firstPos, QPoint(177, 47));
    EXPECT_EQ(b.second, hBottomLeft);
    EXPECT_EQ(b.secondPos, QPoint(97, 87));
}

TEST(Handles, CursorsAndDraggedEdges)
{
    EXPECT_EQ(HandleCursor(hTopLeft, false), crSizeNWSE);
    EXPECT_EQ(HandleCursor(hBottomRight, false), crSizeNWSE);
    EXPECT_EQ(HandleCursor(hTopRight, false), crSizeNESW);
    EXPECT_EQ(HandleCursor(hBottomLeft, false), crSizeNESW);
    EXPECT_EQ(HandleCursor(hTopMiddle, false), crSizeNS);
    EXPECT_EQ(HandleCursor(hMiddleLeft, false), crSizeWE);
    for (int h : {hTopLeft, hTopRight, hBottomLeft, hBottomRight})
        EXPECT_EQ(HandleCursor(h, true), crSizeWE);
    EXPECT_TRUE(HandleDragsLeft(hBottomLeft));
    EXPECT_FALSE(HandleDragsLeft(hBottomMiddle));
    EXPECT_TRUE(HandleDragsTop(hTopRight));
    EXPECT_TRUE(HandleDragsBottom(hBottomMiddle));
    EXPECT_TRUE(HandleDragsRight(hMiddleRight));
    EXPECT_EQ(LabelFrameRect({20, 30, 40, 16}), (EditRect{15, 25, 50, 26}));
}

const TResizeOrigin kRect = TResizeOrigin::Of({100, 50, 80, 40}); // right 180, bottom 90

EditRect resize(int handle, int dx, int dy, ResizeRule rule = ResizeRule::Free, float aspect = 0,
                int pitch = 0, const TResizeOrigin &origin = kRect)
{
    return ResizeWithHandle(origin, handle, dx, dy, rule, aspect, pitch).rect;
}

TEST(Resize, EdgesFollowThePointerAndFlipPastTheOppositeEdge)
{
    EXPECT_EQ(resize(hMiddleRight, 20, 99), (EditRect{100, 50, 100, 40}));
    // Past the left edge the old left edge becomes the right edge.
    EXPECT_EQ(resize(hMiddleRight, -120, 0), (EditRect{60, 50, 40, 40}));
    EXPECT_EQ(resize(hMiddleLeft, 100, 0), (EditRect{180, 50, 20, 40}));
    EXPECT_EQ(resize(hMiddleLeft, -10, 0), (EditRect{90, 50, 90, 40}));
    EXPECT_EQ(resize(hTopMiddle, 0, 60), (EditRect{100, 90, 80, 20}));
    EXPECT_EQ(resize(hBottomMiddle, 0, -50), (EditRect{100, 40, 80, 10}));
    EXPECT_EQ(resize(hTopLeft, -10, -10), (EditRect{90, 40, 90, 50}));
    EXPECT_EQ(resize(hBottomRight, 5, 6), (EditRect{100, 50, 85, 46}));
}

TEST(Resize, SnappingRoundsTheMovingEdgeOnly)
{
    EXPECT_EQ(resize(hMiddleRight, 13, 0, ResizeRule::Free, 0, 10), (EditRect{100, 50, 90, 40}));
    EXPECT_EQ(resize(hMiddleRight, -117, 0, ResizeRule::Free, 0, 10), (EditRect{60, 50, 40, 40}));
    EXPECT_EQ(resize(hTopMiddle, 0, -13, ResizeRule::Free, 0, 10), (EditRect{100, 40, 80, 50}));
}

TEST(Resize, SquaresKeepEqualSidesAnchoredOppositeTheHandle)
{
    const TResizeOrigin sq = TResizeOrigin::Of({100, 50, 40, 40}); // right 140, bottom 90
    EXPECT_EQ(resize(hBottomRight, 30, 10, ResizeRule::Square, 0, 0, sq), (EditRect{100, 50, 50, 50}));
    EXPECT_EQ(resize(hTopLeft, -20, -5, ResizeRule::Square, 0, 0, sq), (EditRect{95, 45, 45, 45}));
    EXPECT_EQ(resize(hTopMiddle, 0, -20, ResizeRule::Square, 0, 0, sq), (EditRect{90, 30, 60, 60}));
    EXPECT_EQ(resize(hMiddleRight, 20, 0, ResizeRule::Square, 0, 0, sq), (EditRect{100, 40, 60, 60}));
    // Flipped past the left edge: the square hangs left of the old left edge.
    EXPECT_EQ(resize(hBottomRight, -60, 10, ResizeRule::Square, 0, 0, sq), (EditRect{80, 50, 20, 20}));
    // Flipped past the bottom edge at the top-right corner.
    EXPECT_EQ(resize(hTopRight, 0, 60, ResizeRule::Square, 0, 0, sq), (EditRect{100, 90, 20, 20}));
}

TEST(Resize, PicturesKeepTheirRatio)
{
    const TResizeOrigin pic = TResizeOrigin::Of({0, 0, 100, 50});
    EXPECT_EQ(resize(hBottomRight, 50, 50, ResizeRule::Picture, 2.0f, 0, pic), (EditRect{0, 0, 150, 75}));
    EXPECT_EQ(resize(hBottomRight, 100, 0, ResizeRule::Picture, 2.0f, 0, pic), (EditRect{0, 0, 100, 50}));
    EXPECT_EQ(resize(hTopLeft, -50, -50, ResizeRule::Picture, 2.0f, 0, pic), (EditRect{-50, -25, 150, 75}));
    EXPECT_EQ(resize(hMiddleRight, 50, 0, ResizeRule::Picture, 2.0f, 0, pic),
              (EditRect{150 - 150, -12, 150, 75}));
    EXPECT_EQ(resize(hBottomMiddle, 0, 25, ResizeRule::Picture, 2.0f, 0, pic), (EditRect{-25, 0, 150, 75}));
    // Rounding adds a half: 33 / 2 = 16.5 -> 17.
    EXPECT_EQ(resize(hMiddleRight, -67, 0, ResizeRule::Picture, 2.0f, 0, pic).height, 17);
    // Without the ratio, or without a usable one, the corner moves freely.
    EXPECT_EQ(resize(hBottomRight, 50, 50, ResizeRule::Free, 2.0f, 0, pic), (EditRect{0, 0, 150, 100}));
    EXPECT_EQ(resize(hBottomRight, 50, 50, ResizeRule::Picture, 0.0f, 0, pic), (EditRect{0, 0, 150, 100}));
    EXPECT_EQ(resize(hBottomRight, 50, 50, ResizeRule::Picture, INFINITY, 0, pic),
              (EditRect{0, 0, 150, 100}));
}

TEST(Resize, LinesTakeTheDiagonalTheCornerMakes)
{
    const TResizeOrigin line = TResizeOrigin::Of({10, 10, 50, 30}); // right 60, bottom 40
    ResizeResult r = ResizeWithHandle(line, hBottomRight, 10, 10, ResizeRule::Line, 0, 0);
    EXPECT_TRUE(r.changesLine);
    EXPECT_EQ(r.line, qvstLinea);
    r = ResizeWithHandle(line, hBottomRight, -100, 10, ResizeRule::Line, 0, 0);
    EXPECT_EQ(r.line, qvstLineb);
    EXPECT_EQ(r.rect, (EditRect{-40, 10, 50, 40}));
    // The corner exactly on the opposite edge makes a zero product: the other diagonal.
    r = ResizeWithHandle(line, hBottomRight, -50, 10, ResizeRule::Line, 0, 0);
    EXPECT_EQ(r.line, qvstLineb);
    r = ResizeWithHandle(line, hTopRight, 10, -10, ResizeRule::Line, 0, 0);
    EXPECT_EQ(r.line, qvstLineb);
    r = ResizeWithHandle(line, hTopLeft, -10, -10, ResizeRule::Line, 0, 0);
    EXPECT_EQ(r.line, qvstLinea);
    EXPECT_FALSE(ResizeWithHandle(line, hMiddleRight, 10, 0, ResizeRule::Line, 0, 0).changesLine);
}

TEST(LabelText, CaptionsKeepCrLfTheEditorSingleLineFeeds)
{
    EXPECT_EQ(EditorTextFromCaption(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(CaptionFromEditorText(QStringLiteral("名刺\nデザイン")), QStringLiteral("名刺\r\nデザイン"));
    EXPECT_EQ(CaptionFromEditorText(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
    EXPECT_TRUE(SameLabelText(QStringLiteral("a\nb"), QStringLiteral("a\r\nb")));
    EXPECT_FALSE(SameLabelText(QStringLiteral("a\nb"), QStringLiteral("a b")));
}

} // namespace
