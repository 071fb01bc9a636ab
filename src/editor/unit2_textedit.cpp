// TForm2: typing labels in place: opening the edit box for a new or an existing label, fitting it to
// the text while typing, and committing the text to a label.
#include "controls/LabelEx.h"
#include "controls/customlabel.h"
#include "dialogs/units.h"
#include "editor/dispose.h"
#include "editor/inplace_editor.h"
#include "editor/label_text.h"
#include "editor/unit2.h"
#include "platform/application.h"

#include <QComboBox>
#include <QToolButton>

namespace {

bool looksDifferent(const TFont &a, const TFont &b)
{
    return a.Name() != b.Name() || a.Size() != b.Size() || a.Color() != b.Color() || a.Style() != b.Style();
}

} // namespace

void TForm2::ApplyFontButtons(TFont &font)
{
    TFontStyles style = font.Style();
    const auto set = [&style](TFontStyle bit, bool on) { style = on ? (style | bit) : (style & ~bit); };
    set(fsBold, BoldButton->isChecked());
    set(fsItalic, ItalicButton->isChecked());
    set(fsUnderline, UnderlineButton->isChecked());
    font.SetStyle(style);
}

QSize TForm2::measurePlainLabel(const TFont &font, const QString &text)
{
    TestLabel->SetFont(font);
    TestLabel->SetAutoSize(true);
    TestLabel->SetCaption(text);
    TestLabel->AdjustBounds();
    return TestLabel->size();
}

void TForm2::fitLabelToText(TLabelEx *label)
{
    // Fit once to the text as it is now (letter spacing included), then keep that size.
    if (label->AutoSize())
        label->AdjustBounds();
    else
        label->SetAutoSize(true);
    label->SetAutoSize(false);
    label->SetWidth(label->width() + 1);
}

TInPlaceEditor *TForm2::createEditor(int left, int top)
{
    auto *editor = new TInPlaceEditor(DrawPanel);
    editor->hide();
    editor->move(left, top);
    editor->Font().SetCharset(DEFAULT_CHARSET);
    editor->OnKeyUp = Guarded(this, &TForm2::FitEditorToText);
    InPlaceEditor = editor;
    return editor;
}

void TForm2::closeEditor()
{
    DisposeControl(InPlaceEditor);
    InPlaceEditor = nullptr;
}

void TForm2::OpenEditorForNewLabel(int x, int y)
{
    // Both numbers first: a text that is not one leaves the tool bar as it was and opens nothing.
    const int size = StrToInt(FontSizeComboBox->currentText());
    const int gap = StrToInt(GapComboBox->currentText());
    enableFontCombos(false);
    TInPlaceEditor *editor = createEditor(x, y);
    editor->Font().SetName(FontNameComboBox->currentText());
    editor->Font().SetSize(size);
    editor->Tag = gap;
    editor->Font().SetColor(PenColor);
    ApplyFontButtons(editor->Font());
    const QSize measured = measurePlainLabel(editor->Font(), QStringLiteral("Test"));
    editor->resize(measured.width(), editor->Font().Size() + measured.height());
    editor->show();
    editor->setFocus();
    TextEditOpen = true;
    PointButton->setChecked(true);
    showWorksheetHint(false);
    setWorksheetCursor(crDefault);
}

void TForm2::FitEditorToText()
{
    if (!InPlaceEditor)
        return;
    const QSize measured = measurePlainLabel(InPlaceEditor->Font(), InPlaceEditor->Text());
    InPlaceEditor->resize(measured.width() + 50, InPlaceEditor->Font().Size() + measured.height());
}

void TForm2::CommitTextEdit()
{
    if (!TextEditOpen || !InPlaceEditor)
        return;
    enableLineControls(true);
    TInPlaceEditor *editor = InPlaceEditor;
    if (TextToolOn) {
        if (!editor->Text().isEmpty()) {
            auto *label = new TLabelEx(DrawPanel);
            attachHandlers(label);
            label->SetCursor(crHandPoint);
            // One pixel right of the editor: the editor's text starts one pixel inside it.
            label->SetLeft(editor->x() + TInPlaceEditor::TextOrigin.x());
            label->SetTop(editor->y() + TInPlaceEditor::TextOrigin.y());
            label->SetTransparent(true);
            label->SetCaption(CaptionFromEditorText(editor->Text()));
            label->SetFont(editor->Font());
            label->SetGap(editor->Tag);
            fitLabelToText(label);
            NoteModified();
            ObjectList.append(label);
            CurrentLabel = label;
        }
    } else if (EditingLabel && CurrentLabel) {
        TLabelEx *label = CurrentLabel;
        if (!SameLabelText(editor->Text(), label->Caption())) {
            label->SetCaption(CaptionFromEditorText(editor->Text()));
            NoteModified();
        }
        if (looksDifferent(label->Font(), editor->Font())) {
            label->SetFont(editor->Font());
            NoteModified();
        }
        if (editor->Tag != label->Gap()) {
            label->SetGap(editor->Tag);
            NoteModified();
        }
        label->SetVisible(true);
        fitLabelToText(label);
        if (label->Caption().isEmpty())
            RemoveCardObject(label);
    }
    closeEditor();
    TextToolOn = false;
    EditingLabel = false;
    TextEditOpen = false;
    showFontDefaults();
    enableFontCombos(true);
    enableCutCopy(false);
}

void TForm2::BeginLabelEdit()
{
    TLabelEx *label = CurrentLabel;
    if (!label)
        return;
    enableLineControls(false);
    enableFontCombos(false);
    label->SetVisible(false);
    TInPlaceEditor *editor = createEditor(label->x() - TInPlaceEditor::TextOrigin.x(),
                                          label->y() - TInPlaceEditor::TextOrigin.y());
    editor->Font().Assign(label->Font());
    editor->Tag = label->Gap();
    editor->resize(label->width() + 50, editor->Font().Size() + label->height());
    const TFontStyles style = label->Font().Style();
    showFontState(style & fsBold, style & fsItalic, style & fsUnderline);
    showFontTexts(label->Font().Name(), label->Font().Size(), label->Gap());
    editor->show();
    editor->setFocus();
    TextEditOpen = true;
    editor->SetText(EditorTextFromCaption(label->Caption()));
    EditingLabel = true;
    enableCutCopy(true);
}
