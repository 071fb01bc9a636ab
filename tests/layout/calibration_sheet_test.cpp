// The calibration sheet's geometry: crosses at the printable area's corners and the paper's centre, and
// scales whose values are the offsets that move a shifted print back.
#include "layout/calibration_sheet.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// A 600-dpi A4 printer with unequal margins: 5 mm left, 3 mm right, 4 mm top, 12 mm bottom.
PrinterMeasures uneven600()
{
    PrinterMeasures m;
    m.PhysicalWidth = 4961;
    m.PhysicalHeight = 7016;
    m.PhysicalOffsetX = 119;
    m.PhysicalOffsetY = 94;
    m.HorzRes = 4961 - 119 - 71;
    m.VertRes = 7016 - 94 - 283;
    m.HorzSize = 202;
    m.VertSize = 281;
    m.LogPixelsX = m.LogPixelsY = 600;
    return m;
}

double mm(int px)
{
    return px * 25.4 / 600;
}

bool covered(const CalibrationSheet &sheet, QPoint p)
{
    for (const QRect &r : sheet.lines)
        if (r.contains(p))
            return true;
    return false;
}

} // namespace

TEST(CalibrationSheet, CrossesStandAtThePrintableCornersAndThePapersCentre)
{
    const PrinterMeasures m = uneven600();
    const CalibrationSheet sheet = CalibrationSheetGeometry(m, QStringLiteral("Office_Laser"));
    EXPECT_EQ(sheet.crosses[0], QPoint(0, 0));
    EXPECT_EQ(sheet.crosses[1], QPoint(m.HorzRes, 0));
    EXPECT_EQ(sheet.crosses[2], QPoint(0, m.VertRes));
    EXPECT_EQ(sheet.crosses[3], QPoint(m.HorzRes, m.VertRes));
    // The paper's centre, not the printable area's: the margins differ.
    EXPECT_EQ(sheet.crosses[4], QPoint(2481 - 119, 3508 - 94));
    // Every line lies inside the printable area, the corner lines with their outer edges on its border.
    const QRect area(0, 0, m.HorzRes, m.VertRes);
    for (const QRect &r : sheet.lines)
        EXPECT_TRUE(area.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(m.HorzRes - 1, 0), QPoint(0, m.VertRes - 1),
                                QPoint(m.HorzRes - 1, m.VertRes - 1)})
        EXPECT_TRUE(covered(sheet, corner)) << corner.x() << "," << corner.y();
    // The centre cross's lines meet at the centre and reach 15 mm each way (the far end not included).
    const QPoint c = sheet.crosses[4];
    for (const QPoint d : {QPoint(353, 0), QPoint(-354, 0), QPoint(0, 353), QPoint(0, -354)})
        EXPECT_TRUE(covered(sheet, c + d));
    EXPECT_FALSE(covered(sheet, c + QPoint(40, 40)));
    EXPECT_GE(sheet.lineWidth, 2);
    // Title, printer and instruction.
    bool named = false;
    for (const CalibrationText &t : sheet.texts)
        named = named || t.text.contains(QStringLiteral("Office_Laser"));
    EXPECT_TRUE(named);
    EXPECT_TRUE(CalibrationSheetGeometry(PrinterMeasures{}, {}).lines.empty());
}

TEST(CalibrationSheet, TheScalesReadTheOffsetThatMovesAShiftedPrintBack)
{
    const PrinterMeasures m = uneven600();
    const CalibrationSheet sheet = CalibrationSheetGeometry(m, QString());
    const QPoint c = sheet.crosses[4];
    // The centre's scales: 20 mm below and right of the cross, zero in line with it, a mark a millimetre.
    std::map<int, QPoint> across, down;
    for (const CalibrationTick &t : sheet.ticks) {
        if (t.at.y() == c.y() + 472 && std::abs(t.at.x() - c.x()) <= 240)
            across[t.value] = t.at;
        if (t.at.x() == c.x() + 472 && std::abs(t.at.y() - c.y()) <= 240)
            down[t.value] = t.at;
    }
    ASSERT_EQ(across.size(), 21u);
    ASSERT_EQ(down.size(), 21u);
    for (int v = -10; v <= 10; ++v) {
        EXPECT_NEAR(mm(across[v].x() - c.x()), v, 0.05) << v;
        EXPECT_NEAR(mm(down[v].y() - c.y()), v, 0.05) << v;
    }
    // A printer that prints 1.5 mm too far right puts the scale 1.5 mm right of the paper's centre: the
    // crease of the folded paper then crosses the scale at -1.5, the offset that moves it back.
    const double creaseOnPrint = mm(c.x()) - 1.5;
    EXPECT_NEAR(mm(across[-2].x()) + 0.5, creaseOnPrint, 0.05);

    // The top-left corner's scale across: folding the paper's edge over along the corner line puts it
    // as far inside the line as the margin (5 mm) plus the print's shift; value 0 stands at 5 mm.
    std::map<int, QPoint> left, right, top, bottom;
    for (const CalibrationTick &t : sheet.ticks) {
        if (t.at.y() == 472 && t.at.x() < 472)
            left[t.value] = t.at;
        if (t.at.y() == 472 && t.at.x() > m.HorzRes - 472)
            right[t.value] = t.at;
        if (t.at.x() == 472 && t.at.y() < 472)
            top[t.value] = t.at;
        if (t.at.x() == 472 && t.at.y() > m.VertRes - 472)
            bottom[t.value] = t.at;
    }
    EXPECT_NEAR(mm(left.at(0).x()), 5.0, 0.05);
    EXPECT_NEAR(mm(left.at(-2).x()), 7.0, 0.05); // printed 2 mm too far right: move it back 2 mm
    EXPECT_NEAR(mm(left.at(5).x()), 0.0, 0.05);  // the last value with room inside the line
    EXPECT_EQ(left.count(6), 0u);
    EXPECT_EQ(left.count(-10), 1u);
    // The right edge's margin is 3 mm: value 0 stands 3 mm inside, and a print 2 mm too far right leaves
    // the edge 1 mm inside, at value -2.
    EXPECT_NEAR(mm(m.HorzRes - right.at(0).x()), 3.0, 0.05);
    EXPECT_NEAR(mm(m.HorzRes - right.at(-2).x()), 1.0, 0.05);
    EXPECT_EQ(right.count(-4), 0u);
    EXPECT_NEAR(mm(top.at(0).y()), 4.0, 0.05);
    EXPECT_NEAR(mm(m.VertRes - bottom.at(0).y()), 12.0, 0.05);
    EXPECT_NEAR(mm(m.VertRes - bottom.at(-3).y()), 9.0, 0.05);
}
