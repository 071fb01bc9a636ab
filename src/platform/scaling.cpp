// Control scaling.
#include "platform/scaling.h"

#include "platform/graphics.h"

#include <QWidget>

int ScaleRounded(int value, int m, int d)
{
    return int(double(m) * value / d + 0.5);
}

void ScaleBounds(QWidget *widget, int m, int d)
{
    const QRect r = widget->geometry();
    const int x = MulDiv(r.x(), m, d);
    const int y = MulDiv(r.y(), m, d);
    const int w = MulDiv(r.x() + r.width(), m, d) - x;
    const int h = MulDiv(r.y() + r.height(), m, d) - y;
    widget->setGeometry(x, y, w, h);
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
    widget->resize(MulDiv(widget->width(), m, d), MulDiv(widget->height(), m, d));
}
