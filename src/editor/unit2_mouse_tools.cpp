// TForm2: choosing a tool, returning to the pointer, the worksheet's tool hint and grid snapping.
#include "controls/gridshape.h"
#include "editor/drawpanel.h"
#include "editor/tool_cursors.h"
#include "editor/unit2.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QPlainTextEdit>
#include <QToolButton>

void TForm2::connectToolButtons()
{
    const auto on = [this](QToolButton *button, void (TForm2::*handler)()) {
        connect(button, &QToolButton::clicked, this, Guarded(this, handler));
    };
    on(PointButton, &TForm2::PointButtonClick);
    on(RectButton, &TForm2::RectButtonClick);
    on(SquareButton, &TForm2::SquareButtonClick);
    on(EllipseButton, &TForm2::EllipseButtonClick);
    on(CircleButton, &TForm2::CircleButtonClick);
    on(LineButton, &TForm2::LineButtonClick);
    on(TextButton, &TForm2::TextButtonClick);
    on(imageButton, &TForm2::imageButtonClick);
    on(CFButton, &TForm2::CFButtonClick);
}

void TForm2::ResetTools()
{
    ShapeToolOn = false;
    TextToolOn = false;
    EditingLabel = false;
    PictureToolOn = false;
    CatchPhraseToolOn = false;
    if (HasSelection)
        Deselect();
    TestMemo->setFocus();
    if (DrawPanel)
        showWorksheetHint(false);
    TextButton->setToolTip(LoadStr(Str::HintText));
    SquareButton->setToolTip(LoadStr(Str::HintSquare));
    RectButton->setToolTip(LoadStr(Str::HintRect));
    CircleButton->setToolTip(LoadStr(Str::HintCircle));
    EllipseButton->setToolTip(LoadStr(Str::HintEllipse));
    LineButton->setToolTip(LoadStr(Str::HintLine));
    imageButton->setToolTip(LoadStr(Str::HintImage));
    CFButton->setToolTip(LoadStr(Str::HintCatchPhrase));
}

void TForm2::returnToPointer()
{
    ResetTools();
    CurrentTool = 9;
    PointButton->setChecked(true);
    setWorksheetCursor(crDefault);
}

void TForm2::setWorksheetCursor(TCursor cursor)
{
    if (auto *panel = static_cast<TPanel *>(DrawPanel))
        panel->SetCursor(cursor);
}

void TForm2::showWorksheetHint(bool on)
{
    auto *panel = static_cast<TPanel *>(DrawPanel);
    panel->setToolTip(on ? panel->Hint() : QString());
}

void TForm2::chooseTool(int tool, bool *flag, TCursor cursor, int prompt, QToolButton *button)
{
    if (TextEditOpen)
        CommitTextEdit();
    CurrentTool = tool;
    ResetTools();
    if (flag)
        *flag = true;
    // The button shows pressed also when a program call, not a click, chose the tool.
    button->setChecked(true);
    if (!DrawPanel)
        return;
    setWorksheetCursor(cursor);
    if (prompt == 0)
        return;
    auto *panel = static_cast<TPanel *>(DrawPanel);
    panel->SetHint(LoadStr(prompt));
    button->setToolTip(LoadStr(prompt));
    showWorksheetHint(true);
}

void TForm2::PointButtonClick()
{
    chooseTool(9, nullptr, crDefault, 0, PointButton);
}

void TForm2::RectButtonClick()
{
    chooseTool(qvstRectangle, &ShapeToolOn, ShapeCursorSlot, Str::PromptShape, RectButton);
}

void TForm2::SquareButtonClick()
{
    chooseTool(qvstSquare, &ShapeToolOn, ShapeCursorSlot, Str::PromptShape, SquareButton);
}

void TForm2::EllipseButtonClick()
{
    chooseTool(qvstEllipse, &ShapeToolOn, ShapeCursorSlot, Str::PromptShape, EllipseButton);
}

void TForm2::CircleButtonClick()
{
    chooseTool(qvstCircle, &ShapeToolOn, ShapeCursorSlot, Str::PromptShape, CircleButton);
}

void TForm2::LineButtonClick()
{
    chooseTool(qvstLinea, &ShapeToolOn, ShapeCursorSlot, Str::PromptShape, LineButton);
}

void TForm2::TextButtonClick()
{
    chooseTool(7, &TextToolOn, TextCursorSlot, Str::PromptText, TextButton);
}

void TForm2::imageButtonClick()
{
    chooseTool(8, &PictureToolOn, ImageCursorSlot, Str::PromptImage, imageButton);
}

void TForm2::CFButtonClick()
{
    chooseTool(8, &CatchPhraseToolOn, ImageCursorSlot, Str::PromptCatchPhrase, CFButton);
}

QPoint TForm2::SnapPoint(int x, int y) const
{
    const int pitch = GridOverlay ? GridOverlay->EffectiveGridWidth() : 1;
    return {SnapToPitch(x, pitch), SnapToPitch(y, pitch)};
}

bool TForm2::snapApplies(Qt::KeyboardModifiers shift) const
{
    return SnapToGrid && !(shift & Qt::AltModifier) && GridOverlay;
}

int TForm2::snapPitch(Qt::KeyboardModifiers shift) const
{
    return snapApplies(shift) ? GridOverlay->EffectiveGridWidth() : 0;
}

QPoint TForm2::snapIfApplies(Qt::KeyboardModifiers shift, int x, int y) const
{
    return snapApplies(shift) ? SnapPoint(x, y) : QPoint(x, y);
}
