// Tool-button glyphs: small line drawings, so no binary resources are needed.
#include "editor/glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap canvas(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawLetter(QPainter &p, const QRect &r, const QString &text, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(15);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawPage(QPainter &p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(5, 2), QPoint(13, 2), QPoint(17, 6), QPoint(17, 19), QPoint(5, 19)}));
    p.drawLine(13, 2, 13, 6);
    p.drawLine(13, 6, 17, 6);
}

QPixmap drawToolGlyph(Glyph glyph)
{
    QPixmap pixmap = canvas(20, 20);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPen ink(Qt::black, 1);
    p.setPen(ink);
    switch (glyph) {
    case Glyph::Text:
        drawLetter(p, pixmap.rect(), QStringLiteral("A"), true, false, false);
        break;
    case Glyph::Pointer: {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({QPoint(6, 2), QPoint(6, 16), QPoint(9, 13), QPoint(12, 18), QPoint(14, 17),
                                QPoint(11, 12), QPoint(15, 12)}));
        break;
    }
    case Glyph::Square:
        p.drawRect(4, 4, 12, 12);
        break;
    case Glyph::Rect:
        p.drawRect(2, 6, 16, 9);
        break;
    case Glyph::Circle:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(QRectF(3.5, 3.5, 13, 13));
        break;
    case Glyph::Ellipse:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(QRectF(1.5, 5.5, 17, 10));
        break;
    case Glyph::Line:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawLine(3, 17, 17, 3);
        break;
    case Glyph::Picture:
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(2, 4, 16, 12);
        p.setBrush(QColor(60, 160, 60));
        p.drawPolygon(
            QPolygon({QPoint(3, 15), QPoint(8, 9), QPoint(12, 13), QPoint(14, 11), QPoint(17, 15)}));
        p.setBrush(QColor(240, 200, 0));
        p.drawEllipse(12, 6, 3, 3);
        break;
    default:
        break;
    }
    return pixmap;
}

QPixmap drawStripGlyph(Glyph glyph)
{
    QPixmap pixmap = canvas(55, 9);
    QPainter p(&pixmap);
    if (glyph == Glyph::LineSolid || glyph == Glyph::LineDot) {
        QPen pen(Qt::black, 1);
        if (glyph == Glyph::LineDot)
            pen.setDashPattern({1, 2});
        p.setPen(pen);
        p.drawLine(4, 4, 50, 4);
    } else {
        const int width = 1 + int(glyph) - int(Glyph::LineWidth1);
        p.fillRect(4, 4 - width / 2, 47, width, Qt::black);
    }
    return pixmap;
}

