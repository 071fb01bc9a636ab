// TGridShape: defaults, the lines drawn for a pitch, pitches below 1, and when it repaints.
#include "controls/gridshape.h"

#include "render_helpers.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Counts the vertical lines along row y and the horizontal lines along column x.
int verticalLines(const QImage &img, int y)
{
    return DarkInRow(img, y, 0, img.width());
}

int horizontalLines(const QImage &img, int x)
{
    return DarkInColumn(img, x, 0, img.height());
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

TEST(GridShape, Defaults)
{
    QWidget panel;
    TGridShape grid(&panel);
    EXPECT_EQ(grid.size(), QSize(65, 65));
    EXPECT_EQ(grid.GridWidth(), 0);
    EXPECT_EQ(grid.Pen().Color(), clBlack);
    EXPECT_EQ(grid.Brush().Style(), bsSolid);
}

TEST(GridShape, CardSizedGridWithPitchTen)
{
    TGridShape grid;
    grid.resize(455, 275);
    grid.SetGridWidth(10);
    grid.Brush().SetStyle(bsClear);
    const QImage img = RenderWidget(grid);
    EXPECT_EQ(verticalLines(img, 5), 46);
    EXPECT_EQ(horizontalLines(img, 5), 28);
    EXPECT_EQ(qGray(img.pixel(450, 274)), 0); // the last line reaches the bottom row
    EXPECT_EQ(qGray(img.pixel(454, 270)), 0); // and the right column
    EXPECT_EQ(qGray(img.pixel(451, 5)), 255); // nothing at x = W
    EXPECT_EQ(qGray(img.pixel(5, 5)), 255);   // the brush fills nothing
}

TEST(GridShape, PitchOfTheWholeWidthDrawsTheTwoEdgeLines)
{
    TGridShape grid;
    grid.resize(455, 275);
    grid.SetGridWidth(455);
    const QImage img = RenderWidget(grid);
    EXPECT_EQ(verticalLines(img, 100), 1);
    EXPECT_EQ(horizontalLines(img, 100), 1);
    EXPECT_EQ(qGray(img.pixel(0, 100)), 0);
    EXPECT_EQ(qGray(img.pixel(100, 0)), 0);
}

TEST(GridShape, PitchBelowOneDrawsAsOne)
{
    for (int pitch : {0, -7, 1}) {
        TGridShape grid;
        grid.resize(40, 30);
        grid.SetGridWidth(pitch);
        EXPECT_EQ(grid.GridWidth(), pitch); // stored as given
        EXPECT_EQ(grid.EffectiveGridWidth(), 1);
        const QImage img = RenderWidget(grid);
        EXPECT_EQ(verticalLines(img, 10), 40) << pitch;
    }
}

TEST(GridShape, ColouredThickLines)
{
    TGridShape grid;
    grid.resize(100, 50);
    grid.SetGridWidth(20);
    grid.Pen().SetColor(0xC0C0C0);
    grid.Pen().SetWidth(3);
    const QImage img = RenderWidget(grid);
    EXPECT_EQ(img.pixelColor(21, 10), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(img.pixelColor(19, 10), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(img.pixelColor(23, 10), QColor(Qt::white));
}

TEST(GridShape, RepaintsOnChangesOnly)
{
    QWidget window;
    window.resize(120, 120);
    TGridShape grid(&window);
    grid.SetGridWidth(10);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    PaintCounter counter;
    grid.installEventFilter(&counter);

    grid.SetGridWidth(10);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    grid.SetGridWidth(12);
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);

    counter.paints = 0;
    grid.Pen().SetColor(clRed);
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
}
