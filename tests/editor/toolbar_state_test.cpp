// The tool bar in every editing state: enabled groups, pressed buttons, the font panel's texts, and the
// font panel's values reaching a deselected label.
#include "editor_fixture.h"

#include "common/scripted_modal.h"
#include "editor/inplace_editor.h"

#include <QButtonGroup>
#include <QComboBox>

namespace {

using ToolBar = EditorFixture;

struct Enabled
{
    bool style, combos, line, cutCopy;
    bool operator==(const Enabled &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Enabled &e)
{
    return os << "style " << e.style << " combos " << e.combos << " line " << e.line << " cut/copy "
              << e.cutCopy;
}

// Each group must be wholly on or off; a mixed group shows as a test failure.
Enabled enabledGroups(TForm2 &f)
{
    const auto all = [](std::initializer_list<QWidget *> ws) {
        const bool first = (*ws.begin())->isEnabled();
        for (QWidget *w : ws)
            EXPECT_EQ(w->isEnabled(), first) << w->toolTip().toStdString();
        return first;
    };
    const bool cut = all({f.CutButton, f.CopyButton});
    EXPECT_EQ(f.EditCut->isEnabled(), cut);
    EXPECT_EQ(f.EditCopy->isEnabled(), cut);
    return {all({f.BoldButton, f.ItalicButton, f.UnderlineButton}),
            all({f.FontNameComboBox, f.FontSizeComboBox, f.GapComboBox}),
            all({f.psSolidButton, f.psDotButton, f.Width1, f.Width2, f.Width3, f.Width4, f.Width5, f.Width6}),
            cut};
}

TEST_F(ToolBar, EnabledControlsFollowTheSelectedKind)
{
    EXPECT_EQ(enabledGroups(*form), (Enabled{true, true, true, false}));
    TQVShape *shape = addShape({20, 20, 60, 40});
    TLabelEx *label = addLabel({150, 20}, QStringLiteral("Velmora"));
    TImage *picture = addPicture({250, 20, 60, 40});

    click(inside(shape, 30, 20));
    EXPECT_EQ(enabledGroups(*form), (Enabled{false, false, true, true}));
    click(inside(label));
    EXPECT_EQ(enabledGroups(*form), (Enabled{true, true, false, true}));
    click(inside(picture, 30, 20));
    EXPECT_EQ(enabledGroups(*form), (Enabled{false, false, false, true}));
    click({400, 250});
    EXPECT_EQ(enabledGroups(*form), (Enabled{true, true, true, false}));

    // Typing a new label: only the combos go off.
    form->TextButton->click();
    click({40, 200});
    EXPECT_EQ(enabledGroups(*form), (Enabled{true, false, true, false}));
    QTest::sendKeyEvent(QTest::Click, form->InPlaceEditor, Qt::Key_unknown, QStringLiteral("x"),
                        Qt::NoModifier);
    click({400, 250});
    EXPECT_EQ(enabledGroups(*form), (Enabled{true, true, true, false}));

    // Editing a label: the line controls and combos go off, cut and copy act on the text.
    doubleClick(inside(label, 4, 4));
    EXPECT_EQ(enabledGroups(*form), (Enabled{true, false, false, true}));
    click({400, 250});
    EXPECT_EQ(enabledGroups(*form), (Enabled{true, true, true, false}));
}

TEST_F(ToolBar, ShapeSelectionPressesItsWidthAndStyle)
{
    TQVShape *thick = addShape({20, 20, 60, 40}, qvstRectangle, 3);
    TQVShape *thin = addShape({120, 20, 60, 40}, qvstRectangle, 0);
    TQVShape *dotted = addShape({220, 20, 60, 40}, qvstEllipse, 1);
    dotted->Pen().SetStyle(psDot);

    click(inside(thick, 30, 20));
    EXPECT_TRUE(form->Width3->isChecked());
    EXPECT_TRUE(form->psSolidButton->isChecked());
    // Width 0 has no button: the width buttons stay as they were.
    click(inside(thin, 30, 20));
    EXPECT_TRUE(form->Width3->isChecked());
    click(inside(dotted, 30, 20));
    EXPECT_TRUE(form->Width1->isChecked());
    EXPECT_TRUE(form->psDotButton->isChecked());
    // Deselecting shows the settings again: PenWidth 0 leaves the width, PenStyle solid.
    click({400, 250});
    EXPECT_TRUE(form->Width1->isChecked());
    EXPECT_TRUE(form->psSolidButton->isChecked());
    form->PenWidth = 5;
    click(inside(thick, 30, 20));
    click({400, 250});
    EXPECT_TRUE(form->Width5->isChecked());
    EXPECT_EQ(form->ModificationCount, 0);
}

TEST_F(ToolBar, LabelSelectionShowsItsFontAndDeselectingShowsTheDefaults)
{
    TLabelEx *label = addLabel({40, 40}, QStringLiteral("Velmora"), 14, 4);
    label->Font().SetStyle(fsBold | fsUnderline);
    label->Font().SetName(QStringLiteral("IPAGothic"));
    click(inside(label));
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("14"));
    EXPECT_EQ(form->GapComboBox->currentText(), QStringLiteral("4"));
    EXPECT_EQ(form->FontNameComboBox->currentText(), QStringLiteral("IPAGothic"));
    EXPECT_TRUE(form->BoldButton->isChecked());
    EXPECT_FALSE(form->ItalicButton->isChecked());
    EXPECT_TRUE(form->UnderlineButton->isChecked());
    click({400, 250});
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("12"));
    EXPECT_EQ(form->GapComboBox->currentText(), QStringLiteral("0"));
    EXPECT_EQ(form->FontNameComboBox->currentText(), form->FontName);
    EXPECT_FALSE(form->BoldButton->isChecked());
    EXPECT_FALSE(form->UnderlineButton->isChecked());
    EXPECT_EQ(form->ModificationCount, 0);
}

