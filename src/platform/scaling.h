// Control scaling: a parent's children moved, resized and their fonts scaled by M/D.
#pragma once

class QWidget;

// A control that scales itself differently from plain bounds scaling (fonts, own geometry fields).
class ScaleAware
{
public:
    virtual ~ScaleAware() = default;
    virtual void ChangeScale(int multiplier, int divisor) = 0;
};

// Scales the widget's size and every child's bounds (and, through ScaleAware, fonts) by M/D.
void ScaleBy(QWidget *widget, int multiplier, int divisor);

// trunc(M x value / D + 0.5): one length a control keeps itself, scaled as card copies scale it.
// Worked out in a wide type and kept within what a widget can hold (+-QWIDGETSIZE_MAX), so stored
// values near the int range cannot overflow at any resolution.
int ScaleRounded(int value, int multiplier, int divisor);
// MulDiv(value, M, D) the same way: rounded half away from zero, wide, kept within that range.
int ScaleClamped(int value, int multiplier, int divisor);

// Scales one control's bounds by M/D from its edges, so that neighbouring edges stay together.
void ScaleBounds(QWidget *widget, int multiplier, int divisor);
