// TGridShape: a windowless control drawing a square lattice of thin lines over its whole area.
#pragma once

#include "controls/graphiccontrol.h"
#include "controls/penbrush.h"
#include "document/streamable.h"

class TGridShape : public TGraphicControl, public TPenBrushOwner, public Streamable
{
public:
    // Pen: the lines; brush: selected while painting, never filled with.
    explicit TGridShape(QWidget *parent = nullptr);

    // Streaming (Streamable): the component name is the control's Name.
    QString ClassName() const override;
    QString ComponentName() const override { return Name(); }
    void SetComponentName(const QString &name) override { SetName(name); }
    void WriteProperties(PropertyWriter &writer) const override;
    void ReadProperty(const QString &name, const StreamValue &value) override;

    // The pitch as stored (any value a document carries) ...
    int GridWidth() const { return gridWidth_; }
    void SetGridWidth(int value);
    // ... and as drawn and snapped to: a pitch below 1 counts as 1.
    int EffectiveGridWidth() const { return gridWidth_ < 1 ? 1 : gridWidth_; }

    // Called by pen and brush changes: repaints.
    void StyleChanged() { update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int gridWidth_ = 0;
};
