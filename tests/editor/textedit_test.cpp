// Typing labels in place: new labels with the text tool, editing with a double-click, fitting, commit.
#include "editor_fixture.h"

#include "common/scripted_modal.h"
#include "controls/gridshape.h"
#include "editor/inplace_editor.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QInputMethodEvent>

namespace {

using TextEditing = EditorFixture;

// Key presses and releases carrying each character, Latin or not.
void type(TForm2 &f, const QString &text)
{
    ASSERT_NE(f.InPlaceEditor, nullptr);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, f.InPlaceEditor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

TEST_F(TextEditing, TextToolOpensTheEditorAtTheSnappedPress)
{
    form->TextButton->click();
    click({23, 37});
    ASSERT_NE(form->InPlaceEditor, nullptr);
    EXPECT_TRUE(form->TextEditOpen);
    EXPECT_TRUE(form->TextToolOn); // until the text is committed
    EXPECT_EQ(form->InPlaceEditor->pos(), QPoint(20, 40));
    EXPECT_TRUE(form->InPlaceEditor->isVisible());
    EXPECT_TRUE(form->InPlaceEditor->hasFocus());
    EXPECT_EQ(form->InPlaceEditor->Font().Name(), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(form->InPlaceEditor->Font().Size(), 12);
    EXPECT_EQ(form->InPlaceEditor->Font().Color(), form->PenColor);
    EXPECT_EQ(form->InPlaceEditor->Tag, 0);
    // As high as the font size plus a line of "Test", as wide as "Test".
    form->TestLabel->SetFont(form->InPlaceEditor->Font());
    form->TestLabel->SetCaption(QStringLiteral("Test"));
    EXPECT_EQ(form->InPlaceEditor->height(), 12 + form->TestLabel->height());
    EXPECT_EQ(form->InPlaceEditor->width(), form->TestLabel->width());
    // The tool bar: combos off, the pointer pressed, no worksheet hint.
    EXPECT_FALSE(form->FontSizeComboBox->isEnabled());
    EXPECT_FALSE(form->FontNameComboBox->isEnabled());
    EXPECT_FALSE(form->GapComboBox->isEnabled());
    EXPECT_TRUE(form->BoldButton->isEnabled());
    EXPECT_TRUE(form->Width1->isEnabled());
    EXPECT_TRUE(form->PointButton->isChecked());
    EXPECT_TRUE(form->DrawPanel->toolTip().isEmpty());
    EXPECT_EQ(form->ModificationCount, 0);
}

TEST_F(TextEditing, TypingAndPressingElsewhereCreatesTheLabel)
{
    form->GapComboBox->setCurrentText(QStringLiteral("3"));
    form->BoldButton->setChecked(true);
    form->TextButton->click();
    click({23, 37});
    type(*form, QStringLiteral("Velmora"));
    const QPoint editorPos = form->InPlaceEditor->pos();
    click({300, 200});
    EXPECT_EQ(form->InPlaceEditor, nullptr);
    EXPECT_FALSE(form->TextEditOpen);
    EXPECT_FALSE(form->TextToolOn);
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *label = dynamic_cast<TLabelEx *>(form->ObjectList[0]);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(form->CurrentLabel, label);
    EXPECT_EQ(label->Caption(), QStringLiteral("Velmora"));
    EXPECT_EQ(label->pos(), editorPos + QPoint(1, 0));
    EXPECT_TRUE(label->Transparent());
    EXPECT_FALSE(label->AutoSize());
    EXPECT_EQ(label->Gap(), 3);
    EXPECT_TRUE(label->Font().Style() & fsBold);
    EXPECT_EQ(label->Cursor(), crHandPoint);
    // Its width is the text's, gap included, plus one pixel.
    TLabelEx fitted;
    fitted.SetFont(label->Font());
    fitted.SetGap(3);
    fitted.SetCaption(QStringLiteral("Velmora"));
    fitted.AdjustBounds();
    EXPECT_EQ(label->width(), fitted.width() + 1);
    EXPECT_EQ(label->height(), fitted.height());
    EXPECT_EQ(form->ModificationCount, 1);
    // The tool bar is back to the defaults; the press selected nothing.
    EXPECT_TRUE(form->FontSizeComboBox->isEnabled());
    EXPECT_EQ(form->GapComboBox->currentText(), QStringLiteral("0"));
    EXPECT_EQ(form->BoldButton->isChecked(), form->FontBold);
    EXPECT_FALSE(form->CutButton->isEnabled());
    EXPECT_FALSE(form->HasSelection);
}

TEST_F(TextEditing, JapaneseTextBecomesALabel)
{
    form->TextButton->click();
    click({40, 40});
    type(*form, QStringLiteral("名刺デザイン"));
    form->PointButton->click(); // a tool button commits as well
    ASSERT_EQ(form->ObjectList.size(), 1);
    EXPECT_EQ(static_cast<TLabelEx *>(form->ObjectList[0])->Caption(), QStringLiteral("名刺デザイン"));
    EXPECT_EQ(form->ModificationCount, 1);
}

TEST_F(TextEditing, InputMethodTextFitsTheEditorToo)
{
    form->TextButton->click();
    click({40, 40});
    const int before = form->InPlaceEditor->width();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("株式会社ヴェルモラ"));
    QApplication::sendEvent(form->InPlaceEditor, &commit);
    EXPECT_EQ(form->InPlaceEditor->Text(), QStringLiteral("株式会社ヴェルモラ"));
    EXPECT_GT(form->InPlaceEditor->width(), before);
    click({300, 200});
    ASSERT_EQ(form->ObjectList.size(), 1);
    EXPECT_EQ(static_cast<TLabelEx *>(form->ObjectList[0])->Caption(), QStringLiteral("株式会社ヴェルモラ"));
}

TEST_F(TextEditing, EditorGrowsWithTheText)
{
    form->TextButton->click();
    click({40, 40});
    type(*form, QStringLiteral("ab"));
    const int narrow = form->InPlaceEditor->width();
    type(*form, QStringLiteral("cdefghijkl"));
    EXPECT_GT(form->InPlaceEditor->width(), narrow);
    form->TestLabel->SetFont(form->InPlaceEditor->Font());
    form->TestLabel->SetCaption(QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(form->InPlaceEditor->width(), form->TestLabel->width() + 50);
    const int oneLine = form->InPlaceEditor->height();
    QTest::keyClick(form->InPlaceEditor, Qt::Key_Return);
    type(*form, QStringLiteral("2"));
    EXPECT_GT(form->InPlaceEditor->height(), oneLine);
    click({300, 200});
    auto *label = static_cast<TLabelEx *>(form->ObjectList[0]);
    EXPECT_EQ(label->Caption(), QStringLiteral("abcdefghijkl\r\n2"));
}

TEST_F(TextEditing, OpeningAndLeavingWithoutTypingCreatesNothing)
{
    form->TextButton->click();
    click({40, 40});
    click({300, 200});
    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_EQ(form->InPlaceEditor, nullptr);
    EXPECT_EQ(form->ModificationCount, 0);
    EXPECT_FALSE(form->TextToolOn);
}

TEST_F(TextEditing, DoubleClickOpensTheEditorOverTheLabel)
{
    TLabelEx *label = addLabel({60, 70}, QStringLiteral("Velmora"), 14, 2);
    label->Font().SetStyle(fsItalic);
    doubleClick(inside(label, 5, 5));
    ASSERT_NE(form->InPlaceEditor, nullptr);
    EXPECT_TRUE(form->TextEditOpen);
    EXPECT_TRUE(form->EditingLabel);
    EXPECT_FALSE(form->HasSelection);
    EXPECT_EQ(form->CurrentLabel, label);
    EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(form->InPlaceEditor->pos(), QPoint(59, 70));
    EXPECT_EQ(form->InPlaceEditor->width(), label->width() + 50);
    EXPECT_EQ(form->InPlaceEditor->height(), 14 + label->height());
    EXPECT_EQ(form->InPlaceEditor->Text(), QStringLiteral("Velmora"));
    EXPECT_EQ(form->InPlaceEditor->Tag, 2);
    // The tool bar shows the label's font.
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("14"));
    EXPECT_EQ(form->GapComboBox->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(form->ItalicButton->isChecked());
    EXPECT_FALSE(form->FontSizeComboBox->isEnabled());
    EXPECT_FALSE(form->Width1->isEnabled());
    EXPECT_FALSE(form->psSolidButton->isEnabled());
    EXPECT_TRUE(form->CutButton->isEnabled());
    EXPECT_TRUE(form->EditCopy->isEnabled());
    EXPECT_EQ(form->ModificationCount, 0);

    QTest::keyClick(form->InPlaceEditor, Qt::Key_End);
    type(*form, QStringLiteral(" 名刺"));
    click({300, 200});
    EXPECT_EQ(label->Caption(), QStringLiteral("Velmora 名刺"));
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->pos(), QPoint(60, 70));
    EXPECT_EQ(label->Font().Size(), 14);
    EXPECT_EQ(form->ModificationCount, 1); // the text; font and gap are unchanged
    EXPECT_FALSE(form->EditingLabel);
    EXPECT_TRUE(form->Width1->isEnabled());
    EXPECT_TRUE(form->FontSizeComboBox->isEnabled());
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("12"));
}

TEST_F(TextEditing, AfterEditingAHoverNeverMovesTheLabel)
{
    // The second press of the double-click hides the label before its release can reach it; no
    // drag may stay armed for a later hover.
    TLabelEx *label = addLabel({60, 70}, QStringLiteral("Velmora"), 14);
    TLabelEx *other = addLabel({200, 150}, QStringLiteral("Other"), 14);
    doubleClick(inside(label, 5, 5));
    ASSERT_TRUE(form->EditingLabel);
    EXPECT_FALSE(form->PressedOnObject);
    EXPECT_FALSE(form->Dragging);
    click({300, 230});
    ASSERT_TRUE(label->isVisible());
    for (QPoint p : {inside(label, 3, 3), inside(label, 20, 8), inside(other, 4, 4), inside(other, 30, 9)})
        move(p);
    EXPECT_EQ(label->pos(), QPoint(60, 70));
    EXPECT_EQ(other->pos(), QPoint(200, 150));
    EXPECT_EQ(form->ModificationCount, 0);
    // An ordinary drag still moves it.
    drag(inside(label, 5, 5), inside(label, 15, 25));
    EXPECT_EQ(label->pos(), QPoint(70, 90));
    EXPECT_EQ(form->ModificationCount, 1);
}

TEST_F(TextEditing, StyleButtonsWhileEditingReachTheLabelAtCommit)
{
    TLabelEx *label = addLabel({60, 70}, QStringLiteral("Velmora"));
    doubleClick(inside(label, 5, 5));
    form->UnderlineButton->setChecked(true);
    form->ApplyFontButtons(form->InPlaceEditor->Font());
    click({300, 200});
    EXPECT_TRUE(label->Font().Style() & fsUnderline);
    EXPECT_EQ(form->ModificationCount, 1);
    // The style buttons show the defaults again.
    EXPECT_FALSE(form->UnderlineButton->isChecked());
}

TEST_F(TextEditing, EmptiedLabelIsDeleted)
{
    TLabelEx *label = addLabel({60, 70}, QStringLiteral("Velmora"));
    QPointer<TLabelEx> guard(label);
    doubleClick(inside(label, 5, 5));
    QTest::keyClick(form->InPlaceEditor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->InPlaceEditor, Qt::Key_Delete);
    EXPECT_TRUE(form->InPlaceEditor->Text().isEmpty());
    click({300, 200});
    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_EQ(form->InPlaceEditor, nullptr);
    EXPECT_FALSE(form->TextEditOpen);
    EXPECT_TRUE(guard.isNull() || guard->parent() == nullptr);
    EXPECT_EQ(form->CurrentLabel, nullptr);
    // The emptied text and the removal.
    EXPECT_EQ(form->ModificationCount, 2);
}

TEST_F(TextEditing, PressOnAnotherLabelCommitsAndSelectsIt)
{
    TLabelEx *first = addLabel({60, 70}, QStringLiteral("one"));
    TLabelEx *second = addLabel({60, 150}, QStringLiteral("two"));
    doubleClick(inside(first, 3, 3));
    QTest::keyClick(form->InPlaceEditor, Qt::Key_End);
    type(*form, QStringLiteral("!"));
    click(inside(second, 3, 3));
    EXPECT_EQ(first->Caption(), QStringLiteral("one!"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(form->TextEditOpen);
    EXPECT_TRUE(form->HasSelection);
    EXPECT_EQ(form->SelectedObject, second);
}

TEST_F(TextEditing, EditorTextStandsWhereTheLabelWillShowIt)
{
    // The text drawn in the editor and in the label that replaces it cover the same pixels' box.
    const auto inkBox = [this] {
        const QImage image = form->DrawPanel->grab().toImage();
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    form->GridOverlay->SetVisible(false);
    form->TextButton->click();
    click({40, 40});
    type(*form, QStringLiteral("HILT"));
    form->InPlaceEditor->setCursorWidth(0); // the caret is not text
    const QRect typed = inkBox();
    click({300, 200});
    const QRect shown = inkBox();
    ASSERT_FALSE(typed.isEmpty());
    EXPECT_EQ(shown, typed);
}

TEST_F(TextEditing, SizeThatIsNotANumberIsReportedAndOpensNothing)
{
    ScopedScriptedModal modal;
    modal->answerMessage(IDOK);
    form->FontSizeComboBox->setCurrentText(QStringLiteral("12pt"));
    form->TextButton->click();
    click({40, 40});
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_TRUE(modal->asked[0].text.contains(QStringLiteral("12pt")));
    EXPECT_EQ(form->InPlaceEditor, nullptr);
    EXPECT_FALSE(form->TextEditOpen);
    EXPECT_TRUE(form->FontSizeComboBox->isEnabled());
    // The tool waits for the next press, once the size is a number.
    EXPECT_TRUE(form->TextToolOn);
    form->FontSizeComboBox->setCurrentText(QStringLiteral("16"));
    click({40, 40});
    ASSERT_NE(form->InPlaceEditor, nullptr);
    EXPECT_EQ(form->InPlaceEditor->Font().Size(), 16);
}

} // namespace

TEST_F(TextEditing, ANewWorksheetShowsThePointerNotTheTextTool)
{
    form->TextButton->click();
    ASSERT_TRUE(form->TextToolOn);
    form->RebuildWorkSheet(455, 275);
    EXPECT_FALSE(form->TextToolOn);
    EXPECT_FALSE(form->TextButton->isChecked());
    EXPECT_TRUE(form->PointButton->isChecked());
    // A press on the new worksheet opens no editor, as the pressed pointer says.
    click({40, 40});
    EXPECT_EQ(form->InPlaceEditor, nullptr);
}
