// The control base: mouse hooks, disabled controls letting presses through, visibility across
// parents, cursors.
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"

#include "render_helpers.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Recorded
{
    QString what;
    TGraphicControl *sender;
    Qt::MouseButton button;
    Qt::KeyboardModifiers shift;
    int x, y;
};

class MouseFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 150);
        below = new TImage(&window);
        below->SetBounds(0, 0, 200, 150);
        shape = new TQVShape(&window);
        shape->SetLeft(50);
        shape->SetTop(40);
        shape->SetWidth(60);
        shape->SetHeight(30);
        shape->Pen().SetWidth(5); // bounds start at (48, 38)
        hook(below, QStringLiteral("below"));
        hook(shape, QStringLiteral("shape"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void hook(TGraphicControl *control, const QString &name)
    {
        auto record = [this, name](const QString &what) {
            return [this, name, what](TGraphicControl *sender, Qt::MouseButton button,
                                      Qt::KeyboardModifiers shift, int x, int y) {
                events.push_back({name + u' ' + what, sender, button, shift, x, y});
            };
        };
        control->OnMouseDown = record(QStringLiteral("down"));
        control->OnMouseMove = record(QStringLiteral("move"));
        control->OnMouseUp = record(QStringLiteral("up"));
        control->OnDblClick = [this, name](TGraphicControl *sender) {
            events.push_back({name + QStringLiteral(" dblclick"), sender, Qt::NoButton, {}, 0, 0});
        };
    }

    QStringList names() const
    {
        QStringList out;
        for (const Recorded &r : events)
            if (!r.what.endsWith(QStringLiteral("move")))
                out << r.what;
        return out;
    }

    QWidget window;
    TImage *below = nullptr;
    TQVShape *shape = nullptr;
    std::vector<Recorded> events;
};

} // namespace

TEST_F(MouseFixture, PressAndReleaseReachTheControlInItsOwnCoordinates)
{
    QTest::mousePress(window.windowHandle(), Qt::RightButton, Qt::AltModifier, QPoint(60, 50));
    QTest::mouseRelease(window.windowHandle(), Qt::RightButton, Qt::AltModifier, QPoint(60, 50));
    ASSERT_EQ(names(), (QStringList{QStringLiteral("shape down"), QStringLiteral("shape up")}));
    const auto down = *std::find_if(events.begin(), events.end(),
                                    [](const Recorded &r) { return r.what == QStringLiteral("shape down"); });
    EXPECT_EQ(down.sender, shape);
    EXPECT_EQ(down.button, Qt::RightButton);
    EXPECT_TRUE(down.shift & Qt::AltModifier);
    EXPECT_EQ(down.x, 60 - 48);
    EXPECT_EQ(down.y, 50 - 38);
}

TEST_F(MouseFixture, MovesAreReportedWithoutAButton)
{
    QTest::mouseMove(window.windowHandle(), QPoint(70, 60));
    QTest::mouseMove(window.windowHandle(), QPoint(72, 61));
    bool moved = false;
    for (const Recorded &r : events)
        if (r.what == QStringLiteral("shape move")) {
            moved = true;
            EXPECT_EQ(r.button, Qt::NoButton);
        }
    EXPECT_TRUE(moved);
}

TEST_F(MouseFixture, DisabledControlLetsPressesFallThrough)
{
    shape->SetEnabled(false);
    EXPECT_FALSE(shape->Enabled());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 50));
    ASSERT_EQ(names(), (QStringList{QStringLiteral("below down"), QStringLiteral("below up")}));
    const auto down = *std::find_if(events.begin(), events.end(),
                                    [](const Recorded &r) { return r.what == QStringLiteral("below down"); });
    EXPECT_EQ(down.x, 60);
    EXPECT_EQ(down.sender, below);
    shape->SetEnabled(true);
    events.clear();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 50));
    EXPECT_EQ(names().front(), QStringLiteral("shape down"));
}

