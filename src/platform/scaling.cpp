// Control scaling.
#include "platform/scaling.h"

#include "platform/graphics.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A widget holds no coordinate or size beyond this, so sums of positions and sizes stay in range.
constexpr long long kLimit = QWIDGETSIZE_MAX;

int clamped(long long value)
{
    return int(std::clamp(value, -kLimit, kLimit));
}

// MulDiv's rounding (halves away from zero) without its 32-bit result.
long long mulDivWide(long long number, int m, int d)
{
    const long long product = number * m;
    long long q = product / d;
    const long long r = product % d;
    if (std::llabs(r) * 2 >= std::llabs(static_cast<long long>(d)))
        q += ((product < 0) != (d < 0)) ? -1 : 1;
    return q;
}

} // namespace

int ScaleRounded(int value, int m, int d)
{
    if (d == 0)
        return value;
    const double scaled = std::trunc(double(m) * value / d + 0.5);
    return int(std::clamp(scaled, double(-kLimit), double(kLimit)));
}

int ScaleClamped(int value, int m, int d)
{
    return d == 0 ? value : clamped(mulDivWide(value, m, d));
}

void ScaleBounds(QWidget *widget, int m, int d)
{
    if (d == 0)
        return;
    const QRect r = widget->geometry();
    const long long x = mulDivWide(r.x(), m, d);
    const long long y = mulDivWide(r.y(), m, d);
    const long long w = mulDivWide(static_cast<long long>(r.x()) + r.width(), m, d) - x;
    const long long h = mulDivWide(static_cast<long long>(r.y()) + r.height(), m, d) - y;
    widget->setGeometry(clamped(x), clamped(y), std::clamp(clamped(w), 0, QWIDGETSIZE_MAX),
                        std::clamp(clamped(h), 0, QWIDGETSIZE_MAX));
}

static void scaleChildren(QWidget *parent, int m, int d)
{
    for (QObject *object : parent->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow())
            continue;
        if (auto *aware = dynamic_cast<ScaleAware *>(child)) {
            aware->ChangeScale(m, d);
        } else {
            ScaleBounds(child, m, d);
            scaleChildren(child, m, d);
        }
    }
}

void ScaleBy(QWidget *widget, int m, int d)
{
    if (d == 0)
        return;
    scaleChildren(widget, m, d);
    widget->resize(std::max(ScaleClamped(widget->width(), m, d), 0),
                   std::max(ScaleClamped(widget->height(), m, d), 0));
}
