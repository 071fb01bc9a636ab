// TQVShape: a windowless control drawing one figure whose box is kept apart from the control's bounds.
#pragma once

#include "controls/graphiccontrol.h"
#include "controls/penbrush.h"
#include "controls/shapegeometry.h"
#include "document/streamable.h"

// Left, Top, Width and Height are the figure's box; the control's bounds are that box widened by the pen
// (ShapeBounds), so a thick outline is never clipped and the figure stays put when the pen changes.
// Moving the bounds directly (SetBounds, scaling) leaves the box fields as they were.
class TQVShape : public TGraphicControl, public TPenBrushOwner, public Streamable
{
public:
    explicit TQVShape(QWidget *parent = nullptr);

    // Streaming (Streamable): the component name is the control's Name.
    QString ClassName() const override;
    QString ComponentName() const override { return Name(); }
    void SetComponentName(const QString &name) override { SetName(name); }
    void WriteProperties(PropertyWriter &writer) const override;
    void ReadProperty(const QString &name, const StreamValue &value) override;

    TQVShapeType Shape() const { return shape_; }
    void SetShape(TQVShapeType value);

    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetLeft(int value) override;
    void SetTop(int value) override;
    void SetWidth(int value) override;
    void SetHeight(int value) override;

    // The figure's Top, Left, Width and Height in this order, then the pen width, each to
    // trunc(M x value / D + 0.5).
    void ScaleFigure(int multiplier, int divisor) override;

    // Called by pen and brush changes: puts the bounds back around the figure for the current pen,
    // then repaints.
    void StyleChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeBounds();

    TQVShapeType shape_ = qvstRectangle;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};
