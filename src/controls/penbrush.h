// The pen and brush that the shape and the grid own, with the change notification they share.
#pragma once

#include "platform/graphics.h"

#include <functional>

// Owns a pen and a brush and calls back whenever either changes (their OnChange belongs to the owner).
class TPenBrushOwner
{
public:
    TPen &Pen() { return pen_; }
    const TPen &Pen() const { return pen_; }
    TBrush &Brush() { return brush_; }
    const TBrush &Brush() const { return brush_; }
    // Copy the attributes into the owned pen or brush.
    void SetPen(const TPen &value) { pen_.Assign(value); }
    void SetBrush(const TBrush &value) { brush_.Assign(value); }

protected:
    explicit TPenBrushOwner(const std::function<void()> &changed)
    {
        pen_.OnChange = changed;
        brush_.OnChange = changed;
    }

    TPen pen_;
    TBrush brush_;
};
