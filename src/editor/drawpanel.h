// The worksheet panel: a plain coloured surface that reports its mouse events to the editor.
#pragma once

#include "controls/graphiccontrol.h"
#include "platform/colors.h"

class TPanel : public TGraphicControl
{
public:
    explicit TPanel(QWidget *parent = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor color_ = clBtnFace;
};
