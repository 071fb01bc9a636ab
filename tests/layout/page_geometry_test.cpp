// Derived margins, the diagram's panel and its card rectangles.
#include "layout/page_geometry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

DiagramLayout defaultLayout()
{
    DiagramLayout d;
    d.WorkSheetWidthMM = 91.0f;
    d.WorkSheetHeightMM = 55.0f;
    d.Retu = 2;
    d.Dann = 5;
    d.LeftMargin = 14.0f;
    d.TopMargin = 11.0f;
    return d;
}

} // namespace

TEST(PageGeometry, TrailingMargins)
{
    EXPECT_FLOAT_EQ(TrailingMargin(210.0f, 2, 91.0f, 14.0f, 0.0f), 14.0f);
    EXPECT_FLOAT_EQ(TrailingMargin(297.0f, 5, 55.0f, 11.0f, 0.0f), 11.0f);
    EXPECT_NEAR(TrailingMargin(215.9f, 2, 91.0f, 14.0f, 0.0f), 19.9f, 1e-4);
    EXPECT_NEAR(TrailingMargin(279.4f, 5, 55.0f, 11.0f, 0.0f), -6.6f, 1e-4);
    // No columns: the gap is given back.
    EXPECT_FLOAT_EQ(TrailingMargin(210.0f, 0, 91.0f, 14.0f, 3.0f), 199.0f);
}

TEST(PageGeometry, TenCardsFillTheA4Diagram)
{
    const auto cells = DiagramCells(defaultLayout(), {210, 297});
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cells.front(), QRect(14, 11, 91, 55));
    EXPECT_EQ(cells.back(), QRect(105, 231, 91, 55));
    QRect all;
    for (const QRect &c : cells)
        all |= c;
    EXPECT_EQ(all, QRect(14, 11, 182, 275));
}

TEST(PageGeometry, GapsAndHalfMillimetresRoundAsPixels)
{
    DiagramLayout d = defaultLayout();
    d.WorkSheetWidthMM = 88.9f;
    d.InsideMarginX = 12.7f;
    d.LeftMargin = 12.7f;
    d.TopMargin = 19.05f;
    d.Dann = 1;
    const auto cells = DiagramCells(d, {215, 279});
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], QRect(13, 19, 89, 55)); // trunc(12.7 + 0.5), trunc(88.9 + 0.5)
    EXPECT_EQ(cells[1].left(), 114);            // trunc(101.6 + 12.7 + 0.5)
}

TEST(PageGeometry, CardsPastThePaperAreStillDrawnWhereTheyReachIt)
{
    // Letter paper: the bottom row runs off the diagram.
    const auto cells = DiagramCells(defaultLayout(), {215, 279});
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_GT(cells.back().bottom(), 279);
    DiagramLayout none = defaultLayout();
    none.Retu = 0;
    EXPECT_TRUE(DiagramCells(none, {210, 297}).empty());
    none.Retu = -3;
    EXPECT_TRUE(DiagramCells(none, {210, 297}).empty());
}

TEST(PageGeometry, DamagedValuesStayBounded)
{
    DiagramLayout d = defaultLayout();
    d.Retu = 2000000000;
    d.Dann = 2000000000;
    d.WorkSheetWidthMM = d.WorkSheetHeightMM = 1.0f;
    d.LeftMargin = d.TopMargin = 0.0f;
    const auto cells = DiagramCells(d, {210, 297});
    EXPECT_EQ(cells.size(), 210u * 297u); // only the cards on the panel
    for (const QRect &c : cells)
        EXPECT_TRUE(c.intersects(QRect(0, 0, 210, 297)));

    d = defaultLayout();
    d.LeftMargin = NAN;
    EXPECT_TRUE(DiagramCells(d, {210, 297}).empty());
    d = defaultLayout();
    d.WorkSheetWidthMM = INFINITY;
    d.Retu = 1000000;
    EXPECT_LE(DiagramCells(d, {210, 297}).size(), 5u);
    d = defaultLayout();
    d.LeftMargin = -1e30f;
    EXPECT_TRUE(DiagramCells(d, {210, 297}).empty());
}

TEST(PageGeometry, PanelStandsRightOfTheControls)
{
    EXPECT_EQ(DiagramPanelRect(210.0f, 297.0f, 316, 612, 446, 406), QRect(359, 20, 210, 297));
    EXPECT_EQ(DiagramPanelRect(215.9f, 279.4f, 316, 612, 446, 406).size(), QSize(215, 279));
    // Wider than the room: it starts just right of the controls.
    EXPECT_EQ(DiagramPanelRect(420.0f, 297.0f, 316, 612, 446, 406).left(), 320);
    EXPECT_EQ(DiagramPanelRect(1e30f, NAN, 316, 612, 446, 406).size(), QSize(MaxDiagramExtent, 0));
    EXPECT_EQ(DiagramPanelRect(-5.0f, 297.0f, 316, 612, 446, 406).width(), 0);
}
