// The placeholder drawn where a picture's data cannot be drawn.
#include "platform/broken_picture.h"

#include <QPainter>
#include <QRect>

void DrawBrokenPicture(QPainter &painter, const QRect &target)
{
    const QRect box = target.normalized();
    if (box.isEmpty())
        return;
    painter.save();
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 0));
    painter.setBrush(QColor(0xD8, 0xD8, 0xD8));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    painter.restore();
}
