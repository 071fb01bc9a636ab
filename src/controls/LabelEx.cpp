// TLabelEx: letter-spaced drawing and measuring of the caption.
#include "controls/LabelEx.h"

#include "platform/scaling.h"

#include <QFont>
#include <algorithm>
#include <climits>

TLabelEx::TLabelEx(QWidget *parent) : TCustomLabel(parent)
{
    SetShowAccelChar(false);
}

void TLabelEx::SetGap(int value)
{
    gap_ = value;
    update();
}

void TLabelEx::ScaleFigure(int m, int d)
{
    SetGap(ScaleRounded(gap_, m, d));
}

void TLabelEx::DoDrawText(QPainter *painter, TRect &rect, unsigned format)
{
    // Qt keeps letter spacing in 26.6 fixed point; beyond this it would wrap around.
    constexpr int spacingLimit = 100000;
    QFont font = Font().ToQFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, std::clamp(gap_, -spacingLimit, spacingLimit));
    DrawCaption(painter, font, rect, format);
    rect.Right = int(std::clamp<long long>(static_cast<long long>(rect.Right) - gap_, INT_MIN, INT_MAX));
    rect.Bottom =
        int(std::clamp<long long>(rect.Bottom + static_cast<long long>(Font().Size()) / 5, INT_MIN, INT_MAX));
}
