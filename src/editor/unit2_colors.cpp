// TForm2: the colour commands: the F and B panels, the palette swatches and the pop-up colour items.
#include "controls/LabelEx.h"
#include "controls/colordialog.h"
#include "controls/qvshape.h"
#include "editor/inplace_editor.h"
#include "editor/unit2.h"

#include <QLabel>

TLabelEx *TForm2::selectedLabel() const
{
    return HasSelection && KindOf(SelectedObject) == CardKind::Label ? CurrentLabel : nullptr;
}

TQVShape *TForm2::selectedShape() const
{
    return HasSelection && KindOf(SelectedObject) == CardKind::Shape ? CurrentShape : nullptr;
}

TColorDialog *TForm2::colorDialog()
{
    // Before the first worksheet there is no document's dialog yet; the settings may still be chosen.
    if (!ColorDialog)
        ColorDialog = new TColorDialog(this);
    return ColorDialog;
}

std::optional<TColor> TForm2::runColorDialog(TColor present)
{
    TColorDialog *dialog = colorDialog();
    dialog->Color = present;
    if (!dialog->Execute())
        return std::nullopt;
    return dialog->Color;
}

std::optional<TColor> TForm2::changedColorFromDialog(TColor present)
{
    const std::optional<TColor> chosen = runColorDialog(present);
    if (!chosen || *chosen == present)
        return std::nullopt;
    return chosen;
}

void TForm2::ForColorClick()
{
    if (TextEditOpen && InPlaceEditor) {
        // The colour reaches the label when the text is committed.
        if (const auto c = runColorDialog(InPlaceEditor->Font().Color()))
            InPlaceEditor->Font().SetColor(*c);
    } else if (TLabelEx *label = selectedLabel()) {
        if (const auto c = changedColorFromDialog(label->Font().Color())) {
            label->Font().SetColor(*c);
            NoteModified();
        }
    } else if (TQVShape *shape = selectedShape()) {
        if (const auto c = changedColorFromDialog(shape->Pen().Color())) {
            shape->Pen().SetColor(*c);
            NoteModified();
        }
    } else if (const auto c = runColorDialog(PenColor)) {
        ShowPanelColor(ForColor, *c);
        PenColor = *c;
    }
}

void TForm2::BackColorClick()
{
    // Text has no fill.
    if (TextEditOpen || selectedLabel())
        return;
    if (TQVShape *shape = selectedShape()) {
        if (const auto c = changedColorFromDialog(shape->Brush().Color())) {
            shape->Brush().SetStyle(bsSolid);
            shape->Brush().SetColor(*c);
            NoteModified();
        }
    } else if (const auto c = runColorDialog(BrushColor)) {
        // New shapes stay transparent; the colour waits for a fill.
        ShowPanelColor(BackColor, *c);
        BrushColor = *c;
    }
}

void TForm2::ColorPaletteMouseDown(QLabel *swatch, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint)
{
    const TColor c = FromQColor(swatch->palette().color(QPalette::Window));
    const bool line = button == Qt::LeftButton;
    if (TextEditOpen && InPlaceEditor) {
        InPlaceEditor->Font().SetColor(c);
    } else if (TLabelEx *label = selectedLabel()) {
        if (label->Font().Color() != c) {
            label->Font().SetColor(c);
            NoteModified();
        }
    } else if (TQVShape *shape = selectedShape()) {
        if (line && shape->Pen().Color() != c) {
            shape->Pen().SetColor(c);
            NoteModified();
        } else if (!line && shape->Brush().Color() != c) {
            shape->Brush().SetStyle(bsSolid);
            shape->Brush().SetColor(c);
            NoteModified();
        }
    } else if (line) {
        ShowPanelColor(ForColor, c);
        PenColor = c;
    } else {
        ShowPanelColor(BackColor, c);
        BrushColor = c;
    }
}

void TForm2::PenColorChangeClick()
{
    if (!CurrentShape)
        return;
    if (const auto c = changedColorFromDialog(CurrentShape->Pen().Color())) {
        CurrentShape->Pen().SetColor(*c);
        NoteModified();
    }
}

void TForm2::BrushColorChangeClick()
{
    // Offered for a filled shape only; its fill style stays as it is.
    if (!CurrentShape)
        return;
    if (const auto c = changedColorFromDialog(CurrentShape->Brush().Color())) {
        CurrentShape->Brush().SetColor(*c);
        NoteModified();
    }
}

void TForm2::BrushedClick()
{
    if (!CurrentShape)
        return;
    if (CurrentShape->Brush().Style() == bsClear) {
        CurrentShape->Brush().SetStyle(bsSolid);
        CurrentShape->Brush().SetColor(BrushColor);
    } else {
        // The fill colour stays stored for the next fill.
        CurrentShape->Brush().SetStyle(bsClear);
    }
    NoteModified();
}

void TForm2::FontColorChangeClick()
{
    if (!CurrentLabel)
        return;
    if (const auto c = changedColorFromDialog(CurrentLabel->Font().Color())) {
        CurrentLabel->Font().SetColor(*c);
        NoteModified();
    }
}
