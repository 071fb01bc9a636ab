// The page setup dialog's diagram: a white sheet at one pixel per millimetre with one outline per card.
#include "layout/layout_diagram.h"

#include <QPaintEvent>
#include <QPainter>

TLayoutDiagram::TLayoutDiagram(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LayoutPanel"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void TLayoutDiagram::SetCells(std::vector<QRect> cells)
{
    cells_ = std::move(cells);
    update();
}

void TLayoutDiagram::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    for (const QRect &cell : cells_)
        if (cell.intersects(event->rect()))
            painter.drawRect(cell.adjusted(0, 0, -1, -1)); // the outline lies inside the card
}
