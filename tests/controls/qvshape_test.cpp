// TQVShape: geometry fields against control bounds, style changes, and the pixels of every figure.
#include "controls/qvshape.h"

#include "render_helpers.h"

#include <gtest/gtest.h>

namespace {

const QColor kBackground(180, 255, 180);

bool isBlack(const QImage &image, int x, int y)
{
    return PixelAt(image, x, y) == QColor(Qt::black);
}

bool isBackground(const QImage &image, int x, int y)
{
    return PixelAt(image, x, y) == kBackground;
}

using Points = std::initializer_list<std::pair<int, int>>;

// The points drawn black by the pen and the points left as the background.
void expectPixels(const QImage &image, Points inked, Points untouched)
{
    for (auto [x, y] : inked)
        EXPECT_TRUE(isBlack(image, x, y)) << "inked " << x << "," << y;
    for (auto [x, y] : untouched)
        EXPECT_TRUE(isBackground(image, x, y)) << "untouched " << x << "," << y;
}

// A shape at the parent's origin with its figure box W x H.
void place(TQVShape &shape, TQVShapeType type, int w, int h, int penWidth = 1)
{
    shape.Pen().SetWidth(penWidth);
    shape.SetShape(type);
    shape.SetWidth(w);
    shape.SetHeight(h);
}

} // namespace

TEST(QVShape, StartsAsAnEmptyRectangleWithDefaultPenAndBrush)
{
    TQVShape shape;
    EXPECT_EQ(shape.Shape(), qvstRectangle);
    EXPECT_EQ(shape.Left(), 0);
    EXPECT_EQ(shape.Width(), 0);
    EXPECT_EQ(shape.Pen().Color(), clBlack);
    EXPECT_EQ(shape.Pen().Width(), 1);
    EXPECT_EQ(shape.Pen().Style(), psSolid);
    EXPECT_EQ(shape.Brush().Color(), clWhite);
    EXPECT_EQ(shape.Brush().Style(), bsSolid);
    EXPECT_EQ(shape.geometry(), QRect(0, 0, 0, 0));
}

TEST(QVShape, GeometrySettersPlaceBoundsAroundTheFigure)
{
    QWidget panel;
    TQVShape shape(&panel);
    shape.SetLeft(100);
    shape.SetTop(50);
    shape.SetWidth(80);
    shape.SetHeight(40);
    EXPECT_EQ(shape.geometry(), QRect(100, 50, 82, 42));
    EXPECT_EQ(shape.Left(), 100);
    EXPECT_EQ(shape.Width(), 80);

    // A wider pen widens the control around the unchanged figure.
    shape.Pen().SetWidth(5);
    EXPECT_EQ(shape.x(), 98);
    EXPECT_EQ(shape.Left(), 100);
    EXPECT_EQ(shape.geometry(), QRect(98, 48, 86, 46));
    shape.Pen().SetWidth(0);
    EXPECT_EQ(shape.geometry(), QRect(100, 50, 81, 41));
}

TEST(QVShape, SettingAnUnchangedValueDoesNotTouchTheBounds)
{
    QWidget panel;
    TQVShape shape(&panel);
    shape.SetLeft(100);
    shape.SetTop(50);
    shape.SetBounds(5, 6, 7, 8); // moved through its own bounds
    shape.SetLeft(100);
    shape.SetTop(50);
    shape.SetWidth(0);
    shape.SetHeight(0);
    EXPECT_EQ(shape.geometry(), QRect(5, 6, 7, 8));
    shape.SetLeft(101);
    EXPECT_EQ(shape.geometry(), QRect(101, 50, 2, 2));
}

TEST(QVShape, ScalingMovesBoundsOnlyUntilTheNextChange)
{
    QWidget panel;
    TQVShape shape(&panel);
    shape.SetLeft(10);
    shape.SetTop(20);
    shape.SetWidth(30);
    shape.SetHeight(40);
    shape.ChangeScale(2, 1);
    EXPECT_EQ(shape.geometry(), QRect(20, 40, 64, 84));
    EXPECT_EQ(shape.Left(), 10);
    EXPECT_EQ(shape.Width(), 30);
    // A style change puts the bounds back around the figure.
    shape.Pen().SetColor(clRed);
    EXPECT_EQ(shape.geometry(), QRect(10, 20, 32, 42));
}

