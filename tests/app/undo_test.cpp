// Undo and redo: every kind of change to the card comes back byte for byte, a drag is one step, the
// saved state clears Modified, the text being typed is undone first, and Open, New and Clear start over.
#include "app/dialog_answers.h"
#include "app/unit3.h"
#include "common/picture_samples.h"
#include "common/scripted_modal.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "dialogs/gsdlg.h"
#include "dialogs/number_memo.h"
#include "dialogs/wizard.h"
#include "editor/inplace_editor.h"
#include "layout/pageset.h"
#include "platform/application.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

class Undo : public ::testing::Test
{
public:
    void SetUp() override
    {
        form = std::make_unique<TForm3>();
        form->StartupPending = false;
        form->RebuildWorkSheet(455, 275);
        form->BackgroundPicture->SetVisible(false);
        for (int i = 0; i < 2; ++i) {
            auto *shape = new TQVShape(form->DrawPanel);
            shape->SetBounds(20 + 60 * i, 30, 50, 40);
            shape->Pen().SetColor(0x0000AA + i);
            form->AttachCardObject(shape);
        }
        auto *label = new TLabelEx(form->DrawPanel);
        label->SetCaption(QStringLiteral("名刺"));
        label->SetBounds(200, 100, 60, 20);
        form->AttachCardObject(label);
        writePicture(QStringLiteral("red.bmp"), Qt::red, {40, 30});
        const QString base = dir.filePath(QStringLiteral("base.zrd"));
        ASSERT_EQ(form->SaveDocument(base), 0);
        ASSERT_EQ(form->LoadDocument(base), 0);
        form->DocumentOpen = true;
    }

