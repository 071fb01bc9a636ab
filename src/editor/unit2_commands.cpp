// TForm2: wiring the attribute, clipboard and stacking commands to the tool bar, the menus and the
// pop-up menu, and the events the editor watches before its controls get them.
#include "editor/inplace_editor.h"
#include "editor/unit2.h"
#include "platform/application.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

void TForm2::connectEditingCommands()
{
    const auto command = [this](void (TForm2::*handler)()) {
        return Guarded([this, handler] { (this->*handler)(); });
    };
    const std::pair<QToolButton *, void (TForm2::*)()> buttons[] = {
        {Width1, &TForm2::Width1Click},
        {Width2, &TForm2::Width2Click},
        {Width3, &TForm2::Width3Click},
        {Width4, &TForm2::Width4Click},
        {Width5, &TForm2::Width5Click},
        {Width6, &TForm2::Width6Click},
        {psSolidButton, &TForm2::psSolidButtonClick},
        {psDotButton, &TForm2::psDotButtonClick},
        {BoldButton, &TForm2::BoldButtonClick},
        {ItalicButton, &TForm2::ItalicButtonClick},
        {UnderlineButton, &TForm2::UnderlineButtonClick},
        {CutButton, &TForm2::EditCutClick},
        {CopyButton, &TForm2::EditCopyClick},
        {PasteButton, &TForm2::EditPasteClick},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, command(handler));
    const std::pair<QAction *, void (TForm2::*)()> actions[] = {
        {EditCut, &TForm2::EditCutClick},
        {EditCopy, &TForm2::EditCopyClick},
        {EditPaste, &TForm2::EditPasteClick},
        {PenColorChange, &TForm2::PenColorChangeClick},
        {BrushColorChange, &TForm2::BrushColorChangeClick},
        {Brushed, &TForm2::BrushedClick},
        {FontColorChange, &TForm2::FontColorChangeClick},
        {Front, &TForm2::FrontClick},
        {Back, &TForm2::BackClick},
    };
    for (const auto &[action, handler] : actions)
        connect(action, &QAction::triggered, this, command(handler));

    // The swatches', panels' and combos' events, and key presses before the focused control takes them
    // (key preview), all pass the editor first.
    qApp->installEventFilter(this);
    // The paste command follows what other programs put on the clipboard.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TForm2::UpdatePasteCommand);
}

namespace {

bool isEditShortcut(QKeyEvent *key)
{
    return key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
           key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Undo) ||
           key->matches(QKeySequence::Redo) || key->keyCombination() == (Qt::CTRL | Qt::Key_Y) ||
           key->keyCombination() == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z) || key->key() == Qt::Key_Delete;
}

// A control in which the Delete key edits text the user is typing.
bool isTextEntry(QObject *object)
{
    return qobject_cast<QLineEdit *>(object) || qobject_cast<QComboBox *>(object) ||
           dynamic_cast<TInPlaceEditor *>(object);
}

} // namespace

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        for (QLabel *swatch : ColorPalette)
            if (watched == swatch) {
                auto *mouse = static_cast<QMouseEvent *>(event);
                RunGuarded([&] {
                    ColorPaletteMouseDown(swatch, mouse->button(), mouse->modifiers(),
                                          mouse->position().toPoint());
                });
                return true;
            }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == ForColor || watched == BackColor) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            auto *panel = static_cast<QLabel *>(watched);
            if (mouse->button() == Qt::LeftButton && panel->rect().contains(mouse->position().toPoint()))
                RunGuarded([&] { watched == ForColor ? ForColorClick() : BackColorClick(); });
            return true;
        }
        break;
    case QEvent::FocusOut: {
        // Opening the combo's list or leaving the window is no exit.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            break;
        if (watched == FontNameComboBox)
            RunGuarded([this] { FontNameComboBoxExit(); });
        else if (watched == FontSizeComboBox)
            RunGuarded([this] { FontSizeComboBoxExit(); });
        else if (watched == GapComboBox)
            RunGuarded([this] { GapComboBoxExit(); });
        break;
    }
    case QEvent::ShortcutOverride:
        // The hidden focus sink never keeps the edit commands' keys from the menu shortcuts.
        if (watched == TestMemo && isEditShortcut(static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        // Seen once, at the control that has the focus, and only in this window.
        auto *widget = qobject_cast<QWidget *>(watched);
        QWidget *focus = QApplication::focusWidget();
        if (!widget || widget->window() != this || (focus ? widget != focus : widget != this))
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        // Delete in a field being typed in edits the text, not the card.
        if (key->key() == Qt::Key_Delete && isTextEntry(widget))
            break;
        RunGuarded([&] { FormKeyDown(key->key(), key->modifiers()); });
        break;
    }
    default:
        break;
    }
    return TForm1::eventFilter(watched, event);
}