TEST_F(MouseFixture, DoubleClickReportsTheDoubleClickThenThePress)
{
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 50));
    const QStringList got = names();
    const qsizetype dbl = got.indexOf(QStringLiteral("shape dblclick"));
    ASSERT_GE(dbl, 0) << got.join(u',').toStdString();
    ASSERT_LT(dbl + 1, got.size());
    EXPECT_EQ(got[dbl + 1], QStringLiteral("shape down"));
}

TEST_F(MouseFixture, HandlerMayReplaceItselfWhileRunning)
{
    int calls = 0;
    shape->OnMouseDown = [&](TGraphicControl *sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        ++calls;
        sender->OnMouseDown = nullptr;
    };
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 50));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 50));
    EXPECT_EQ(calls, 1);
}

TEST(GraphicControl, VisibilityIsKeptAcrossParents)
{
    QWidget panel;
    panel.resize(40, 40);
    auto *shape = new TQVShape;
    shape->SetWidth(10);
    shape->SetHeight(10);
    EXPECT_TRUE(shape->Visible());
    shape->SetParent(&panel);
    EXPECT_FALSE(shape->isHidden());
    EXPECT_EQ(qGray(RenderWidget(panel).pixel(0, 0)), 0);

    shape->SetVisible(false);
    EXPECT_TRUE(shape->isHidden());
    EXPECT_EQ(qGray(RenderWidget(panel).pixel(0, 0)), 255); // hidden controls are left out

    QWidget other;
    shape->SetParent(&other);
    EXPECT_TRUE(shape->isHidden());
    shape->SetVisible(true);
    EXPECT_FALSE(shape->isHidden());

    // From one shown parent to another, as a loaded document's objects move onto the worksheet.
    panel.show();
    other.show();
    shape->SetParent(&panel);
    EXPECT_TRUE(shape->isVisible());
    EXPECT_FALSE(shape->isHidden());
}

TEST(GraphicControl, CursorIdsMapToShapesAndSlots)
{
    QWidget panel;
    TImage image(&panel);
    EXPECT_EQ(image.Cursor(), crDefault);
    EXPECT_FALSE(image.testAttribute(Qt::WA_SetCursor));
    image.SetCursor(crHandPoint);
    EXPECT_EQ(image.Cursor(), crHandPoint);
    EXPECT_EQ(image.cursor().shape(), Qt::PointingHandCursor);
    image.SetCursor(crSizeNWSE);
    EXPECT_EQ(image.cursor().shape(), Qt::SizeFDiagCursor);
    image.SetCursor(crDefault);
    EXPECT_FALSE(image.testAttribute(Qt::WA_SetCursor));

    SetScreenCursor(1, QCursor(Qt::CrossCursor));
    image.SetCursor(1);
    EXPECT_EQ(image.cursor().shape(), Qt::CrossCursor);
    image.SetCursor(42); // an empty slot shows the arrow
    EXPECT_EQ(image.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(image.Cursor(), 42);
}

TEST(GraphicControl, PlainControlsMoveThroughTheirBounds)
{
    QWidget panel;
    TLabelEx label(&panel);
    label.SetAutoSize(false);
    label.SetLeft(12);
    label.SetTop(13);
    label.SetWidth(-5);
    label.SetHeight(20);
    EXPECT_EQ(label.geometry(), QRect(12, 13, 0, 20));
    TGraphicControl &base = label;
    EXPECT_EQ(base.Left(), 12);
}

TEST(GraphicControl, ShapeReportsItsFigureThroughTheBase)
{
    QWidget panel;
    TQVShape shape(&panel);
    TGraphicControl &base = shape;
    base.SetLeft(30);
    base.SetWidth(20);
    shape.Pen().SetWidth(4);
    EXPECT_EQ(base.Left(), 30);
    EXPECT_EQ(base.Width(), 20);
    EXPECT_EQ(shape.x(), 28);
}
