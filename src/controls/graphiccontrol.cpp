// The windowless control base: state shared by every card control and mouse event delivery.
#include "controls/graphiccontrol.h"

#include "controls/shapegeometry.h"

#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

TGraphicControl::TGraphicControl(QWidget *parent) : QWidget(parent)
{
    // A control starts with no extent at the parent's origin until it is given bounds.
    setGeometry(0, 0, 0, 0);
    // Like the class library's controls, a move without a pressed button is reported as well.
    setMouseTracking(true);
    if (parent)
        show();
}

void TGraphicControl::SetCursor(TCursor value)
{
    cursor_ = value;
    if (auto shape = CursorFor(value))
        setCursor(*shape);
    else
        unsetCursor();
}

void TGraphicControl::SetEnabled(bool value)
{
    if (enabled_ == value)
        return;
    enabled_ = value;
    setAttribute(Qt::WA_TransparentForMouseEvents, !value);
    update();
}

void TGraphicControl::SetVisible(bool value)
{
    visible_ = value;
    // Without a parent, showing would open a window of its own; the control shows with its next parent.
    if (parentWidget() || !value)
        setVisible(value);
}

void TGraphicControl::SetLeft(int value)
{
    SetBounds(value, y(), width(), height());
}

void TGraphicControl::SetTop(int value)
{
    SetBounds(x(), value, width(), height());
}

void TGraphicControl::SetWidth(int value)
{
    SetBounds(x(), y(), value, height());
}

void TGraphicControl::SetHeight(int value)
{
    SetBounds(x(), y(), width(), value);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height)
{
    setGeometry(ClampPosition(left), ClampPosition(top), std::clamp(width, 0, QWIDGETSIZE_MAX),
                std::clamp(height, 0, QWIDGETSIZE_MAX));
}

void TGraphicControl::ChangeScale(int multiplier, int divisor)
{
    if (divisor != 0 && multiplier != divisor)
        ScaleBounds(this, multiplier, divisor);
}

void TGraphicControl::ScaleFigure(int, int) {}

void TGraphicControl::SetParent(QWidget *parent)
{
    setParent(parent);
    if (parent)
        setVisible(visible_);
}

void TGraphicControl::fire(const TMouseEvent &handler, Qt::MouseButton button, QMouseEvent *event)
{
    event->accept();
    // A copy, so that a handler may replace the control's handlers while it runs.
    const TMouseEvent call = handler;
    if (call) {
        const QPoint p = event->position().toPoint();
        call(this, button, event->modifiers(), p.x(), p.y());
    }
}

void TGraphicControl::mousePressEvent(QMouseEvent *event)
{
    fire(OnMouseDown, event->button(), event);
}

void TGraphicControl::mouseMoveEvent(QMouseEvent *event)
{
    fire(OnMouseMove, Qt::NoButton, event);
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent *event)
{
    fire(OnMouseUp, event->button(), event);
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click: the double-click handler first, then the press, as the
    // class library reports it.
    QPointer<TGraphicControl> alive(this);
    const TNotifyEvent dblClick = OnDblClick;
    if (event->button() == Qt::LeftButton && dblClick)
        dblClick(this);
    if (alive)
        fire(OnMouseDown, event->button(), event);
}
