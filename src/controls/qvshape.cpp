// TQVShape: geometry fields, bounds and painting of the figure.
#include "controls/qvshape.h"

#include "controls/penmode.h"
#include "platform/scaling.h"

#include <QPainter>

TQVShape::TQVShape(QWidget *parent) : TGraphicControl(parent), TPenBrushOwner([this] { StyleChanged(); }) {}

void TQVShape::SetShape(TQVShapeType value)
{
    if (shape_ == value)
        return;
    shape_ = value;
    update();
}

void TQVShape::SetLeft(int value)
{
    if (left_ == value)
        return;
    left_ = value;
    placeBounds();
}

void TQVShape::SetTop(int value)
{
    if (top_ == value)
        return;
    top_ = value;
    placeBounds();
}

void TQVShape::SetWidth(int value)
{
    if (width_ == value)
        return;
    width_ = value;
    placeBounds();
}

void TQVShape::SetHeight(int value)
{
    if (height_ == value)
        return;
    height_ = value;
    placeBounds();
}

void TQVShape::ScaleFigure(int m, int d)
{
    SetTop(ScaleRounded(top_, m, d));
    SetLeft(ScaleRounded(left_, m, d));
    SetWidth(ScaleRounded(width_, m, d));
    SetHeight(ScaleRounded(height_, m, d));
    Pen().SetWidth(ScaleRounded(Pen().Width(), m, d));
}

void TQVShape::StyleChanged()
{
    placeBounds();
    update();
}

void TQVShape::placeBounds()
{
    const QRect r = ShapeBounds(left_, top_, width_, height_, pen_.Width());
    SetBounds(r.x(), r.y(), r.width(), r.height());
}

namespace {

// A figure without extent in one direction: the pen's trace along it (a line or a point), as the
// rectangle and ellipse primitives would leave it.
void drawDegenerate(QPainter &painter, const TPen &pen, const ShapeFigure &f)
{
    const QPen qpen = pen.ToQPen();
    if (qpen.style() == Qt::NoPen)
        return;
    if (qpen.width() <= 1) {
        // A one-pixel line leaves out its end point, so it runs one past the last pixel.
        painter.setPen(qpen);
        if (f.d - 1 == f.b)
            painter.drawLine(f.a, f.b, f.c, f.b);
        else
            painter.drawLine(f.a, f.b, f.a, f.d);
        return;
    }
    const int p = qpen.width();
    painter.fillRect(QRect(f.a - p / 2, f.b - p / 2, f.c - 1 - f.a + p, f.d - 1 - f.b + p), qpen.color());
}

} // namespace

void TQVShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!SelectPenMode(painter, pen_.Mode()))
        return;
    const ShapeFigure f = FigureFor(shape_, width_, height_, pen_.Width());
    painter.setPen(pen_.ToQPen());
    if (f.kind == ShapeFigure::Line) {
        // On integer points Qt's thin line leaves out its end point, as the canvas does.
        painter.drawLine(f.a, f.b, f.c, f.d);
        return;
    }
    painter.setBrush(brush_.ToQBrush());
    if (f.c - f.a - 1 == 0 || f.d - f.b - 1 == 0) {
        drawDegenerate(painter, pen_, f);
        return;
    }
    // The outline runs through the centres of the pixels a..c-1 and b..d-1: a one-pixel pen covers
    // exactly those, as the exclusive corner (c, d) leaves them, and a dotted pen starts on the corner.
    painter.translate(0.5, 0.5);
    const QRectF box(f.a, f.b, f.c - f.a - 1, f.d - f.b - 1);
    switch (f.kind) {
    case ShapeFigure::RoundRect:
        painter.drawRoundedRect(box, f.corner / 2.0, f.corner / 2.0);
        break;
    case ShapeFigure::Ellipse:
        painter.drawEllipse(box);
        break;
    default:
        painter.drawRect(box);
        break;
    }
}
