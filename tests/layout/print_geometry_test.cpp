// Print geometry on a 600-dpi A4 printer with 5 mm unprintable edges (23.62 pixels per millimetre).
#include "layout/print_geometry.h"

#include <QRect>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace {

PrinterMeasures laser600()
{
    PrinterMeasures m;
    m.HorzRes = 4724; // 200 mm
    m.VertRes = 6780; // 287 mm
    m.HorzSize = 200;
    m.VertSize = 287;
    m.PhysicalWidth = 4960;
    m.PhysicalHeight = 7016;
    m.PhysicalOffsetX = 118;
    m.PhysicalOffsetY = 118;
    return m;
}

PageLayout oneCard()
{
    PageLayout layout;
    layout.Retu = 1;
    layout.Dann = 1;
    return layout;
}

} // namespace

TEST(PrintGeometry, ScaleMakesTheCardWAndOverhangMillimetresWide)
{
    const CardSize card;
    PageLayout layout;
    EXPECT_EQ(PrintScalePercent(card, layout, laser600()), 472);
    layout.Overhang = 2;
    EXPECT_EQ(PrintScalePercent(card, layout, laser600()), 483);
    layout.Overhang = -3;
    EXPECT_EQ(PrintScalePercent(card, layout, laser600()), 457); // 88 mm
    // A printer that reports no printable area gets no scale rather than a division by zero.
    PrinterMeasures none = laser600();
    none.HorzSize = 0;
    EXPECT_FALSE(PrinterMeasuresUsable(none));
    EXPECT_EQ(PrintScalePercent(card, layout, none), 0);
    EXPECT_TRUE(PrintCellOrigins(card, layout, none).empty());
}

TEST(PrintGeometry, CellOriginsAreMeasuredFromThePapersEdge)
{
    const CardSize card;
    PageLayout layout; // 2 x 5 cards from 14 / 11 mm, no gaps
    const std::vector<QPoint> origins = PrintCellOrigins(card, layout, laser600());
    ASSERT_EQ(origins.size(), 10u);
    // Columns outer, rows inner: 14 mm x 23.62 - 118, 105 mm x 23.62 - 118; 11, 66, 121, 176, 231 mm down.
    EXPECT_EQ(origins[0], QPoint(213, 142));
    EXPECT_EQ(origins[1], QPoint(213, 1441));
    EXPECT_EQ(origins[4], QPoint(213, 5339));
    EXPECT_EQ(origins[5], QPoint(2362, 142));
    EXPECT_EQ(origins[9], QPoint(2362, 5339));

    // Gaps between cards add to every step.
    layout.InsideMarginX = 3;
    layout.InsideMarginY = 2;
    EXPECT_EQ(PrintCellOrigin(card, layout, laser600(), 1, 1), QPoint(2433, 1488));
}

TEST(PrintGeometry, OverhangShiftsTheCardToStayCentredOnItsCell)
{
    const CardSize card;
    PageLayout layout;
    layout.Overhang = 2;
    // 1 mm left and 55/91 mm up of the cell's corner.
    EXPECT_EQ(PrintCellOrigin(card, layout, laser600(), 0, 0), QPoint(189, 128));
    EXPECT_EQ(PrintCellOrigin(card, layout, laser600(), 1, 4), QPoint(2338, 5325));
}

TEST(PrintGeometry, OneCardGetsAllEightMarksTwoMillimetresOutside)
{
    const std::vector<QLine> marks = CropMarkLines(CardSize{}, oneCard(), laser600());
    // The card spans x 213..2362 and y 142..1441; a mark is 47 pixels (2 mm) long and starts 47 outside.
    const std::vector<QLine> expected = {
        QLine(213, 48, 213, 95),     QLine(2362, 48, 2362, 95),     // above
        QLine(213, 1488, 213, 1535), QLine(2362, 1488, 2362, 1535), // below
        QLine(119, 142, 166, 142),   QLine(119, 1441, 166, 1441),   // left
        QLine(2409, 142, 2456, 142), QLine(2409, 1441, 2456, 1441), // right
    };
    EXPECT_EQ(marks, expected);
}