    // A picture file of one colour in the test's folder, in the format its extension names.
    QString writePicture(const QString &name, QColor colour, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(EncodedImage(image, QFileInfo(name).suffix().toUpper().toLatin1().constData()));
        return path;
    }
    TQVShape *shape(int i) { return static_cast<TQVShape *>(form->ObjectList[i]); }
    TLabelEx *label() { return static_cast<TLabelEx *>(form->ObjectList[2]); }
    // Selects an object as a click on it does.
    void select(TGraphicControl *o)
    {
        form->ObjectMouseDown(o, Qt::LeftButton, {}, 1, 1);
        form->ObjectMouseUp(o, Qt::LeftButton, {}, 1, 1);
    }
    // The document as Save writes it.
    QByteArray bytes()
    {
        const QString path = dir.filePath(QStringLiteral("now.zrd"));
        form->SaveDocument(path);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir;
    ScopedScriptedModal modal;
    std::unique_ptr<TForm3> form;
};

struct Change
{
    const char *name;
    std::function<void(Undo &)> make;
};

class EachChange : public Undo, public ::testing::WithParamInterface<Change>
{};

const Change kChanges[] = {
    {"PlaceShape",
     [](Undo &t) {
         t.form->RectButtonClick();
         t.form->DrawPanelMouseDown(nullptr, Qt::LeftButton, {}, 100, 150);
         t.form->DrawPanelMouseMove(nullptr, Qt::LeftButton, {}, 130, 170);
         t.form->DrawPanelMouseMove(nullptr, Qt::LeftButton, {}, 160, 200);
         t.form->DrawPanelMouseUp(nullptr, Qt::LeftButton, {}, 160, 200);
     }},
    {"MoveObject",
     [](Undo &t) {
         TQVShape *s = t.shape(0);
         t.form->ObjectMouseDown(s, Qt::LeftButton, {}, 5, 5);
         t.form->ObjectMouseMove(s, Qt::LeftButton, {}, 15, 15);
         t.form->ObjectMouseMove(s, Qt::LeftButton, {}, 25, 35);
         t.form->ObjectMouseUp(s, Qt::LeftButton, {}, 25, 35);
     }},
    {"ResizeWithAHandle",
     [](Undo &t) {
         t.select(t.shape(1));
         t.form->HandleMouseDown(7, {}, 2, 2);
         for (int d = 10; d <= 40; d += 10)
             t.form->HandleMouseMove(7, {}, 2 + d, 2 + d);
         t.form->HandleMouseUp(7);
     }},
    {"Delete",
     [](Undo &t) {
         t.select(t.shape(0));
         t.form->FormKeyDown(Qt::Key_Delete, {});
     }},
    {"Cut",
     [](Undo &t) {
         t.select(t.label());
         t.form->EditCutClick();
     }},
    {"Paste",
     [](Undo &t) {
         t.select(t.shape(1));
         t.form->EditCopyClick();
         t.form->EditPasteClick();
     }},
    {"TypeANewLabel",
     [](Undo &t) {
         t.form->TextButtonClick();
         t.form->DrawPanelMouseDown(nullptr, Qt::LeftButton, {}, 300, 200);
         t.form->DrawPanelMouseUp(nullptr, Qt::LeftButton, {}, 300, 200);
         QTest::keyClicks(t.form->InPlaceEditor, QStringLiteral("abc"));
         t.form->CommitTextEdit();
     }},
    {"RetypeALabel",
     [](Undo &t) {
         t.form->LabelDblClick(t.label());
         QTest::keyClicks(t.form->InPlaceEditor, QStringLiteral("ab"));
         t.form->CommitTextEdit();
     }},
    {"PaletteColour",
     [](Undo &t) {
         t.select(t.shape(0));
         t.form->ColorPaletteMouseDown(t.form->ColorPalette[4], Qt::RightButton, {}, {});
     }},
    {"LineWidth",
     [](Undo &t) {
         t.select(t.shape(0));
         t.form->Width3Click();
     }},
    {"DottedLine",
     [](Undo &t) {
         t.select(t.shape(1));
         t.form->psDotButtonClick();
     }},
    {"Bold",
     [](Undo &t) {
         t.select(t.label());
         t.form->BoldButton->click();
     }},
    {"FontSize",
     [](Undo &t) {
         t.select(t.label());
         t.form->FontSizeComboBox->setCurrentText(QStringLiteral("20"));
         t.form->FontSizeComboBoxExit();
         t.form->Deselect();
     }},
    {"LetterSpacing",
     [](Undo &t) {
         t.select(t.label());
         t.form->GapComboBox->setCurrentText(QStringLiteral("6"));
         t.form->GapComboBoxExit();
         t.form->Deselect();
     }},
    {"BringToFront",
     [](Undo &t) {
         t.select(t.shape(0));
         t.form->FrontClick();
     }},
    {"SendToBack",
     [](Undo &t) {
         t.select(t.label());
         t.form->BackClick();
     }},
    {"PlacePicture",
     [](Undo &t) {
         t.modal->answerFile(t.dir.filePath(QStringLiteral("red.bmp")));
         t.form->PressPoint = {300, 40};
         t.form->PlacePicture(0);
     }},
    {"Background",
     [](Undo &t) {
         t.modal->answerFile(t.dir.filePath(QStringLiteral("red.bmp")));
         t.form->ChooseBackground();
     }},
    {"GridPitch",
     [](Undo &t) {
         t.modal->answerDialog([](QDialog &d) {
             auto &dlg = static_cast<TGridSettingDlg &>(d);
             dlg.GridMemo->clear();
             QTest::keyClicks(dlg.GridMemo, QStringLiteral("20"));
             dlg.OKBtn->click();
             return dlg.result();
         });
         t.form->EditGridSettings();
     }},
    {"PageSetup",
     [](Undo &t) {
         t.modal->answerDialog([](QDialog &d) {
             auto &dlg = dynamic_cast<TPageSetDlg &>(d);
             dlg.FormActivate();
             dlg.TonboCB->setChecked(false);
             dlg.WidthMemo->setText(QStringLiteral("80"));
             dlg.WidthMemoExit();
             dlg.OKBtn->click();
             return dlg.result();
         });
         t.form->FilePrintSetupClick();
     }},
};

TEST_P(EachChange, IsOneStepThatUndoAndRedoRestoreByteForByte)
{
    const QByteArray before = bytes();
    GetParam().make(*this);
    form->FlushUndoStep();
    const QByteArray after = bytes();
    ASSERT_TRUE(after != before);
    EXPECT_EQ(form->History().UndoCount(), 1u);
    EXPECT_TRUE(form->EditUndo->isEnabled());
    EXPECT_TRUE(form->UndoButton->isEnabled());
    EXPECT_FALSE(form->RedoButton->isEnabled());

    form->EditUndoClick();
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(form->History().CanUndo());
    EXPECT_TRUE(form->EditRedo->isEnabled());
    EXPECT_TRUE(form->RedoButton->isEnabled());
    EXPECT_FALSE(form->HasSelection);

    form->EditRedoClick();
    EXPECT_EQ(bytes(), after);
    EXPECT_FALSE(form->History().CanRedo());
}

INSTANTIATE_TEST_SUITE_P(Undo, EachChange, ::testing::ValuesIn(kChanges),
                         [](const ::testing::TestParamInfo<Change> &info) { return info.param.name; });

TEST_F(Undo, StepsWaitForTheEventLoopAndANewChangeDropsWhatCouldBeRedone)
{
    select(shape(0));
    form->Width3Click();
    // The step is taken once the action has ended, when the event loop runs.
    EXPECT_EQ(form->History().UndoCount(), 0u);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->History().UndoCount(), 1u);
    select(shape(0));
    form->Width5Click();
    QCoreApplication::processEvents();
    form->EditUndoClick();
    form->EditUndoClick();
    EXPECT_EQ(form->History().RedoCount(), 2u);
    select(shape(1));
    form->psDotButtonClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->History().UndoCount(), 1u);
    EXPECT_FALSE(form->History().CanRedo());
    EXPECT_FALSE(form->EditRedo->isEnabled());
    // A command that changes nothing is no step.
    select(shape(1));
    form->psDotButtonClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->History().UndoCount(), 1u);
}

