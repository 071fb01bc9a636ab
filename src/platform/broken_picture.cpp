// The placeholder drawn where a picture's data cannot be drawn, and the record of where it was.
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

namespace {
UndrawablePictures *current = nullptr;
} // namespace

UndrawablePictures::UndrawablePictures() : outer_(current)
{
    current = this;
}

UndrawablePictures::~UndrawablePictures()
{
    current = outer_;
}

void NoteUndrawablePicture(const QString &description)
{
    if (current && !current->list_.contains(description))
        current->list_ << description;
}
