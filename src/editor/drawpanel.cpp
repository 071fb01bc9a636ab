// The worksheet panel.
#include "editor/drawpanel.h"

#include <QPaintEvent>
#include <QPainter>

TPanel::TPanel(QWidget *parent) : TGraphicControl(parent) {}

void TPanel::SetColor(TColor value)
{
    if (color_ != value) {
        color_ = value;
        update();
    }
}

void TPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(color_));
}
