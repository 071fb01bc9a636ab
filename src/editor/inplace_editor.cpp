// The in-place label editor: a frameless plain-text box showing a card font.
#include "editor/inplace_editor.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QTextDocument>

TInPlaceEditor::TInPlaceEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    document()->setDocumentMargin(0);
    setViewportMargins(TextOrigin.x(), TextOrigin.y(), 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
    font_.OnChange = [this] { fontChanged(); };
    fontChanged();
}

void TInPlaceEditor::SetText(const QString &text)
{
    setPlainText(text);
    moveCursor(QTextCursor::End);
}

void TInPlaceEditor::fontChanged()
{
    setFont(font_.ToQFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Text, ToQColor(font_.Color()));
    setPalette(pal);
}

void TInPlaceEditor::keyReleaseEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (OnKeyUp)
        OnKeyUp();
}

void TInPlaceEditor::inputMethodEvent(QInputMethodEvent *event)
{
    QPlainTextEdit::inputMethodEvent(event);
    // Text composed with an input method arrives without key releases of its own.
    if (!event->commitString().isEmpty() && OnKeyUp)
        OnKeyUp();
}
