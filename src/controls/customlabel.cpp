// TCustomLabel: properties, auto-size and painting of a text label.
#include "controls/customlabel.h"

#include <QPainter>
#include <QPalette>

TCustomLabel::TCustomLabel(QWidget *parent) : TGraphicControl(parent)
{
    resize(65, 17);
    font_.OnChange = [this] { fontChanged(); };
}

void TCustomLabel::SetCaption(const QString &value)
{
    if (caption_ == value)
        return;
    caption_ = value;
    AdjustBounds();
    update();
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (alignment_ == value)
        return;
    alignment_ = value;
    update();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (layout_ == value)
        return;
    layout_ = value;
    update();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (wordWrap_ == value)
        return;
    wordWrap_ = value;
    AdjustBounds();
    update();
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (autoSize_ == value)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    update();
}

void TCustomLabel::SetColor(TColor value)
{
    parentColor_ = false;
    if (color_ == value)
        return;
    color_ = value;
    update();
}

void TCustomLabel::SetParentColor(bool value)
{
    if (parentColor_ == value)
        return;
    parentColor_ = value;
    update();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    showAccelChar_ = value;
    update();
}

void TCustomLabel::fontChanged()
{
    parentFont_ = false;
    AdjustBounds();
    update();
}

int TCustomLabel::TextWidth(const QString &text) const
{
    return QFontMetrics(font_.ToQFont()).horizontalAdvance(text);
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_)
        return;
    TRect r{0, 0, width(), height()};
    DoDrawText(nullptr, r, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0u));
    int left = x();
    if (alignment_ == taRightJustify)
        left += width() - r.Right;
    SetBounds(left, y(), r.Right, r.Bottom);
}

void TCustomLabel::ChangeScale(int multiplier, int divisor)
{
    if (divisor == 0 || multiplier == divisor)
        return;
    TGraphicControl::ChangeScale(multiplier, divisor);
    // Scaling is not a choice of font: a label that follows its parent's font still does.
    const bool parentFont = parentFont_;
    font_.SetSize(ScaleClamped(font_.Size(), multiplier, divisor));
    parentFont_ = parentFont;
}

void TCustomLabel::DoDrawText(QPainter *painter, TRect &rect, unsigned format)
{
    DrawCaption(painter, font_.ToQFont(), rect, format);
}

void TCustomLabel::DrawCaption(QPainter *painter, const QFont &font, TRect &rect, unsigned format)
{
    QString text = caption_;
    // An empty label still measures one line high.
    if ((format & DT_CALCRECT) && (text.isEmpty() || (showAccelChar_ && text == QStringLiteral("&"))))
        text += u' ';
    if (!showAccelChar_)
        format |= DT_NOPREFIX;
    if (Enabled()) {
        DrawText(painter, font, ToQColor(font_.Color()), text, rect, format);
        return;
    }
    // Disabled: the text in the highlight colour one pixel down and right, then in the shadow colour.
    rect.Offset(1, 1);
    DrawText(painter, font, ToQColor(clBtnHighlight), text, rect, format);
    rect.Offset(-1, -1);
    DrawText(painter, font, ToQColor(clBtnShadow), text, rect, format);
}

void TCustomLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!transparent_) {
        const QWidget *parent = parentWidget();
        const QColor fill =
            parentColor_ && parent ? parent->palette().color(parent->backgroundRole()) : ToQColor(color_);
        painter.fillRect(rect(), fill);
    }
    TRect r{0, 0, width(), height()};
    unsigned format = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0u);
    if (alignment_ == taRightJustify)
        format |= DT_RIGHT;
    else if (alignment_ == taCenter)
        format |= DT_CENTER;
    if (layout_ != tlTop) {
        TRect calc = r;
        DoDrawText(nullptr, calc, format | DT_CALCRECT);
        const int spare = height() - calc.Bottom;
        r.Offset(0, layout_ == tlBottom ? spare : spare / 2);
    }
    DoDrawText(&painter, r, format);
}
