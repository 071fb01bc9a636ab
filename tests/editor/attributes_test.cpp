// Attribute commands: line buttons and their coupling, colours from the panels, the palette and the
// pop-up items, style buttons and the font combos, each on its target and counting only real changes.
#include "editor_fixture.h"

#include "common/scripted_modal.h"
#include "controls/colordialog.h"
#include "editor/attribute_rules.h"
#include "editor/inplace_editor.h"

#include <QComboBox>
#include <QLabel>

namespace {

TEST(LineRules, WiderLinesAreSolidAndDottedLinesThin)
{
    EXPECT_EQ(SettingsLineAfter({0, psDot}, LineCommand::Width4), (PenLine{4, psSolid}));
    EXPECT_EQ(SettingsLineAfter({4, psSolid}, LineCommand::Dot), (PenLine{1, psDot}));
    EXPECT_EQ(SettingsLineAfter({0, psDot}, LineCommand::Width1), (PenLine{1, psDot}));
    EXPECT_EQ(SettingsLineAfter({3, psDot}, LineCommand::Solid), (PenLine{3, psSolid}));
    // A shape whose value is already there is left alone, even where the other half differs.
    EXPECT_EQ(ShapeLineAfter({3, psSolid}, LineCommand::Width3), std::nullopt);
    EXPECT_EQ(ShapeLineAfter({2, psDot}, LineCommand::Width2), std::nullopt);
    EXPECT_EQ(ShapeLineAfter({1, psDot}, LineCommand::Dot), std::nullopt);
    EXPECT_EQ(ShapeLineAfter({5, psSolid}, LineCommand::Solid), std::nullopt);
    EXPECT_EQ(ShapeLineAfter({1, psDot}, LineCommand::Width5), (PenLine{5, psSolid}));
    EXPECT_EQ(ShapeLineAfter({6, psSolid}, LineCommand::Dot), (PenLine{1, psDot}));
    EXPECT_EQ(ShapeLineAfter({0, psSolid}, LineCommand::Width1), (PenLine{1, psSolid}));
}

TEST(NumberCombos, OnlyDigitsAreKept)
{
    EXPECT_EQ(KeepDigits(QStringLiteral("1a2"), QStringLiteral("12")), QStringLiteral("12"));
    EXPECT_EQ(KeepDigits(QStringLiteral("abc"), QStringLiteral("12")), QStringLiteral("12"));
    EXPECT_EQ(KeepDigits(QStringLiteral("-1.5pt"), QStringLiteral("12")), QStringLiteral("15"));
    EXPECT_EQ(KeepDigits(QStringLiteral("wide"), QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(KeepDigits(QStringLiteral("０"), QStringLiteral("0")), QStringLiteral("0"));
}

class Attributes : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    ColorDialogResult picked(QColor c, QStringList custom = {}) { return {c, custom}; }
    void pressSwatch(int i, Qt::MouseButton b)
    {
        QTest::mousePress(form->ColorPalette[i], b, {}, QPoint(5, 5));
        QTest::mouseRelease(form->ColorPalette[i], b, {}, QPoint(5, 5));
    }
    // Types into a combo as a user does, then leaves it for the worksheet's focus sink.
    void typeAndLeave(QComboBox *combo, const QString &text)
    {
        combo->setFocus();
        combo->setCurrentText(text);
        form->TestMemo->setFocus();
    }
    ScopedScriptedModal modal;
};

TEST_F(Attributes, Width4ThenDottedWithNothingSelectedGivesAThinDottedLine)
{
    form->Width4->click();
    EXPECT_EQ(form->PenWidth, 4);
    EXPECT_TRUE(form->psSolidButton->isChecked());
    form->psDotButton->click();
    EXPECT_EQ(form->PenWidth, 1);
    EXPECT_EQ(form->PenStyle, psDot);
    EXPECT_TRUE(form->Width1->isChecked());
    EXPECT_TRUE(form->psDotButton->isChecked());
    EXPECT_EQ(form->ModificationCount, 0);
    TQVShape *shape = draw(form->RectButton, {20, 20}, {120, 80});
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Pen().Width(), 1);
    EXPECT_EQ(shape->Pen().Style(), psDot);
}

TEST_F(Attributes, LineButtonsOnASelectedShapeCountOnlyRealChanges)
{
    TQVShape *shape = addShape({20, 20, 100, 60}, qvstRectangle, 3);
    click(inside(shape, 50, 30));
    ASSERT_TRUE(form->HasSelection);
    EXPECT_TRUE(form->Width3->isChecked());
    const int before = form->ModificationCount;
    form->Width3->click();
    EXPECT_EQ(form->ModificationCount, before);
    EXPECT_EQ(shape->Pen().Width(), 3);

    form->psDotButton->click();
    EXPECT_EQ(shape->Pen().Width(), 1);
    EXPECT_EQ(shape->Pen().Style(), psDot);
    EXPECT_EQ(form->ModificationCount, before + 1);
    form->Width1->click(); // already 1 pixel: nothing
    EXPECT_EQ(form->ModificationCount, before + 1);
    form->Width5->click();
    EXPECT_EQ(shape->Pen().Width(), 5);
    EXPECT_EQ(shape->Pen().Style(), psSolid);
    EXPECT_EQ(form->ModificationCount, before + 2);
    // The settings for new shapes were not touched.
    EXPECT_EQ(form->PenWidth, 0);
    EXPECT_EQ(form->PenStyle, psSolid);
}

TEST_F(Attributes, PaletteButtonsPickLineOrFillByTarget)
{
    TQVShape *shape = addShape({20, 20, 100, 60});
    shape->Brush().SetColor(0x0000FF);
    click(inside(shape, 50, 30));
    const int before = form->ModificationCount;
    // The swatch of the colour stored as the fill colour leaves a transparent shape transparent.
    pressSwatch(4, Qt::RightButton);
    EXPECT_EQ(shape->Brush().Style(), bsClear);
    EXPECT_EQ(form->ModificationCount, before);
    // Another colour fills it.
    pressSwatch(6, Qt::RightButton);
    EXPECT_EQ(shape->Brush().Style(), bsSolid);
    EXPECT_EQ(shape->Brush().Color(), TColor(0x00FFFF));
    EXPECT_EQ(form->ModificationCount, before + 1);
    pressSwatch(12, Qt::LeftButton);
    EXPECT_EQ(shape->Pen().Color(), TColor(0xFF0000));
    EXPECT_EQ(form->ModificationCount, before + 2);
    pressSwatch(12, Qt::LeftButton);
    EXPECT_EQ(form->ModificationCount, before + 2);
    // The settings stay as they were while a shape is the target.
    EXPECT_EQ(form->PenColor, clBlack);
    EXPECT_EQ(form->BrushColor, TColor(0xC0C0C0));

    click({400, 250});
    pressSwatch(3, Qt::LeftButton);
    EXPECT_EQ(form->PenColor, TColor(0x808080));
    EXPECT_EQ(form->ForColor->palette().color(QPalette::WindowText), QColor(Qt::white));
    pressSwatch(0, Qt::RightButton);
    EXPECT_EQ(form->BrushColor, TColor(0xFFFFFF));
    EXPECT_EQ(form->BackColor->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(form->ModificationCount, before + 2);
}

TEST_F(Attributes, TheFillColourChosenWithNothingSelectedWaitsForBrushed)
{
    form->ColorDialog->CustomColors = {QStringLiteral("ColorA=112233")};
    modal->answerColor(picked(QColor(0x10, 0x80, 0xF0), {QStringLiteral("ColorA=445566")}));
    QTest::mouseClick(form->BackColor, Qt::LeftButton);
    ASSERT_EQ(modal->colorRequests.size(), 1u);
    // The dialog starts from the present colour and the document's custom colours, and keeps the new ones.
    EXPECT_EQ(modal->colorRequests[0].color, QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(modal->colorRequests[0].customColors, QStringList{QStringLiteral("ColorA=112233")});
    EXPECT_EQ(form->ColorDialog->CustomColors, QStringList{QStringLiteral("ColorA=445566")});
    const TColor chosen = 0xF08010;
    EXPECT_EQ(form->BrushColor, chosen);
    EXPECT_EQ(form->BrushStyle, bsClear);
    EXPECT_EQ(form->ModificationCount, 0);

    TQVShape *shape = draw(form->RectButton, {20, 20}, {120, 80});
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Brush().Style(), bsClear);
    click(inside(shape, 50, 30));
    const int before = form->ModificationCount;
    form->Brushed->trigger();
    EXPECT_EQ(shape->Brush().Style(), bsSolid);
    EXPECT_EQ(shape->Brush().Color(), chosen);
    form->Brushed->trigger();
    EXPECT_EQ(shape->Brush().Style(), bsClear);
    EXPECT_EQ(shape->Brush().Color(), chosen);
    EXPECT_EQ(form->ModificationCount, before + 2);
}

TEST_F(Attributes, ColourDialogStepsChangeOnlyOnADifferentConfirmedColour)
{
    TLabelEx *label = addLabel({150, 20}, QStringLiteral("Velmora"));
    label->Font().SetColor(clBlack);
    click(inside(label));
    const int before = form->ModificationCount;
    modal->answerColor(std::nullopt);
    modal->answerColor(picked(Qt::black));
    modal->answerColor(picked(Qt::red));
    form->ForColorClick();
    form->ForColorClick();
    EXPECT_EQ(form->ModificationCount, before);
    form->FontColorChange->trigger();
    EXPECT_EQ(label->Font().Color(), TColor(0x0000FF));
    EXPECT_EQ(form->ModificationCount, before + 1);
    EXPECT_EQ(modal->colorRequests.back().color, QColor(Qt::black));
    // No fill for text: the B panel does nothing while a label is selected.
    form->BackColorClick();
    EXPECT_EQ(modal->colorRequests.size(), 3u);
    EXPECT_EQ(form->PenColor, clBlack);

    TQVShape *shape = addShape({20, 100, 80, 40});
    shape->Brush().SetStyle(bsSolid);
    click(inside(shape, 40, 20));
    modal->answerColor(picked(Qt::green));
    modal->answerColor(picked(Qt::blue));
    form->PenColorChange->trigger();
    form->BrushColorChange->trigger();
    EXPECT_EQ(shape->Pen().Color(), TColor(0x00FF00));
    EXPECT_EQ(shape->Brush().Color(), TColor(0xFF0000));
    EXPECT_EQ(form->ModificationCount, before + 3);
}

TEST_F(Attributes, TheTextBeingTypedTakesColourStyleSizeAndGap)
{
    // A size typed into the combo and left for the worksheet reaches the editor that opens there.
    form->FontSizeComboBox->setFocus();
    form->FontSizeComboBox->setCurrentText(QStringLiteral("2x0"));
    form->TextButton->click();
    click({40, 40});
    ASSERT_TRUE(form->TextEditOpen);
    TInPlaceEditor *editor = form->InPlaceEditor;
    EXPECT_EQ(editor->Font().Size(), 20);
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("20"));

    // Size and gap given to the combos while the editor is open apply to it.
    form->FontSizeComboBox->setCurrentText(QStringLiteral("1a6"));
    form->FontSizeComboBoxExit();
    form->GapComboBox->setCurrentText(QStringLiteral("4"));
    form->GapComboBoxExit();
    EXPECT_EQ(editor->Font().Size(), 16);
    EXPECT_EQ(editor->Tag, 4);
    pressSwatch(4, Qt::RightButton);
    form->BoldButton->click();
    EXPECT_TRUE(editor->Font().Style() & fsBold);
    EXPECT_FALSE(form->FontBold);
    QTest::keyClicks(editor, QStringLiteral("Hi"));
    const int before = form->ModificationCount;
    click({300, 200});
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *label = dynamic_cast<TLabelEx *>(form->ObjectList.last());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Font().Size(), 16);
    EXPECT_EQ(label->Gap(), 4);
    EXPECT_EQ(label->Font().Color(), TColor(0x0000FF));
    EXPECT_TRUE(label->Font().Style() & fsBold);
    EXPECT_EQ(form->ModificationCount, before + 1);
}