TEST(PrintGeometry, MarksFollowTheNominalCellsAndStayOutsideTheBlock)
{
    const CardSize card;
    PageLayout layout;
    layout.Overhang = 3; // ignored by the marks
    layout.InsideMarginX = 4;
    const std::vector<QLine> marks = CropMarkLines(card, layout, laser600());
    // 2 columns x 2 edges above and below, 5 rows x 2 edges left and right.
    ASSERT_EQ(marks.size(), 28u);
    // Columns at 213..2362 and, 4 mm on, 2457..4606; rows from 142 to 6638.
    const QRect block(QPoint(213, 142), QPoint(4606, 6638));
    std::set<int> cutsAcross;
    for (const QLine &line : marks) {
        EXPECT_FALSE(block.contains(line.p1()) || block.contains(line.p2()));
        EXPECT_TRUE(line.dx() == 47 || line.dy() == 47);
        if (line.dx() == 0)
            cutsAcross.insert(line.x1());
    }
    // With a gap, both cut lines of each column are marked.
    EXPECT_EQ(cutsAcross, (std::set<int>{213, 2362, 2457, 4606}));
}

TEST(PrintGeometry, NothingIsMarkedWithoutTonboOrWithoutCells)
{
    const CardSize card;
    PageLayout layout = oneCard();
    layout.Tonbo = false;
    EXPECT_TRUE(CropMarkLines(card, layout, laser600()).empty());
    EXPECT_EQ(PrintCellOrigins(card, layout, laser600()).size(), 1u);

    for (auto [columns, rows] : {std::pair{0, 5}, std::pair{2, 0}, std::pair{-1, 3}}) {
        layout = PageLayout{};
        layout.Retu = columns;
        layout.Dann = rows;
        EXPECT_TRUE(CropMarkLines(card, layout, laser600()).empty());
        EXPECT_TRUE(PrintCellOrigins(card, layout, laser600()).empty());
    }
}

TEST(PrintGeometry, AbsurdStoredLayoutsStayFinite)
{
    const CardSize card;
    PageLayout layout;
    layout.Retu = 2000000000;
    layout.Dann = 3;
    layout.LeftMargin = 1e30f;
    const std::vector<QPoint> origins = PrintCellOrigins(card, layout, laser600());
    EXPECT_EQ(origins.size(), 3000u);
    EXPECT_EQ(origins.front().x(), std::numeric_limits<int>::max());
}

TEST(PrintGeometry, ThePrintersOffsetMovesEveryCardAndEveryCropMarkAlike)
{
    const CardSize card;
    PageLayout layout; // two columns, five rows, crop marks on
    layout.Overhang = 2;
    PrinterMeasures m = laser600();
    m.LogPixelsX = m.LogPixelsY = 600;
    const PrintOffset offset{1.5f, -0.7f};
    // 1.5 mm and -0.7 mm at 600 dpi, each within a twentieth of a millimetre of the wanted length.
    const QPoint shift(35, -17);
    const auto plain = PrintCellOrigins(card, layout, m);
    const auto moved = PrintCellOrigins(card, layout, m, offset);
    ASSERT_EQ(moved.size(), 10u);
    for (size_t k = 0; k < plain.size(); ++k)
        EXPECT_EQ(moved[k] - plain[k], shift) << k;
    const auto marks = CropMarkLines(card, layout, m);
    const auto movedMarks = CropMarkLines(card, layout, m, offset);
    ASSERT_EQ(movedMarks.size(), marks.size());
    ASSERT_FALSE(marks.empty());
    for (size_t k = 0; k < marks.size(); ++k) {
        EXPECT_EQ(movedMarks[k].p1() - marks[k].p1(), shift) << k;
        EXPECT_EQ(movedMarks[k].p2() - marks[k].p2(), shift) << k;
    }
    // The scale is the printer's own: an offset neither enlarges nor shrinks the card.
    EXPECT_EQ(PrintScalePercent(card, layout, m), 483);
    // With crop marks off there are still none.
    layout.Tonbo = false;
    EXPECT_TRUE(CropMarkLines(card, layout, m, offset).empty());
}
