// The print preview's sheet: paper and printable area at two pixels per millimetre from the printer's
// measures, the card scale, and the cards that stand on the sheet.
#include "layout/preview_geometry.h"
#include "layout/preview_placement.h"
#include "qt_pdf_printer.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewSheet, A4PaperIsAbout420By594WithThePrintableAreaInsideItsMargins)
{
    const auto sheet = MeasurePreviewSheet(QtPdfA4At600Dpi());
    ASSERT_TRUE(sheet);
    // The whole-millimetre printable size makes the paper a little short of 420 x 594.
    EXPECT_EQ(sheet->paper, QSize(418, 592));
    EXPECT_EQ(sheet->printable, QRect(7, 7, 404, 578));
    EXPECT_EQ(sheet->percent, 40);

    // A printer that reaches the paper's edges has no grey rim.
    PrinterMeasures edgeToEdge;
    edgeToEdge.HorzRes = edgeToEdge.PhysicalWidth = 4960;
    edgeToEdge.VertRes = edgeToEdge.PhysicalHeight = 7016;
    edgeToEdge.HorzSize = 210;
    edgeToEdge.VertSize = 297;
    const auto full = MeasurePreviewSheet(edgeToEdge);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->paper, QSize(420, 594));
    EXPECT_EQ(full->printable, QRect(QPoint(0, 0), full->paper));
    EXPECT_EQ(full->percent, 40);
}

TEST(PreviewSheet, APrinterReportingNoPaperGivesNoSheet)
{
    for (int PrinterMeasures::*field :
         {&PrinterMeasures::HorzRes, &PrinterMeasures::VertRes, &PrinterMeasures::HorzSize,
          &PrinterMeasures::VertSize, &PrinterMeasures::PhysicalWidth, &PrinterMeasures::PhysicalHeight}) {
        PrinterMeasures m = QtPdfA4At600Dpi();
        m.*field = 0;
        EXPECT_FALSE(MeasurePreviewSheet(m));
        m.*field = -5;
        EXPECT_FALSE(MeasurePreviewSheet(m));
    }
    PrinterMeasures huge = QtPdfA4At600Dpi();
    huge.PhysicalWidth = 2'000'000'000;
    EXPECT_FALSE(MeasurePreviewSheet(huge));
    EXPECT_FALSE(MeasurePreviewSheet(PrinterMeasures{}));
}

std::vector<QPoint> onPaper(const std::vector<QPoint> &origins, const QRect &printable)
{
    std::vector<QPoint> points;
    for (const QPoint &p : origins)
        points.push_back(p + printable.topLeft());
    return points;
}

TEST(PreviewCards, TheDefaultLayoutStandsTwoAcrossFiveDownFromTheMarginsOfThePaper)
{
    const auto sheet = MeasurePreviewSheet(QtPdfA4At600Dpi());
    ASSERT_TRUE(sheet);
    // The worksheet's 455 x 275 at 40 percent.
    const QSize card(182, 110);
    const auto origins = onPaper(PreviewCardOrigins(CardGrid{}, sheet->printable, card), sheet->printable);
    ASSERT_EQ(origins.size(), 10u);
    // Columns outer, rows inner; 14 and 11 mm from the paper's edges.
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(origins[size_t(i * 5 + j)], QPoint(28 + 182 * i, 22 + 110 * j)) << i << "," << j;

    CardGrid gaps;
    gaps.InsideMarginX = 3.0f;
    gaps.InsideMarginY = 2.5f;
    const auto spaced = onPaper(PreviewCardOrigins(gaps, sheet->printable, card), sheet->printable);
    ASSERT_EQ(spaced.size(), 10u);
    EXPECT_EQ(spaced[9], QPoint(28 + 182 + 6, 22 + 4 * (110 + 5)));
}