TEST(QVShape, SetPenAndSetBrushCopyAttributes)
{
    QWidget panel;
    TQVShape shape(&panel);
    shape.SetWidth(10);
    TPen pen;
    pen.SetWidth(4);
    pen.SetColor(clBlue);
    pen.SetStyle(psDot);
    TBrush brush;
    brush.SetStyle(bsClear);
    shape.SetPen(pen);
    shape.SetBrush(brush);
    EXPECT_TRUE(shape.Pen() == pen);
    EXPECT_EQ(shape.Brush().Style(), bsClear);
    EXPECT_EQ(shape.geometry(), QRect(-2, -2, 15, 5));
    pen.SetWidth(1); // the shape holds a copy
    EXPECT_EQ(shape.Pen().Width(), 4);
}

TEST(QVShapePixels, RectangleOutlinesPixelsXToXPlusW)
{
    TQVShape shape;
    shape.Brush().SetColor(clRed);
    place(shape, qvstRectangle, 80, 40);
    const QImage img = RenderWidget(shape, kBackground);
    ASSERT_EQ(img.size(), QSize(82, 42));
    expectPixels(img, {{0, 0}, {80, 0}, {0, 40}, {80, 40}, {40, 0}, {0, 20}}, {{81, 20}, {40, 41}});
    EXPECT_EQ(PixelAt(img, 1, 1), QColor(Qt::red));
    EXPECT_EQ(PixelAt(img, 79, 39), QColor(Qt::red));
}

TEST(QVShapePixels, PenWidthZeroDrawsLikeOne)
{
    TQVShape shape;
    place(shape, qvstRectangle, 80, 40, 0);
    const QImage img = RenderWidget(shape, kBackground);
    ASSERT_EQ(img.size(), QSize(81, 41));
    EXPECT_TRUE(isBlack(img, 80, 40));
    EXPECT_EQ(DarkInColumn(img, 0, 0, 41), 41);
    EXPECT_EQ(DarkInRow(img, 20, 0, 81), 2);
}

TEST(QVShapePixels, SquareSitsCentredInTheBox)
{
    TQVShape shape;
    shape.Brush().SetStyle(bsClear);
    place(shape, qvstSquare, 80, 40);
    const QImage img = RenderWidget(shape, kBackground);
    // bsClear leaves the inside as it was.
    expectPixels(img, {{20, 0}, {60, 40}}, {{19, 0}, {61, 0}, {40, 20}});

    shape.Pen().SetWidth(3); // the figure moves by h = 1 inside the widened control
    const QImage thick = RenderWidget(shape, kBackground);
    EXPECT_EQ(DarkInRow(thick, 20, 0, 84), 6);
    expectPixels(thick, {{20, 20}, {22, 20}}, {{19, 20}, {23, 20}});
}

TEST(QVShapePixels, EllipseAndCircleStayInsideTheirBoxes)
{
    TQVShape shape;
    shape.Brush().SetColor(clRed);
    place(shape, qvstEllipse, 80, 40);
    QImage img = RenderWidget(shape, kBackground);
    expectPixels(img, {{0, 20}, {80, 20}, {40, 0}, {40, 40}}, {{0, 0}, {80, 40}});
    EXPECT_EQ(PixelAt(img, 40, 20), QColor(Qt::red));

    shape.SetShape(qvstCircle);
    img = RenderWidget(shape, kBackground);
    expectPixels(img, {{20, 20}, {60, 20}}, {{19, 20}, {61, 20}, {5, 20}});
}

TEST(QVShapePixels, RoundedRectangleCutsItsCorners)
{
    TQVShape shape;
    place(shape, qvstRoundRect, 80, 40);
    const QImage img = RenderWidget(shape, kBackground);
    // (10, 0) lies just past the 10 x 10 corner ellipse.
    expectPixels(img, {{0, 20}, {40, 0}, {10, 0}}, {{0, 0}, {80, 40}});
}

TEST(QVShapePixels, LinesRunAlongTheDiagonalsWithoutTheirEndPoint)
{
    TQVShape shape;
    place(shape, qvstLinea, 40, 20);
    QImage img = RenderWidget(shape, kBackground);
    expectPixels(img, {{0, 0}, {20, 10}, {38, 19}}, {{40, 20}, {0, 20}});

    shape.SetShape(qvstLineb);
    img = RenderWidget(shape, kBackground);
    expectPixels(img, {{0, 20}, {20, 10}}, {{40, 0}, {0, 0}});
}

