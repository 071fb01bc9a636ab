// TForm2: press, drag and release on the empty worksheet: drawing shapes with the rubber band, starting
// text and pictures, and the worksheet's pop-up menu.
#include "controls/qvshape.h"
#include "editor/dispose.h"
#include "editor/unit2.h"
#include "platform/application.h"

#include <QPlainTextEdit>
#include <QToolButton>

void TForm2::DrawPanelMouseDown(TGraphicControl *, Qt::MouseButton, Qt::KeyboardModifiers shift, int x, int y)
{
    if (HasSelection)
        Deselect();
    if (TextEditOpen)
        CommitTextEdit();
    TestMemo->setFocus();
    ButtonDown = true;
    const QPoint p = snapIfApplies(shift, x, y);
    PressPoint = p;
    MousePoint = p;
    // A second press before the release (another button) starts over instead of leaving a rubber band
    // behind.
    if (drawingShape_) {
        QWidget *unfinished = drawingShape_;
        drawingShape_ = nullptr;
        if (static_cast<QWidget *>(CurrentShape) == unfinished)
            CurrentShape = nullptr;
        DisposeControl(unfinished);
    }
    if (ShapeToolOn) {
        DragRect = {p.x(), p.y(), 0, 0};
        auto *shape = new TQVShape(DrawPanel);
        attachHandlers(shape);
        shape->SetCursor(crHandPoint);
        shape->SetTop(p.y());
        shape->SetLeft(p.x());
        shape->SetHeight(0);
        shape->SetWidth(0);
        shape->Pen().SetStyle(PenStyle);
        shape->Pen().SetWidth(PenWidth);
        shape->Brush().SetStyle(bsClear);
        shape->SetShape(TQVShapeType(CurrentTool));
        // The rubber band inverts what lies below it, so it shows on any background.
        shape->Pen().SetMode(pmNot);
        CurrentShape = shape;
        drawingShape_ = shape;
    }
    if (TextToolOn)
        OpenEditorForNewLabel(p.x(), p.y());
}

void TForm2::DrawPanelMouseMove(TGraphicControl *, Qt::MouseButton, Qt::KeyboardModifiers shift, int x, int y)
{
    const QPoint p = snapIfApplies(shift, x, y);
    if (!ButtonDown)
        return;
    MousePoint = p;
    auto *shape = static_cast<TQVShape *>(drawingShape_.data());
    if (!ShapeToolOn || !shape)
        return;
    if (CurrentTool == ToolLine)
        shape->SetShape(LineDiagonal(PressPoint, p));
    DragRect = RubberBandRect(PressPoint, p, CurrentTool);
    shape->SetTop(DragRect.top);
    shape->SetLeft(DragRect.left);
    shape->SetHeight(DragRect.height);
    shape->SetWidth(DragRect.width);
}

void TForm2::DrawPanelMouseUp(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                              int x, int y)
{
    MousePoint = snapIfApplies(shift, x, y);
    ButtonDown = false;
    if (PointButton->isChecked() && button == Qt::RightButton)
        showPopupFor(nullptr, sender->mapToGlobal(QPoint(x, y)));

    auto *shape = static_cast<TQVShape *>(drawingShape_.data());
    drawingShape_ = nullptr;
    if (shape && !ShapeToolOn) {
        // The tool went away while the button was held: nothing was completed.
        DisposeControl(shape);
        shape = nullptr;
    }
    if (ShapeToolOn && shape) {
        shape->SetTop(DragRect.top);
        shape->SetLeft(DragRect.left);
        shape->SetHeight(DragRect.height);
        shape->SetWidth(DragRect.width);
        shape->Pen().SetMode(pmCopy);
        shape->Pen().SetColor(PenColor);
        shape->Brush().SetColor(BrushColor);
        shape->Brush().SetStyle(BrushStyle);
        ObjectList.append(shape);
        NoteModified();
        returnToPointer();
    }
    if (PictureToolOn || CatchPhraseToolOn) {
        const int kind = PictureToolOn ? 0 : 1;
        // Whether or not a picture was placed, the tool has been used.
        RunGuarded([&] { PlacePicture(kind); });
        returnToPointer();
    }
}
