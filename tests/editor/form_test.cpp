// The editor form as built: tool-bar initial state, colour panels and palette, change tracking.
#include "editor/unit2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QColor background(QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

TEST(EditorForm, ToolButtonsStartAsDesigned)
{
    TForm2 form;
    EXPECT_TRUE(form.PointButton->isChecked());
    EXPECT_TRUE(form.psSolidButton->isChecked());
    EXPECT_TRUE(form.Width1->isChecked());
    for (QToolButton *b : {form.BoldButton, form.ItalicButton, form.UnderlineButton}) {
        EXPECT_TRUE(b->isCheckable());
        EXPECT_FALSE(b->isChecked());
    }
    // Each style button is a group of its own that may be all up: pressing twice releases it.
    form.BoldButton->click();
    EXPECT_TRUE(form.BoldButton->isChecked());
    form.BoldButton->click();
    EXPECT_FALSE(form.BoldButton->isChecked());
    // The tool group is exclusive.
    form.RectButton->click();
    EXPECT_TRUE(form.RectButton->isChecked());
    EXPECT_FALSE(form.PointButton->isChecked());
    for (QToolButton *b : {form.CutButton, form.CopyButton, form.PasteButton})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(form.LineWidthGroup->id(form.Width4), 4);
}

TEST(EditorForm, ControlsSitWhereTheFormPlacesThem)
{
    TForm2 form;
    EXPECT_EQ(form.FontNameComboBox->geometry().topLeft(), QPoint(8, 6));
    EXPECT_EQ(form.GapComboBox->x(), 344);
    EXPECT_EQ(form.FileOpenButton->geometry(), QRect(8, 32, 32, 25));
    // Undo and redo follow the clipboard buttons, so the row holds two buttons more.
    EXPECT_EQ(form.UndoButton->geometry(), QRect(8 + 9 * 32, 32, 32, 25));
    EXPECT_EQ(form.HelpButton->geometry(), QRect(8 + 13 * 32, 32, 32, 25));
    EXPECT_EQ(form.imageButton->geometry(), QRect(32, 80, 25, 25));
    EXPECT_EQ(form.CFButton->geometry(), QRect(8, 104, 49, 17));
    EXPECT_EQ(form.Width6->y(), 218);
    EXPECT_EQ(form.FontPanel->height(), 57);
    EXPECT_EQ(form.ToolBox->width(), 65);
    EXPECT_EQ(form.ColorPanel->height(), 41);
    EXPECT_EQ(form.FontSizeComboBox->count(), 28);
    EXPECT_EQ(form.FontSizeComboBox->itemText(27), QStringLiteral("96"));
    EXPECT_EQ(form.GapComboBox->count(), 26);
    EXPECT_EQ(form.GapComboBox->itemText(25), QStringLiteral("30"));
}

