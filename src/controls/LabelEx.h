// TLabelEx: the card's text label, drawing its caption with extra pixels after every character.
#pragma once

#include "controls/customlabel.h"
#include "document/streamable.h"

class TLabelEx : public TCustomLabel, public Streamable
{
public:
    // A new label shows "&" as itself (ShowAccelChar false).
    explicit TLabelEx(QWidget *parent = nullptr);

    // Streaming (Streamable): the component name is the control's Name.
    QString ClassName() const override;
    QString ComponentName() const override { return Name(); }
    void SetComponentName(const QString &name) override { SetName(name); }
    void WriteProperties(PropertyWriter &writer) const override;
    void ReadProperty(const QString &name, const StreamValue &value) override;

    // Extra pixels after every character, in drawing and measuring alike. Setting it repaints; it
    // does not re-fit an auto-sized label.
    int Gap() const { return gap_; }
    void SetGap(int value);
    // The gap to trunc(M x Gap / D + 0.5).
    void ScaleFigure(int multiplier, int divisor) override;

protected:
    // Measures or draws with the gap as letter spacing; then takes the gap after the last character
    // off the right edge and adds a fifth of the font size in points to the bottom.
    void DoDrawText(QPainter *painter, TRect &rect, unsigned format) override;

private:
    int gap_ = 0;
};