QPixmap drawFileGlyph(Glyph glyph)
{
    QPixmap pixmap = canvas(22, 22);
    QPainter p(&pixmap);
    p.setPen(QColor(60, 60, 60));
    switch (glyph) {
    case Glyph::Open:
        p.setBrush(QColor(240, 210, 110));
        p.drawPolygon(QPolygon(
            {QPoint(2, 6), QPoint(8, 6), QPoint(10, 8), QPoint(19, 8), QPoint(19, 18), QPoint(2, 18)}));
        p.setBrush(QColor(250, 230, 150));
        p.drawPolygon(QPolygon({QPoint(2, 18), QPoint(6, 11), QPoint(21, 11), QPoint(19, 18)}));
        break;
    case Glyph::New:
        drawPage(p);
        break;
    case Glyph::Save:
        p.setBrush(QColor(70, 90, 160));
        p.drawRect(3, 3, 16, 16);
        p.setBrush(Qt::white);
        p.drawRect(6, 3, 10, 6);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(6, 12, 10, 7);
        break;
    case Glyph::PageSetup:
        drawPage(p);
        p.setPen(QColor(0, 0, 160));
        p.drawRect(7, 8, 4, 3);
        p.drawRect(11, 8, 4, 3);
        p.drawRect(7, 11, 4, 3);
        p.drawRect(11, 11, 4, 3);
        p.drawRect(7, 14, 4, 3);
        p.drawRect(11, 14, 4, 3);
        break;
    case Glyph::Preview:
        drawPage(p);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 0), 2));
        p.setBrush(QColor(200, 230, 255, 180));
        p.drawEllipse(QRectF(8, 8, 8, 8));
        p.drawLine(15, 15, 20, 20);
        break;
    case Glyph::Print:
        p.setBrush(Qt::white);
        p.drawRect(6, 2, 10, 7);
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(2, 9, 18, 8);
        p.setBrush(Qt::white);
        p.drawRect(6, 14, 10, 6);
        break;
    case Glyph::Back:
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(40, 110, 200));
        p.drawPolygon(QPolygon({QPoint(2, 11), QPoint(10, 3), QPoint(10, 7), QPoint(19, 7), QPoint(19, 15),
                                QPoint(10, 15), QPoint(10, 19)}));
        break;
    case Glyph::Cut:
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(7, 3, 14, 14);
        p.drawLine(15, 3, 8, 14);
        p.drawEllipse(QRectF(4, 14, 5, 5));
        p.drawEllipse(QRectF(13, 14, 5, 5));
        break;
    case Glyph::Copy:
        p.setBrush(Qt::white);
        p.drawRect(3, 2, 10, 12);
        p.drawRect(8, 7, 10, 12);
        break;
    case Glyph::Paste:
        p.setBrush(QColor(190, 140, 80));
        p.drawRect(3, 4, 14, 16);
        p.setBrush(QColor(180, 180, 180));
        p.drawRect(7, 2, 6, 4);
        p.setBrush(Qt::white);
        p.drawRect(9, 9, 10, 11);
        break;
    case Glyph::Undo:
    case Glyph::Redo: {
        // A curved arrow turning back to the left (undo) or on to the right (redo).
        p.setRenderHint(QPainter::Antialiasing);
        if (glyph == Glyph::Redo)
            p.setTransform(QTransform(-1, 0, 0, 1, 22, 0));
        p.setPen(QPen(QColor(30, 70, 150), 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(6, 9);
        arc.cubicTo(12, 3, 21, 7, 18, 14);
        arc.cubicTo(16, 18, 12, 19, 9, 18);
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 70, 150));
        p.drawPolygon(QPolygon({QPoint(2, 10), QPoint(9, 4), QPoint(10, 13)}));
        break;
    }
    case Glyph::Background:
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(2, 3, 18, 15);
        p.setBrush(QColor(60, 160, 60));
        p.drawPolygon(
            QPolygon({QPoint(3, 17), QPoint(9, 9), QPoint(13, 14), QPoint(16, 11), QPoint(19, 17)}));
        break;
    case Glyph::Grid:
        p.setPen(QColor(120, 120, 120));
        for (int i = 3; i <= 19; i += 4) {
            p.drawLine(i, 3, i, 19);
            p.drawLine(3, i, 19, i);
        }
        break;
    case Glyph::Gap: {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, 22, 12), Qt::AlignCenter, QStringLiteral("A  B"));
        p.drawLine(8, 16, 14, 16);
        p.drawLine(8, 14, 8, 18);
        p.drawLine(14, 14, 14, 18);
        break;
    }
    default:
        break;
    }
    return pixmap;
}

} // namespace

QIcon GlyphIcon(Glyph glyph)
{
    switch (glyph) {
    case Glyph::LineSolid:
    case Glyph::LineDot:
    case Glyph::LineWidth1:
    case Glyph::LineWidth2:
    case Glyph::LineWidth3:
    case Glyph::LineWidth4:
    case Glyph::LineWidth5:
    case Glyph::LineWidth6:
        return QIcon(drawStripGlyph(glyph));
    case Glyph::Bold:
    case Glyph::Italic:
    case Glyph::Underline: {
        QPixmap pixmap = canvas(20, 20);
        QPainter p(&pixmap);
        drawLetter(p, pixmap.rect(),
                   glyph == Glyph::Bold     ? QStringLiteral("B")
                   : glyph == Glyph::Italic ? QStringLiteral("I")
                                            : QStringLiteral("U"),
                   glyph == Glyph::Bold, glyph == Glyph::Italic, glyph == Glyph::Underline);
        return QIcon(pixmap);
    }
    case Glyph::Text:
    case Glyph::Pointer:
    case Glyph::Square:
    case Glyph::Rect:
    case Glyph::Circle:
    case Glyph::Ellipse:
    case Glyph::Line:
    case Glyph::Picture:
        return QIcon(drawToolGlyph(glyph));
    default:
        return QIcon(drawFileGlyph(glyph));
    }
}
