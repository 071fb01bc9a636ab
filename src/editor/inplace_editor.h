// The multi-line edit box in which label text is typed on the worksheet.
#pragma once

#include "platform/graphics.h"

#include <QPlainTextEdit>
#include <functional>

// Its text starts one pixel right of its left edge and on its top edge, so a label placed one pixel
// right of it shows the text where it was typed. It carries the font and the gap of the label to be.
class TInPlaceEditor : public QPlainTextEdit
{
public:
    explicit TInPlaceEditor(QWidget *parent);

    // The font of the text; any change shows at once (name, size, colour, style).
    TFont &Font() { return font_; }
    const TFont &Font() const { return font_; }
    // The gap of the label to be, in pixels (an edit box has no letter spacing of its own).
    int Tag = 0;
    // Runs after every key release, and after text committed by an input method.
    std::function<void()> OnKeyUp;

    QString Text() const { return toPlainText(); }
    void SetText(const QString &text);

    // Where the first character's cell starts, relative to the editor.
    static constexpr QPoint TextOrigin{1, 0};

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void fontChanged();

    TFont font_;
};
