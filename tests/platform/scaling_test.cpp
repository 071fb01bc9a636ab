// Scaling stored lengths and control bounds for card copies: exact rounding, no overflow at any size.
#include "platform/scaling.h"

#include <QWidget>
#include <climits>
#include <gtest/gtest.h>

TEST(Scaling, RoundsAsCardCopiesAlwaysHave)
{
    EXPECT_EQ(ScaleRounded(455, 600, 127), 2150);
    EXPECT_EQ(ScaleRounded(3, 1, 2), 2);   // 1.5 rounds up
    EXPECT_EQ(ScaleRounded(-5, 1, 2), -2); // trunc(-2.5 + 0.5)
    EXPECT_EQ(ScaleClamped(-3, 1, 2), -2); // MulDiv: halves away from zero
    EXPECT_EQ(ScaleClamped(455, 600, 127), 2150);
    EXPECT_EQ(ScaleRounded(7, 0, 0), 7);
}

TEST(Scaling, StoredValuesNearTheIntRangeStayInRangeAtHighResolutions)
{
    // A damaged document may store any int; --dpi goes up to 2400.
    for (int value : {INT_MAX, INT_MAX - 1, INT_MIN, INT_MIN + 1, 1 << 30}) {
        const int up = ScaleRounded(value, 2400, 127);
        EXPECT_LE(std::abs(static_cast<long long>(up)), QWIDGETSIZE_MAX) << value;
        EXPECT_EQ(up > 0, value > 0);
        EXPECT_EQ(ScaleClamped(value, 2400, 127), value > 0 ? QWIDGETSIZE_MAX : -QWIDGETSIZE_MAX);
    }
}

TEST(Scaling, BoundsFarOutAreClampedNotWrapped)
{
    QWidget parent;
    auto *child = new QWidget(&parent);
    child->setGeometry(INT_MAX / 2, -(INT_MAX / 2), 1000, 500);
    ScaleBy(&parent, 2400, 127);
    EXPECT_EQ(child->x(), QWIDGETSIZE_MAX);
    EXPECT_EQ(child->y(), -QWIDGETSIZE_MAX);
    EXPECT_GE(child->width(), 0);

    child->setGeometry(10, 20, 455, 275);
    ScaleBy(&parent, 600, 127);
    EXPECT_EQ(child->geometry(), QRect(47, 94, 2150, 1300));
}
