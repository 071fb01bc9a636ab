// The page setup dialog's diagram: a white sheet at one pixel per millimetre with one outline per card.
#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

class TLayoutDiagram : public QWidget
{
public:
    explicit TLayoutDiagram(QWidget *parent = nullptr);

    // The cards' rectangles in panel pixels; each is drawn white with a black one-pixel outline.
    void SetCells(std::vector<QRect> cells);
    const std::vector<QRect> &Cells() const { return cells_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<QRect> cells_;
};
