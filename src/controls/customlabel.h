// TCustomLabel: the windowless text label (caption, font, alignment, layout, word wrap, transparency,
// auto-size) whose text drawing and measuring routine DoDrawText a subclass may replace.
#pragma once

#include "controls/drawtext.h"
#include "controls/graphiccontrol.h"
#include "platform/graphics.h"
#include "platform/idents.h"

class QPainter;

class TCustomLabel : public TGraphicControl
{
public:
    explicit TCustomLabel(QWidget *parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString &value);
    // The owned font; a change re-fits an auto-sized label and repaints (its OnChange belongs to the
    // label).
    TFont &Font() { return font_; }
    const TFont &Font() const { return font_; }
    void SetFont(const TFont &value) { font_.Assign(value); }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // The fill colour of an opaque label; while ParentColor holds, the parent's background is used.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    // Whether the label uses its parent's font; any change of the own font clears it, as in the class
    // library. Only documents use it: the label always draws with its own font.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value) { parentFont_ = value; }
    // The control whose accelerator the label's "&" character would activate, by component name;
    // kept for documents only.
    QString FocusControl() const { return focusControl_; }
    void SetFocusControl(const QString &value) { focusControl_ = value; }
    // When true an "&" marks the next character as an underlined accelerator instead of being drawn.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);

    // The width of a text in the label's font, without letter spacing.
    int TextWidth(const QString &text) const;
    // Fits an auto-sized label to its text, keeping its left and top (its right edge when
    // right-aligned).
    void AdjustBounds();

    // Scales bounds and the font size by M/D.
    void ChangeScale(int multiplier, int divisor) override;

protected:
    // Draws the caption in `rect`, or with DT_CALCRECT in `format` measures it into `rect` (then
    // `painter` is null).
    virtual void DoDrawText(QPainter *painter, TRect &rect, unsigned format);
    // The caption drawn or measured with `font` as the label class does it: a blank stands in for an
    // empty caption when measuring, "&" is plain unless ShowAccelChar, and a disabled label draws
    // embossed.
    void DrawCaption(QPainter *painter, const QFont &font, TRect &rect, unsigned format);
    void paintEvent(QPaintEvent *event) override;

private:
    void fontChanged();

    QString caption_;
    TFont font_;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool transparent_ = false;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    bool parentFont_ = true;
    QString focusControl_;
    bool showAccelChar_ = true;
};
