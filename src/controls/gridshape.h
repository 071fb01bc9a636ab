// TGridShape: a windowless control drawing a square lattice of thin lines over its whole area.
#pragma once

#include "controls/graphiccontrol.h"
#include "platform/graphics.h"

class TGridShape : public TGraphicControl
{
public:
    explicit TGridShape(QWidget *parent = nullptr);

    // The owned pen (the lines) and brush (selected, never filled); changing them repaints (their
    // OnChange belongs to the grid).
    TPen &Pen() { return pen_; }
    const TPen &Pen() const { return pen_; }
    TBrush &Brush() { return brush_; }
    const TBrush &Brush() const { return brush_; }
    void SetPen(const TPen &value) { pen_.Assign(value); }
    void SetBrush(const TBrush &value) { brush_.Assign(value); }

    // The pitch as stored (any value a document carries) ...
    int GridWidth() const { return gridWidth_; }
    void SetGridWidth(int value);
    // ... and as drawn and snapped to: a pitch below 1 counts as 1.
    int EffectiveGridWidth() const { return gridWidth_ < 1 ? 1 : gridWidth_; }

    void StyleChanged() { update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TPen pen_;
    TBrush brush_;
    int gridWidth_ = 0;
};
