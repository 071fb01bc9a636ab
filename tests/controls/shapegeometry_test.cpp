// Shape bounds around the figure box and the figure coordinates of every shape kind.
#include "controls/shapegeometry.h"

#include <QWidget>
#include <climits>
#include <gtest/gtest.h>

TEST(ShapeBounds, WidenedByThePen)
{
    EXPECT_EQ(ShapeBounds(100, 50, 80, 40, 1), QRect(100, 50, 82, 42));
    EXPECT_EQ(ShapeBounds(100, 50, 80, 40, 3), QRect(99, 49, 84, 44));
    EXPECT_EQ(ShapeBounds(100, 50, 80, 40, 5), QRect(98, 48, 86, 46));
    EXPECT_EQ(ShapeBounds(100, 50, 80, 40, 6), QRect(97, 47, 87, 47));
    EXPECT_EQ(ShapeBounds(100, 50, 80, 40, 0), QRect(100, 50, 81, 41));
}

TEST(ShapeBounds, ExtremesAreClampedNotWrapped)
{
    const QRect r = ShapeBounds(INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    // Positions stay far enough inside the int range that the far edges do too.
    EXPECT_EQ(r.x(), -(1 << 30));
    EXPECT_EQ(r.y(), 1 << 30);
    EXPECT_GT(r.bottom(), r.top());
    EXPECT_EQ(r.width(), QWIDGETSIZE_MAX);
    EXPECT_EQ(r.height(), QWIDGETSIZE_MAX);
    EXPECT_EQ(ShapeBounds(0, 0, -500, -500, 1).size(), QSize(0, 0));
}

TEST(ShapeFigure, BoxFiguresFillTheBoxWithExclusiveCorner)
{
    for (TQVShapeType t : {qvstRectangle, qvstRoundRect, qvstEllipse}) {
        const ShapeFigure f = FigureFor(t, 80, 40, 1);
        EXPECT_EQ(f.a, 0);
        EXPECT_EQ(f.b, 0);
        EXPECT_EQ(f.c, 81);
        EXPECT_EQ(f.d, 41);
    }
    const ShapeFigure thick = FigureFor(qvstRectangle, 80, 40, 6);
    EXPECT_EQ(thick.a, 3);
    EXPECT_EQ(thick.c, 84);
}

TEST(ShapeFigure, SquaresAndCirclesAreCentred)
{
    const ShapeFigure sq = FigureFor(qvstSquare, 80, 40, 1);
    EXPECT_EQ(sq.kind, ShapeFigure::Rectangle);
    EXPECT_EQ(sq.a, 20);
    EXPECT_EQ(sq.b, 0);
    EXPECT_EQ(sq.c, 61);
    EXPECT_EQ(sq.d, 41);
    const ShapeFigure circle = FigureFor(qvstCircle, 40, 81, 5);
    EXPECT_EQ(circle.kind, ShapeFigure::Ellipse);
    EXPECT_EQ(circle.a, 2);
    EXPECT_EQ(circle.b, 2 + 20); // (81 - 40) / 2 truncated
    EXPECT_EQ(circle.c, 2 + 41);
    const ShapeFigure rsq = FigureFor(qvstRoundSquare, 40, 80, 3);
    EXPECT_EQ(rsq.kind, ShapeFigure::RoundRect);
    EXPECT_EQ(rsq.b, 1 + 20);
    EXPECT_EQ(rsq.corner, 10);
}

TEST(ShapeFigure, RoundingComesFromTheShorterSide)
{
    EXPECT_EQ(FigureFor(qvstRoundRect, 80, 40, 1).corner, 10);
    EXPECT_EQ(FigureFor(qvstRoundRect, 40, 80, 1).corner, 10);
    EXPECT_EQ(FigureFor(qvstRoundRect, 80, 3, 1).corner, 0);
}

TEST(ShapeFigure, LinesJoinOppositeCorners)
{
    const ShapeFigure a = FigureFor(qvstLinea, 40, 20, 3);
    EXPECT_EQ(a.kind, ShapeFigure::Line);
    EXPECT_EQ((QList<int>{a.a, a.b, a.c, a.d}), (QList<int>{1, 1, 41, 21}));
    const ShapeFigure b = FigureFor(qvstLineb, 40, 20, 0);
    EXPECT_EQ((QList<int>{b.a, b.b, b.c, b.d}), (QList<int>{0, 20, 40, 0}));
}

TEST(ShapeFigure, HugeBoxesStayInRange)
{
    // Wider than any control, yet every corner is still a valid int.
    const ShapeFigure g = FigureFor(qvstRectangle, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(g.a, INT_MAX / 2);
    EXPECT_GT(static_cast<long long>(g.c) - g.a, QWIDGETSIZE_MAX);
    EXPECT_GT(static_cast<long long>(g.d) - g.b, QWIDGETSIZE_MAX);
}
