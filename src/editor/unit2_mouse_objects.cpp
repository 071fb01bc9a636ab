// TForm2: press, drag and release on a card object (moving it with the grid), and the double-click
// that opens a label for editing.
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/unit2.h"

#include <QPointer>
#include <QToolButton>

namespace {

// Moves an object's box (a shape's figure, else the control) in one step.
void moveObject(TGraphicControl *object, int left, int top)
{
    if (KindOf(object) == CardKind::Shape) {
        object->SetLeft(left);
        object->SetTop(top);
    } else {
        object->SetBounds(left, top, object->width(), object->height());
    }
}

} // namespace

void TForm2::ObjectMouseDown(TGraphicControl *sender, Qt::MouseButton, Qt::KeyboardModifiers shift, int x,
                             int y)
{
    PressedOnObject = true;
    const QPoint p = snapIfApplies(shift, x, y);
    if (HasSelection)
        Deselect();
    const CardKind kind = KindOf(sender);
    if (kind == CardKind::Label && TextEditOpen && (sender != CurrentLabel || TextToolOn))
        CommitTextEdit();
    switch (kind) {
    case CardKind::Shape:
        CurrentShape = static_cast<TQVShape *>(sender);
        break;
    case CardKind::Label:
        CurrentLabel = static_cast<TLabelEx *>(sender);
        break;
    case CardKind::Picture:
        CurrentPicture = static_cast<TImage *>(sender);
        break;
    case CardKind::None:
        return;
    }
    Dragging = true;
    PressPoint = p;
    DragRect.left = sender->Left();
    DragRect.top = sender->Top();
}

void TForm2::ObjectMouseMove(TGraphicControl *sender, Qt::MouseButton, Qt::KeyboardModifiers shift, int x,
                             int y)
{
    const QPoint p = snapIfApplies(shift, x, y);
    // Only the object that was pressed follows the pointer; a move over another one is a hover.
    const QWidget *pressed = KindOf(sender) == CardKind::Shape   ? static_cast<QWidget *>(CurrentShape)
                             : KindOf(sender) == CardKind::Label ? static_cast<QWidget *>(CurrentLabel)
                                                                 : static_cast<QWidget *>(CurrentPicture);
    if (!Dragging || sender != pressed)
        return;
    // The pointer's coordinates are the object's own, so the press point stays under the pointer.
    int left = sender->Left() + p.x() - PressPoint.x();
    int top = sender->Top() + p.y() - PressPoint.y();
    if (snapApplies(shift)) {
        const QPoint snapped = SnapPoint(left, top);
        left = snapped.x();
        top = snapped.y();
    }
    moveObject(sender, left, top);
}

void TForm2::ObjectMouseUp(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers, int x,
                           int y)
{
    if (!PressedOnObject)
        return;
    PressedOnObject = false;
    Dragging = false;
    const CardKind kind = KindOf(sender);
    QPointer<TGraphicControl> alive(sender);
    // The second click of the double-click that opened the label for editing selects nothing.
    if (!(kind == CardKind::Label && sender == SelectedObject && EditingLabel))
        SelectObject(sender, sender->Top(), sender->Left(), sender->Height(), sender->Width());
    if (!alive || !ObjectList.contains(sender))
        return;
    if (sender->Left() != DragRect.left || sender->Top() != DragRect.top)
        NoteModified();
    if (button == Qt::RightButton)
        showPopupFor(sender, sender->mapToGlobal(QPoint(x, y)));
}

void TForm2::LabelDblClick(TGraphicControl *sender)
{
    auto *label = dynamic_cast<TLabelEx *>(sender);
    if (!label)
        return;
    if (TextEditOpen)
        CommitTextEdit();
    returnToPointer();
    CurrentLabel = label;
    BeginLabelEdit();
}
