// Tool cursors drawn in code: a cross-hair with a small figure, picture or text mark beside it.
#include "editor/tool_cursors.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

namespace {

QCursor makeCursor(int slot)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    // White halo first so the cursor shows on dark cards as well.
    for (const QColor &color : {QColor(Qt::white), QColor(Qt::black)}) {
        const bool halo = color == Qt::white;
        p.setPen(QPen(color, halo ? 3 : 1));
        p.drawLine(7, 0, 7, 14);
        p.drawLine(0, 7, 14, 7);
        switch (slot) {
        case ShapeCursorSlot:
            p.setBrush(Qt::NoBrush);
            p.drawRect(16, 16, 11, 8);
            break;
        case ImageCursorSlot:
            p.drawRect(16, 15, 12, 10);
            p.drawLine(17, 24, 21, 19);
            p.drawLine(21, 19, 27, 24);
            break;
        default:
            p.drawLine(21, 14, 21, 28);
            p.drawLine(18, 14, 24, 14);
            p.drawLine(18, 28, 24, 28);
            break;
        }
    }
    return QCursor(pixmap, 7, 7);
}

} // namespace

void LoadToolCursors()
{
    for (int slot : {ShapeCursorSlot, ImageCursorSlot, TextCursorSlot})
        SetScreenCursor(slot, makeCursor(slot));
}
