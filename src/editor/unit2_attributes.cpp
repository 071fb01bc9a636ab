// TForm2: the line width and style buttons, the font style buttons and the font name, size and gap
// combos.
#include "controls/LabelEx.h"
#include "controls/qvshape.h"
#include "dialogs/units.h"
#include "editor/inplace_editor.h"
#include "editor/unit2.h"

#include <QComboBox>
#include <QToolButton>

void TForm2::lineCommandClick(LineCommand button)
{
    // The buttons show the coupling at once: wider lines are solid, dotted lines 1 pixel wide.
    if (button >= LineCommand::Width2 && button <= LineCommand::Width6)
        psSolidButton->setChecked(true);
    if (button == LineCommand::Dot)
        Width1->setChecked(true);
    if (TQVShape *shape = selectedShape()) {
        if (const auto next = ShapeLineAfter({shape->Pen().Width(), shape->Pen().Style()}, button)) {
            shape->Pen().SetWidth(next->width);
            shape->Pen().SetStyle(next->style);
            NoteModified();
        }
        return;
    }
    const PenLine next = SettingsLineAfter({PenWidth, PenStyle}, button);
    PenWidth = next.width;
    PenStyle = next.style;
}

void TForm2::Width1Click()
{
    lineCommandClick(LineCommand::Width1);
}
void TForm2::Width2Click()
{
    lineCommandClick(LineCommand::Width2);
}
void TForm2::Width3Click()
{
    lineCommandClick(LineCommand::Width3);
}
void TForm2::Width4Click()
{
    lineCommandClick(LineCommand::Width4);
}
void TForm2::Width5Click()
{
    lineCommandClick(LineCommand::Width5);
}
void TForm2::Width6Click()
{
    lineCommandClick(LineCommand::Width6);
}
void TForm2::psSolidButtonClick()
{
    lineCommandClick(LineCommand::Solid);
}
void TForm2::psDotButtonClick()
{
    lineCommandClick(LineCommand::Dot);
}

void TForm2::styleButtonClick(QToolButton *button, bool &setting)
{
    if (TextEditOpen && InPlaceEditor) {
        ApplyFontButtons(InPlaceEditor->Font());
    } else if (TLabelEx *label = selectedLabel()) {
        // The label is fitted to its new look when it is deselected.
        ApplyFontButtons(label->Font());
        NoteModified();
    } else {
        setting = button->isChecked();
    }
}

void TForm2::BoldButtonClick()
{
    styleButtonClick(BoldButton, FontBold);
}
void TForm2::ItalicButtonClick()
{
    styleButtonClick(ItalicButton, FontItalic);
}
void TForm2::UnderlineButtonClick()
{
    styleButtonClick(UnderlineButton, FontUnderline);
}

QString TForm2::cleanNumberCombo(QComboBox *combo, const QString &whenEmpty)
{
    const QString digits = KeepDigits(combo->currentText(), whenEmpty);
    if (digits != combo->currentText())
        combo->setCurrentText(digits);
    return digits;
}

void TForm2::FontNameComboBoxExit()
{
    const QString name = FontNameComboBox->currentText();
    if (TextEditOpen && InPlaceEditor) {
        if (InPlaceEditor->Font().Name() != name) {
            InPlaceEditor->Font().SetName(name);
            FitEditorToText();
        }
        return;
    }
    // A selected label takes the name when it is deselected.
    if (selectedLabel())
        return;
    // Any typed name is taken; a font that is not installed is drawn with a substitute.
    FontName = name;
}

void TForm2::FontSizeComboBoxExit()
{
    const QString digits = cleanNumberCombo(FontSizeComboBox, QStringLiteral("12"));
    if (TextEditOpen && InPlaceEditor) {
        const int size = StrToInt(digits);
        if (InPlaceEditor->Font().Size() != size) {
            InPlaceEditor->Font().SetSize(size);
            FitEditorToText();
        }
        return;
    }
    if (selectedLabel())
        return;
    // Too many digits for a number fail here, and the setting keeps its value.
    FontSize = StrToInt(digits);
}

void TForm2::GapComboBoxExit()
{
    const QString digits = cleanNumberCombo(GapComboBox, QStringLiteral("0"));
    if (TextEditOpen && InPlaceEditor) {
        InPlaceEditor->Tag = StrToInt(digits);
        return;
    }
    if (selectedLabel())
        return;
    CharGap = StrToInt(digits);
}