TEST_F(ToolBar, FontPanelValuesReachTheLabelWhenDeselected)
{
    TLabelEx *label = addLabel({40, 40}, QStringLiteral("Velmora"));
    const int narrow = label->width();
    click(inside(label));
    form->FontSizeComboBox->setCurrentText(QStringLiteral("20"));
    form->GapComboBox->setCurrentText(QStringLiteral("5"));
    // While selected, neither the label nor the defaults change.
    EXPECT_EQ(label->Font().Size(), 12);
    EXPECT_EQ(form->FontSize, 12);
    click({400, 250});
    EXPECT_EQ(label->Font().Size(), 20);
    EXPECT_EQ(label->Gap(), 5);
    EXPECT_EQ(form->ModificationCount, 2);
    EXPECT_EQ(form->FontSize, 12);
    // The label was fitted to its larger, spaced text.
    EXPECT_GT(label->width(), narrow + 6 * 5);
    TLabelEx fitted;
    fitted.SetFont(label->Font());
    fitted.SetGap(5);
    fitted.SetCaption(label->Caption());
    fitted.AdjustBounds();
    EXPECT_EQ(label->width(), fitted.width() + 1);
}

TEST_F(ToolBar, SizeThatIsNotANumberIsReportedAndStopsThePress)
{
    ScopedScriptedModal modal;
    modal->answerMessage(IDOK);
    TLabelEx *label = addLabel({40, 40}, QStringLiteral("Velmora"));
    click(inside(label));
    form->FontSizeComboBox->setCurrentText(QStringLiteral("abc"));
    form->GapComboBox->setCurrentText(QStringLiteral("7"));
    // Choosing a tool deselects first; the conversion error ends that handler before the tool is set.
    form->RectButton->click();
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_TRUE(modal->asked[0].text.contains(QStringLiteral("abc")));
    EXPECT_EQ(label->Font().Size(), 12);
    EXPECT_EQ(label->Gap(), 0); // the rest of the deselection was skipped
    EXPECT_FALSE(form->HasSelection);
    EXPECT_FALSE(form->ShapeToolOn);
    EXPECT_EQ(form->ModificationCount, 0);
}

TEST_F(ToolBar, GapThatIsNotANumberKeepsTheSizeAlreadyApplied)
{
    ScopedScriptedModal modal;
    modal->answerMessage(IDOK);
    TLabelEx *label = addLabel({40, 40}, QStringLiteral("Velmora"));
    click(inside(label));
    form->FontSizeComboBox->setCurrentText(QStringLiteral("18"));
    form->GapComboBox->setCurrentText(QStringLiteral("wide"));
    click({400, 250});
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_EQ(label->Font().Size(), 18);
    EXPECT_EQ(label->Gap(), 0);
    EXPECT_EQ(form->ModificationCount, 1);
    // The press that ran into it stopped: nothing was begun.
    EXPECT_FALSE(form->ButtonDown);
}

} // namespace