TEST(QVShapePixels, DegenerateFiguresDrawALineOrAPoint)
{
    TQVShape shape;
    shape.StyleChanged(); // nothing was set yet: place the bounds around the empty figure
    QImage img = RenderWidget(shape, kBackground);
    expectPixels(img, {{0, 0}}, {{1, 1}});

    place(shape, qvstEllipse, 10, 0);
    img = RenderWidget(shape, kBackground);
    EXPECT_EQ(DarkInRow(img, 0, 0, 12), 11);

    place(shape, qvstRectangle, 0, 10, 3);
    img = RenderWidget(shape, kBackground);
    EXPECT_EQ(DarkInRow(img, 5, 0, img.width()), 3);
    EXPECT_EQ(DarkInColumn(img, 1, 0, img.height()), 13);

    for (TQVShapeType t : {qvstLinea, qvstLineb, qvstCircle, qvstRoundSquare}) {
        place(shape, t, 0, 0, 6);
        RenderWidget(shape, kBackground); // draws without failing
    }
}

TEST(QVShapePixels, ThickOutlinesAreNeverClipped)
{
    // Rendered on a panel so that a stroke cut off by the control's bounds would show.
    for (int p : {0, 1, 2, 3, 5, 6}) {
        QWidget panel;
        panel.resize(100, 80);
        TQVShape shape(&panel);
        shape.Brush().SetStyle(bsClear);
        shape.Pen().SetWidth(p);
        shape.SetLeft(20);
        shape.SetTop(20);
        shape.SetWidth(40);
        shape.SetHeight(30);
        const QImage img = RenderWidget(panel, kBackground);
        const int stroke = p < 1 ? 1 : p;
        EXPECT_EQ(DarkInRow(img, 35, 0, 20 + 20), stroke) << "pen " << p;
        EXPECT_EQ(DarkInRow(img, 35, 40, 100), stroke) << "pen " << p;
        EXPECT_EQ(DarkInColumn(img, 40, 0, 35), stroke) << "pen " << p;
        EXPECT_EQ(DarkInColumn(img, 40, 35, 80), stroke) << "pen " << p;
    }
}

TEST(QVShapePixels, DottedPenSkipsEveryOtherPixel)
{
    TQVShape shape;
    shape.Pen().SetStyle(psDot);
    place(shape, qvstRectangle, 20, 10);
    const QImage img = RenderWidget(shape, kBackground);
    EXPECT_TRUE(isBlack(img, 0, 0));
    EXPECT_FALSE(isBlack(img, 1, 0));
    EXPECT_TRUE(isBlack(img, 2, 0));
    EXPECT_EQ(DarkInRow(img, 0, 0, 21), 11);
}

TEST(QVShapePixels, InvertingPenShowsOnAnyBackground)
{
    TQVShape shape;
    shape.Pen().SetMode(pmNot);
    shape.Brush().SetStyle(bsClear);
    place(shape, qvstRectangle, 20, 10);
    const QImage onBlack = RenderWidget(shape, Qt::black);
    EXPECT_EQ(PixelAt(onBlack, 0, 0), QColor(Qt::white));
    EXPECT_EQ(PixelAt(onBlack, 20, 10), QColor(Qt::white)); // corners inverted once, not twice
    EXPECT_EQ(PixelAt(onBlack, 5, 5), QColor(Qt::black));
    const QImage onWhite = RenderWidget(shape, Qt::white);
    EXPECT_EQ(PixelAt(onWhite, 10, 0), QColor(Qt::black));

    shape.Pen().SetMode(pmNop);
    EXPECT_EQ(PixelAt(RenderWidget(shape, Qt::white), 0, 0), QColor(Qt::white));
}

TEST(QVShapePixels, HugeStoredValuesDrawWithoutFailing)
{
    QWidget panel;
    panel.resize(50, 50);
    TQVShape shape(&panel);
    shape.Pen().SetWidth(1000000);
    shape.SetLeft(-2000000000);
    shape.SetWidth(2000000000);
    shape.SetHeight(-2000000000);
    for (int t = 0; t < QVShapeTypeCount; ++t) {
        shape.SetShape(TQVShapeType(t));
        RenderWidget(panel);
    }
    EXPECT_EQ(shape.Width(), 2000000000);
}
