// TForm2: selecting an object (handles or label frame, the tool bar for its kind) and deselecting it
// (the font panel's values reach a deselected label).
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "dialogs/units.h"
#include "editor/dispose.h"
#include "editor/unit2.h"
#include "platform/application.h"

#include <QComboBox>
#include <QToolButton>

void TForm2::SelectObject(QWidget *object, int top, int left, int height, int width)
{
    if (TextEditOpen)
        CommitTextEdit();
    returnToPointer();
    HasSelection = true;
    SelectedObject = object;
    enableCutCopy(true);
    const EditRect box{left, top, width, height};
    switch (KindOf(object)) {
    case CardKind::Shape: {
        auto *shape = static_cast<TQVShape *>(object);
        enableStyleButtons(false);
        enableFontCombos(false);
        createHandles(box, shape->Shape() == qvstLinea || shape->Shape() == qvstLineb, shape->Shape());
        showLineSettings(shape->Pen().Width(), shape->Pen().Style());
        break;
    }
    case CardKind::Label: {
        auto *label = static_cast<TLabelEx *>(object);
        createLabelFrame(box);
        enableLineControls(false);
        const TFontStyles style = label->Font().Style();
        showFontState(style & fsBold, style & fsItalic, style & fsUnderline);
        showFontTexts(label->Font().Name(), label->Font().Size(), label->Gap());
        break;
    }
    case CardKind::Picture:
        enableStyleButtons(false);
        enableFontCombos(false);
        enableLineControls(false);
        createHandles(box, false, qvstRectangle);
        break;
    case CardKind::None:
        break;
    }
}

void TForm2::Deselect()
{
    HasSelection = false;
    enableCutCopy(false);
    enableStyleButtons(true);
    enableFontCombos(true);
    enableLineControls(true);
    const CardKind kind = KindOf(SelectedObject);
    if (kind == CardKind::Shape || kind == CardKind::Picture) {
        destroyHandles();
        showLineSettings(PenWidth, PenStyle);
    } else {
        DisposeControl(LabelFrame);
        LabelFrame = nullptr;
    }
    if (kind == CardKind::Label) {
        auto *label = static_cast<TLabelEx *>(SelectedObject);
        applyCombosToLabel(label);
        fitLabelToText(label);
        showFontDefaults();
    }
}

void TForm2::applyCombosToLabel(TLabelEx *label)
{
    // A text that is not a number ends here; what was applied before stays applied.
    const int size = StrToInt(FontSizeComboBox->currentText());
    if (size != label->Font().Size()) {
        label->Font().SetSize(size);
        NoteModified();
    }
    const QString name = FontNameComboBox->currentText();
    if (name != label->Font().Name()) {
        label->Font().SetName(name);
        NoteModified();
    }
    const int gap = StrToInt(GapComboBox->currentText());
    if (gap != label->Gap()) {
        label->SetGap(gap);
        NoteModified();
    }
}

void TForm2::createHandles(const EditRect &box, bool line, TQVShapeType shape)
{
    destroyHandles();
    for (int i = 0; i < HandleCount; ++i) {
        auto *handle = new TQVShape(DrawPanel);
        handle->hide();
        handle->SetWidth(HandleSize);
        handle->SetHeight(HandleSize);
        handle->Pen().SetColor(clBlack);
        handle->Brush().SetColor(clWhite);
        handle->Brush().SetStyle(bsSolid);
        handle->SetCursor(HandleCursor(i, line));
        handle->OnMouseDown = Guarded([this, i](TGraphicControl *, Qt::MouseButton, Qt::KeyboardModifiers m,
                                                int x, int y) { HandleMouseDown(i, m, x, y); });
        handle->OnMouseMove = Guarded([this, i](TGraphicControl *, Qt::MouseButton, Qt::KeyboardModifiers m,
                                                int x, int y) { HandleMouseMove(i, m, x, y); });
        handle->OnMouseUp = Guarded([this, i](TGraphicControl *, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                              int) { HandleMouseUp(i); });
        SelectionHandles[i] = handle;
    }
    placeHandles(box);
    // A corner lies above a middle handle where they overlap on a small object.
    for (int i : {hTopLeft, hTopRight, hBottomLeft, hBottomRight})
        SelectionHandles[i]->raise();
    if (!line) {
        for (TQVShape *handle : SelectionHandles)
            handle->show();
        return;
    }
    const LineEnds ends = LineEndHandles(shape, box);
    for (int i : {ends.first, ends.second}) {
        const QPoint pos = i == ends.first ? ends.firstPos : ends.secondPos;
        SelectionHandles[i]->SetLeft(pos.x());
        SelectionHandles[i]->SetTop(pos.y());
        SelectionHandles[i]->show();
    }
}

void TForm2::placeHandles(const EditRect &box)
{
    const auto positions = HandlePositions(box);
    for (int i = 0; i < HandleCount; ++i) {
        if (!SelectionHandles[i])
            continue;
        SelectionHandles[i]->SetLeft(positions[i].x());
        SelectionHandles[i]->SetTop(positions[i].y());
    }
}

void TForm2::destroyHandles()
{
    for (TQVShape *&handle : SelectionHandles) {
        DisposeControl(handle);
        handle = nullptr;
    }
    resizeHandle_ = -1;
}

void TForm2::createLabelFrame(const EditRect &box)
{
    DisposeControl(LabelFrame);
    const EditRect r = LabelFrameRect(box);
    auto *frame = new TQVShape(DrawPanel);
    frame->SetShape(qvstRectangle);
    frame->Pen().SetColor(0xC0C0C0);
    frame->Pen().SetWidth(3);
    frame->Brush().SetStyle(bsClear);
    // Presses go through the frame to what lies below it.
    frame->SetEnabled(false);
    frame->SetLeft(r.left);
    frame->SetTop(r.top);
    frame->SetWidth(r.width);
    frame->SetHeight(r.height);
    LabelFrame = frame;
}