TEST(PreviewCards, ColumnsOrRowsOfZeroLeaveTheSheetEmptyAndCardsOffItAreLeftOut)
{
    const QRect printable(7, 7, 404, 578);
    const QSize card(182, 110);
    CardGrid none;
    none.Retu = 0;
    EXPECT_TRUE(PreviewCardOrigins(none, printable, card).empty());
    none = {};
    none.Dann = 0;
    EXPECT_TRUE(PreviewCardOrigins(none, printable, card).empty());
    none.Dann = -3;
    EXPECT_TRUE(PreviewCardOrigins(none, printable, card).empty());

    // A third column still reaches into the sheet and is cut at its edge; a fourth lies beyond it.
    CardGrid wide;
    wide.Retu = 4;
    wide.Dann = 1;
    const auto row = PreviewCardOrigins(wide, printable, card);
    ASSERT_EQ(row.size(), 3u);
    EXPECT_EQ(row[2].x(), 21 + 2 * 182);

    // A layout from a damaged file with two billion columns shows only what fits.
    CardGrid vast;
    vast.Retu = vast.Dann = 2'000'000'000;
    EXPECT_EQ(PreviewCardOrigins(vast, printable, card).size(), 3u * 6u);
    // Cards that overlap completely stand in one place.
    CardGrid stacked;
    stacked.InsideMarginX = -91.0f;
    stacked.Retu = 50;
    stacked.Dann = 1;
    EXPECT_EQ(PreviewCardOrigins(stacked, printable, card).size(), 1u);
}

TEST(PreviewPlacement, TheBoundsKeptFollowTheWindowState)
{
    const QRect now(10, 20, 800, 600), restore(30, 40, 595, 402);
    struct Case
    {
        PreviewWindowState state;
        bool wasMaximized;
        QRect bounds;
        bool maximized;
    };
    for (const Case &c : {Case{PreviewWindowState::Normal, false, now, false},
                          Case{PreviewWindowState::Normal, true, now, false},
                          Case{PreviewWindowState::Maximized, true, restore, true},
                          Case{PreviewWindowState::Maximized, false, restore, true},
                          Case{PreviewWindowState::Minimized, true, restore, true},
                          Case{PreviewWindowState::Minimized, false, now, false}}) {
        const PreviewPlacement kept = PlacementToKeep(c.state, now, restore, c.wasMaximized);
        EXPECT_EQ(kept.bounds, c.bounds) << int(c.state) << c.wasMaximized;
        EXPECT_EQ(kept.maximized, c.maximized) << int(c.state) << c.wasMaximized;
    }

    WindowSettings settings;
    EXPECT_EQ(SavedPreviewPlacement(settings).bounds, QRect(204, 104, 595, 402));
    EXPECT_FALSE(SavedPreviewPlacement(settings).maximized);
    StorePreviewPlacement(settings, {QRect(1, 2, 3, 4), true});
    EXPECT_EQ(settings.PreviewLeft, 1);
    EXPECT_EQ(settings.PreviewTop, 2);
    EXPECT_EQ(settings.PreviewWidth, 3);
    EXPECT_EQ(settings.PreviewHeight, 4);
    EXPECT_EQ(settings.PreviewMaximized, 1);
    EXPECT_EQ(SavedPreviewPlacement(settings).bounds, QRect(1, 2, 3, 4));
    EXPECT_EQ(settings.MainLeft, WindowSettings{}.MainLeft);
}

} // namespace

TEST(PreviewCards, ThePrintersOffsetMovesEveryCardByItsScreenPixels)
{
    const auto sheet = MeasurePreviewSheet(QtPdfA4At600Dpi());
    ASSERT_TRUE(sheet);
    const QSize card(182, 110);
    const auto plain = PreviewCardOrigins(CardGrid{}, sheet->printable, card);
    // Two screen pixels per millimetre: +1.5 mm is 3 pixels right, -0.7 mm one pixel up (rounded).
    const auto moved = PreviewCardOrigins(CardGrid{}, sheet->printable, card, {1.5f, -0.7f});
    ASSERT_EQ(moved.size(), plain.size());
    for (size_t k = 0; k < plain.size(); ++k)
        EXPECT_EQ(moved[k] - plain[k], QPoint(3, -1)) << k;
    const auto far = PreviewCardOrigins(CardGrid{}, sheet->printable, card, {-10.0f, 10.0f});
    ASSERT_EQ(far.size(), plain.size());
    EXPECT_EQ(far[0] - plain[0], QPoint(-20, 20));
}