TEST_F(Undo, UndoingBackToTheSavedStateClearsModifiedAndRedoSetsIt)
{
    EXPECT_FALSE(form->Modified);
    select(shape(0));
    form->FrontClick();
    form->FlushUndoStep();
    EXPECT_TRUE(form->Modified);
    EXPECT_TRUE(form->isWindowModified());
    form->EditUndoClick();
    EXPECT_FALSE(form->Modified);
    EXPECT_FALSE(form->isWindowModified());
    form->EditRedoClick();
    EXPECT_TRUE(form->Modified);
    EXPECT_TRUE(form->isWindowModified());
    // Saved here, the state before is the one that differs from the file.
    ASSERT_EQ(form->SaveDocument(dir.filePath(QStringLiteral("saved.zrd"))), 0);
    form->EditUndoClick();
    EXPECT_TRUE(form->Modified);
    form->EditRedoClick();
    EXPECT_FALSE(form->Modified);
}

TEST_F(Undo, TheOldLayoutIndicationAndTheFileVersionStayThroughUndo)
{
    form->LegacyLayoutLoaded = true;
    form->PageLayout.PresetIndex = 4;
    form->LoadedFileVersion = QByteArray("1.0\0\0\0\0\0", 8);
    select(shape(0));
    form->Width2Click();
    form->FlushUndoStep();
    select(shape(1));
    form->Width3Click();
    form->FlushUndoStep();
    form->PageLayout.PresetIndex = 1;
    form->LegacyLayoutLoaded = false;
    form->EditUndoClick();
    EXPECT_TRUE(form->LegacyLayoutLoaded);
    EXPECT_EQ(form->PageLayout.PresetIndex, 4);
    EXPECT_EQ(form->LoadedFileVersion, QByteArray("1.0\0\0\0\0\0", 8));
}

TEST_F(Undo, CtrlZWhileTypingUndoesTheTextNotTheCard)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    select(shape(0));
    form->Width4Click();
    form->FlushUndoStep();
    ASSERT_EQ(form->History().UndoCount(), 1u);

    form->LabelDblClick(label());
    ASSERT_TRUE(form->TextEditOpen);
    TInPlaceEditor *editor = form->InPlaceEditor;
    QTest::keyClicks(editor, QStringLiteral("xyz"));
    ASSERT_EQ(editor->Text(), QStringLiteral("名刺xyz"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form->TextEditOpen);
    EXPECT_EQ(editor->Text(), QStringLiteral("名刺"));
    EXPECT_EQ(form->History().UndoCount(), 1u);
    EXPECT_EQ(shape(0)->Pen().Width(), 4);
    // With nothing typed left to take back, the menu command ends the edit and undoes the card.
    form->EditUndo->trigger();
    EXPECT_FALSE(form->TextEditOpen);
    EXPECT_EQ(static_cast<TQVShape *>(form->ObjectList[0])->Pen().Width(), 1);
}

TEST_F(Undo, ACardWithAPictureOfMoreThanHalfThePixelBudgetIsUndone)
{
    // Restoring reads the card again while the card still holds its pictures.
    modal->answerFile(writePicture(QStringLiteral("large.png"), Qt::darkCyan, {5200, 5000}));
    form->PressPoint = {300, 40};
    form->PlacePicture(0);
    form->FlushUndoStep();
    const QByteArray before = bytes();

    select(label());
    form->BackClick();
    form->FlushUndoStep();
    form->EditUndoClick();
    EXPECT_EQ(bytes(), before);
    EXPECT_TRUE(form->History().CanRedo());
}

TEST_F(Undo, OpenNewAndClearStartAnEmptyHistory)
{
    select(shape(0));
    form->FrontClick();
    form->FlushUndoStep();
    ASSERT_TRUE(form->History().CanUndo());
    ASSERT_EQ(form->LoadDocument(dir.filePath(QStringLiteral("base.zrd"))), 0);
    EXPECT_FALSE(form->History().CanUndo());
    EXPECT_FALSE(form->UndoButton->isEnabled());

    select(shape(0));
    form->FrontClick();
    form->FlushUndoStep();
    modal->answerMessage(IDOK);
    form->WorkSheetClearClick();
    EXPECT_FALSE(form->History().CanUndo());
    EXPECT_TRUE(form->Modified);

    form->Width1Click(); // a setting, not a change
    modal->answerMessage(IDNO);
    AnswerWizardWithoutTemplate(*modal);
    AnswerPageSetupWithCard(*modal, QStringLiteral("91"), QStringLiteral("55"));
    form->FileNewClick();
    ASSERT_NE(form->DrawPanel, nullptr);
    EXPECT_TRUE(form->History().HasCard());
    EXPECT_FALSE(form->History().CanUndo());
    EXPECT_FALSE(form->History().CanRedo());
}

} // namespace