TEST(EditorForm, DefaultsForNewObjects)
{
    TForm2 form;
    EXPECT_EQ(form.PenColor, clBlack);
    EXPECT_EQ(form.BrushColor, 0xC0C0C0);
    EXPECT_EQ(form.BrushStyle, bsClear);
    EXPECT_EQ(form.PenWidth, 0);
    EXPECT_EQ(form.FontName, QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(form.FontNameComboBox->currentText(), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(form.FontSizeComboBox->currentText(), QStringLiteral("12"));
    EXPECT_EQ(form.GapComboBox->currentText(), QStringLiteral("0"));
    EXPECT_TRUE(form.SnapToGrid);
    EXPECT_TRUE(form.KeepImageRatio);
    EXPECT_EQ(form.CurrentTool, 0);
    EXPECT_FLOAT_EQ(form.PixelsPerInch, 127.000254f);
    EXPECT_FLOAT_EQ(form.InchesPerMm, 0.03937f);
    EXPECT_TRUE(form.CatchPhraseDirectory.endsWith(QStringLiteral("/CPhrase")));
    EXPECT_TRUE(form.BackgroundDirectory.endsWith(QStringLiteral("/bkimages")));
}

TEST(EditorForm, ColourPanelsShowContrastingCaptions)
{
    TForm2 form;
    EXPECT_EQ(background(form.ForColor), QColor(Qt::black));
    EXPECT_EQ(form.ForColor->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(background(form.BackColor), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(form.BackColor->palette().color(QPalette::WindowText), QColor(0x3F, 0x3F, 0x3F));
    EXPECT_EQ(form.ForColor->text(), QStringLiteral("F"));
    EXPECT_EQ(form.BackColor->text(), QStringLiteral("B"));
}

TEST(EditorForm, SixteenSwatchesInEightColumnsOfTwo)
{
    TForm2 form;
    EXPECT_EQ(form.ColorPalette[0]->geometry(), QRect(65, 5, 15, 15));
    EXPECT_EQ(form.ColorPalette[1]->geometry(), QRect(65, 20, 15, 15));
    EXPECT_EQ(form.ColorPalette[15]->geometry(), QRect(7 * 15 + 65, 20, 15, 15));
    EXPECT_EQ(background(form.ColorPalette[0]), QColor(Qt::white));
    EXPECT_EQ(background(form.ColorPalette[4]), QColor(255, 0, 0));  // 0x0000FF is red
    EXPECT_EQ(background(form.ColorPalette[13]), QColor(0, 0, 128)); // navy
    EXPECT_EQ(form.ColorPalette[7]->toolTip(), QStringLiteral("カラーボタン"));
}

TEST(EditorForm, NoteModifiedCountsEveryChange)
{
    TForm2 form;
    EXPECT_FALSE(form.Modified);
    form.NoteModified();
    form.NoteModified();
    EXPECT_TRUE(form.Modified);
    EXPECT_EQ(form.ModificationCount, 2);
    EXPECT_EQ(form.TestLabel1->text(), QStringLiteral("2"));
}

TEST(EditorForm, PasteNeedsAWorksheetEvenWhenTheClipboardHoldsText)
{
    TForm2 form;
    QApplication::clipboard()->setText(QStringLiteral("名刺"));
    form.UpdatePasteCommand();
    EXPECT_FALSE(form.EditPaste->isEnabled());
    EXPECT_FALSE(form.PasteButton->isEnabled());
}

TEST(EditorForm, PopupItemsStartHidden)
{
    TForm2 form;
    for (QAction *a :
         {form.PenColorChange, form.BrushColorChange, form.Brushed, form.FontColorChange, form.ImageChange,
          form.ImageReduction, form.Order, form.BGImageSetting, form.BGImageClear, form.GridSetting})
        EXPECT_FALSE(a->isVisible()) << a->text().toStdString();
    EXPECT_EQ(form.Order->text(), QStringLiteral("順序"));
}

} // namespace

#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "controls/qvshape.h"

namespace {

TEST(Worksheet, NewWorksheetHoldsBackgroundThenGrid)
{
    TForm2 form;
    form.RebuildWorkSheet(455, 275);
    ASSERT_NE(form.DrawPanel, nullptr);
    EXPECT_EQ(form.DrawPanel->geometry(), QRect(10, 10, 455, 275));
    EXPECT_EQ(form.DrawPanel->objectName(), QStringLiteral("DrawPanel"));
    const QObjectList children = form.DrawPanel->children();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0], form.BackgroundPicture);
    EXPECT_EQ(children[1], form.GridOverlay);
    EXPECT_EQ(form.BackgroundPicture->geometry(), QRect(0, 0, 455, 275));
    EXPECT_FALSE(form.BackgroundPicture->Enabled());
    // New documents and cleared worksheets hide it; a loaded document's says whether it shows.
    EXPECT_TRUE(form.BackgroundPicture->Visible());
    EXPECT_TRUE(form.BackgroundPicture->Stretch());
    EXPECT_FALSE(form.BackgroundPicture->AutoSize());
    EXPECT_EQ(form.GridOverlay->GridWidth(), 10);
    EXPECT_EQ(form.GridOverlay->Pen().Color(), 0xC0C0C0);
    EXPECT_EQ(form.GridOverlay->Brush().Style(), bsClear);
    EXPECT_FALSE(form.GridOverlay->Enabled());
    EXPECT_TRUE(form.ObjectList.isEmpty());
    ASSERT_NE(form.ColorDialog, nullptr);
    EXPECT_TRUE(form.ColorDialog->CustomColors.isEmpty());
}

TEST(Worksheet, RebuildDiscardsEveryObjectAndTakesTheNewSize)
{
    TForm2 form;
    form.RebuildWorkSheet(455, 275);
    QPointer<QWidget> oldPanel = form.DrawPanel;
    auto *shape = new TQVShape(form.DrawPanel);
    QPointer<QWidget> shapeGuard = shape;
    form.ObjectList.append(shape);
    form.CurrentShape = shape;
    form.ColorDialog->CustomColors << QStringLiteral("ColorA=FFFFFF");
    form.RebuildWorkSheet(300, 200);
    EXPECT_TRUE(oldPanel.isNull());
    EXPECT_TRUE(shapeGuard.isNull());
    EXPECT_EQ(form.CurrentShape, nullptr);
    EXPECT_TRUE(form.ObjectList.isEmpty());
    EXPECT_EQ(form.DrawPanel->size(), QSize(300, 200));
    EXPECT_EQ(form.GridOverlay->size(), QSize(300, 200));
    EXPECT_TRUE(form.ColorDialog->CustomColors.isEmpty());
}

} // namespace

namespace {

TEST(Worksheet, GridButtonShowsAndHidesTheGridWithoutAChange)
{
    TForm2 form;
    form.RebuildWorkSheet(455, 275);
    form.GridButton->setEnabled(true);
    form.GridButton->click();
    EXPECT_FALSE(form.GridOverlay->Visible());
    form.GridButton->click();
    EXPECT_TRUE(form.GridOverlay->Visible());
    EXPECT_FALSE(form.Modified);
    EXPECT_EQ(form.ModificationCount, 0);
}

} // namespace
