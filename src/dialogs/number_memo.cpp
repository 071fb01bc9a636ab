// The dialogs' number field: right-aligned, a length limit in bytes, a modified mark and an exit signal.
#include "dialogs/number_memo.h"

#include "platform/cp932.h"

#include <QFocusEvent>
#include <QKeyEvent>

TNumberMemo::TNumberMemo(int maxBytes, QWidget *parent) : QLineEdit(parent), maxBytes_(maxBytes)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Connected before any dialog handler, so that a handler sees the text already cut to the limit.
    connect(this, &QLineEdit::textChanged, this, &TNumberMemo::limitUserInput);
}

void TNumberMemo::SetText(const QString &text)
{
    programWrite_ = true;
    setText(text);
    programWrite_ = false;
    previousBytes_ = int(Cp932Encode(this->text()).size());
}

// The user's insertion ends at the caret; what does not fit is cut from its end, as a Windows edit
// field takes only the part of a paste that fits. A change that does not lengthen the text (the
// filters, deleting) is left alone, so values the program set longer than the limit stay whole.
void TNumberMemo::limitUserInput()
{
    const QString current = text();
    const int bytes = int(Cp932Encode(current).size());
    const int previous = previousBytes_;
    previousBytes_ = bytes;
    if (programWrite_ || bytes <= maxBytes_ || bytes <= previous)
        return;
    const int caret = cursorPosition();
    QString before = current.left(caret);
    const QString after = current.mid(caret);
    int excess = bytes - std::max(maxBytes_, previous);
    while (excess > 0 && !before.isEmpty()) {
        excess -= int(Cp932Encode(before.right(1)).size());
        before.chop(1);
    }
    setText(before + after);
    setCursorPosition(int(before.size()));
}

void TNumberMemo::keyPressEvent(QKeyEvent *event)
{
    // Enter belongs to the field: it neither closes the dialog nor adds anything to a number.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumberMemo::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit Exit();
}