TEST_F(Attributes, CombosActOnExitOnTheSettingsButLeaveASelectedLabel)
{
    typeAndLeave(form->FontSizeComboBox, QStringLiteral("2a4"));
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("24"));
    EXPECT_EQ(form->FontSize, 24);
    typeAndLeave(form->FontSizeComboBox, QStringLiteral("big"));
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("12"));
    EXPECT_EQ(form->FontSize, 12);
    typeAndLeave(form->GapComboBox, QStringLiteral("wide"));
    EXPECT_EQ(form->GapComboBox->currentText(), QStringLiteral("0"));
    typeAndLeave(form->GapComboBox, QStringLiteral("7px"));
    EXPECT_EQ(form->CharGap, 7);
    typeAndLeave(form->FontNameComboBox, QStringLiteral("No Such Font"));
    EXPECT_EQ(form->FontName, QStringLiteral("No Such Font"));
    // Too many digits: the conversion error is shown and the setting keeps its value.
    modal->answerMessage(IDOK);
    typeAndLeave(form->FontSizeComboBox, QStringLiteral("99999999999"));
    EXPECT_EQ(form->FontSize, 12);
    EXPECT_EQ(modal->messagesShown().size(), 1u);

    TLabelEx *label = addLabel({150, 20}, QStringLiteral("Velmora"));
    click(inside(label));
    typeAndLeave(form->FontSizeComboBox, QStringLiteral("1a8"));
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("18"));
    EXPECT_EQ(form->FontSize, 12);
    EXPECT_EQ(label->Font().Size(), 12);
    // The style buttons change a selected label at once.
    const int before = form->ModificationCount;
    form->ItalicButton->click();
    EXPECT_TRUE(label->Font().Style() & fsItalic);
    EXPECT_FALSE(form->FontItalic);
    EXPECT_EQ(form->ModificationCount, before + 1);
    // Deselecting hands the size on to the label.
    click({400, 250});
    EXPECT_EQ(label->Font().Size(), 18);
    form->UnderlineButton->click();
    EXPECT_TRUE(form->FontUnderline);
}

} // namespace
