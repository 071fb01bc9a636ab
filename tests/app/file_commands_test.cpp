// The file commands with the dialogs scripted: names, extensions, prompts and the title line.
#include "app/dialog_answers.h"
#include "app/entry.h"
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "dialogs/number_memo.h"
#include "dialogs/wizard.h"
#include "layout/pageset.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FileCommands : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScopedScriptedModal modal;
    QString path(const QString &name) { return dir.filePath(name); }

    // A new, never saved document with one shape.
    void startNew(TForm3 &form)
    {
        form.RebuildWorkSheet(455, 275);
        form.CurrentFileName = form.DefaultFileName;
        form.DocumentOpen = true;
        form.UpdateDocumentCommands();
        form.AttachCardObject(new TQVShape(form.DrawPanel));
        form.Modified = true;
    }
    QString title(const QString &file) { return QStringLiteral("ヴェルモラ  ") + file; }
};

TEST_F(FileCommands, SaveAsAppendsTheExtensionAndNamesTheDocument)
{
    TForm3 form;
    startNew(form);
    modal->answerFile(path("card"));
    form.FileSaveAs->trigger();
    EXPECT_TRUE(QFile::exists(path("card.zrd")));
    EXPECT_EQ(form.CurrentFileName, path("card.zrd"));
    EXPECT_EQ(form.windowTitle(), title(path("card.zrd")));
    EXPECT_FALSE(form.Modified);
    EXPECT_EQ(modal->asked[0].file.title, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(modal->asked[0].file.filter, QStringLiteral("ヴェルモラファイル (*.zrd)|*.zrd"));
    EXPECT_EQ(modal->asked[0].file.fileName, QStringLiteral("newfile.zrd"));

    // The comparison is case-sensitive: ".ZRD" gets the extension added after it.
    modal->answerFile(path("UPPER.ZRD"));
    modal->answerMessage(IDNO);
    form.FileSaveAs->trigger();
    EXPECT_TRUE(QFile::exists(path("UPPER.ZRD.zrd")));
}

TEST_F(FileCommands, SaveWritesBackWithoutAPrompt)
{
    TForm3 form;
    startNew(form);
    modal->answerFile(path("card.zrd"));
    form.FileSaveButton->click();
    ASSERT_EQ(form.CurrentFileName, path("card.zrd"));
    QFile::remove(path("card.zrd"));
    form.Modified = true;
    form.FileSave->trigger();
    EXPECT_TRUE(QFile::exists(path("card.zrd")));
    EXPECT_EQ(modal->asked.size(), 1u);
}

TEST_F(FileCommands, OverwriteCancelledReopensTheSaveDialog)
{
    TForm3 form;
    startNew(form);
    QFile existing(path("taken.zrd"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    modal->answerFile(path("taken.zrd"));
    modal->answerMessage(IDCANCEL);
    modal->answerFile(path("other.zrd"));
    EXPECT_EQ(form.SaveDocumentAs(), 0);
    EXPECT_EQ(modal->messagesShown(), std::vector<QString>{LoadStr(Str::OverwritePrompt)});
    EXPECT_EQ(modal->asked[1].buttons, MB_OKCANCEL);
    EXPECT_TRUE(QFile::exists(path("other.zrd")));
    QFile taken(path("taken.zrd"));
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), QByteArray("old"));
}

TEST_F(FileCommands, SaveAsACopyKeepsTheNameWhenTheRenameIsRefused)
{
    TForm3 form;
    startNew(form);
    modal->answerFile(path("first.zrd"));
    form.SaveDocumentAs();
    form.Modified = true;
    modal->answerFile(path("copy.zrd"));
    modal->answerMessage(IDNO);
    form.SaveDocumentAs();
    EXPECT_EQ(modal->messagesShown().back(), LoadStr(Str::AdoptNamePrompt));
    EXPECT_EQ(form.windowTitle(), title(path("first.zrd")));
    EXPECT_FALSE(form.Modified);
    EXPECT_TRUE(QFile::exists(path("copy.zrd")));
    modal->answerFile(path("second.zrd"));
    modal->answerMessage(IDYES);
    form.SaveDocumentAs();
    EXPECT_EQ(form.CurrentFileName, path("second.zrd"));
}

TEST_F(FileCommands, CancellingTheSaveDialogFromTheNewPromptAsksAgain)
{
    TForm3 form;
    startNew(form);
    modal->answerMessage(IDYES);
    modal->answerFile(std::nullopt);
    modal->answerMessage(IDCANCEL);
    form.FileNew->trigger();
    EXPECT_EQ(modal->messagesShown(), std::vector<QString>(2, LoadStr(Str::ChangedSavePrompt)));
    EXPECT_EQ(modal->asked[0].buttons, MB_YESNOCANCEL);
    EXPECT_TRUE(form.Modified);
}

TEST_F(FileCommands, NewGoesThroughPageSetupAndStartsModified)
{
    TForm3 form;
    // New opens the wizard at its second page; no template is the way to page setup.
    AnswerWizardWithoutTemplate(*modal);
    QString pageSetupTitle;
    AnswerPageSetupWithCard(*modal, QStringLiteral("91"), QStringLiteral("55"), &pageSetupTitle);
    form.FileNewButton->click();
    EXPECT_EQ(pageSetupTitle, QStringLiteral("新規作成"));
    ASSERT_NE(form.DrawPanel, nullptr);
    EXPECT_EQ(form.DrawPanel->size(), QSize(455, 275));
    EXPECT_FALSE(form.BackgroundPicture->isVisibleTo(form.DrawPanel));
    EXPECT_TRUE(form.Modified);
    EXPECT_TRUE(form.DocumentOpen);
    EXPECT_EQ(form.windowTitle(), title(QStringLiteral("newfile.zrd")));
}

TEST_F(FileCommands, ClearKeepsTheNameAndMarksTheDocumentModified)
{
    TForm3 form;
    startNew(form);
    modal->answerFile(path("card.zrd"));
    form.SaveDocumentAs();
    modal->answerMessage(IDCANCEL);
    form.WorkSheetClear->trigger();
    EXPECT_EQ(form.ObjectList.size(), 1);
    modal->answerMessage(IDOK);
    form.WorkSheetClear->trigger();
    EXPECT_TRUE(form.ObjectList.isEmpty());
    EXPECT_TRUE(form.Modified);
    EXPECT_EQ(form.windowTitle(), title(path("card.zrd")));
    EXPECT_EQ(modal->messagesShown().back(), LoadStr(Str::ClearWorksheetPrompt));
}

TEST_F(FileCommands, FileMenuFollowsTheDocument)
{
    TForm3 form;
    // Before the menu ever opens, so that shortcuts find nothing to act on.
    for (QAction *a : {form.FileSave, form.FileSaveAs, form.WorkSheetClear, form.FilePrintSetup})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QAction *a : {form.FileNew, form.FileOpen, form.FileExit})
        EXPECT_TRUE(a->isEnabled());
    startNew(form);
    form.FileMenuClick();
    for (QAction *a : {form.FileSave, form.FileSaveAs, form.WorkSheetClear, form.FilePrintSetup})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(FileCommands, OpeningADamagedFileLeavesNoWorksheet)
{
    TForm3 form;
    startNew(form);
    form.Modified = false;
    QFile bad(path("bad.zrd"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(17, '\0'));
    bad.close();
    modal->answerFile(path("bad.zrd"));
    modal->answerMessage(IDOK);
    form.FileOpenButton->click();
    EXPECT_EQ(form.DrawPanel, nullptr);
    EXPECT_FALSE(form.DocumentOpen);
    EXPECT_FALSE(form.FileSaveButton->isEnabled());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ")); // no document is left to name
}

TEST_F(FileCommands, ClosingANewDocumentAndCancellingTheSaveKeepsTheProgramRunning)
{
    const QString settings = WindowSettingsWritePath();
    QFile::remove(settings);
    TForm3 form;
    startNew(form);
    form.StartupPending = false; // no wizard: the document is started already
    form.show();
    modal->answerMessage(IDYES);
    modal->answerFile(std::nullopt);
    EXPECT_FALSE(form.close());
    EXPECT_FALSE(QFile::exists(settings));
    modal->answerMessage(IDNO);
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(QFile::exists(settings));
    QFile::remove(settings);
}

} // namespace

namespace {

TEST_F(FileCommands, AFailedOpenLeavesNoStaleTitleAndNoPressedTool)
{
    TForm3 form;
    startNew(form);
    form.Modified = false;
    modal->answerFile(path("good"));
    form.FileSaveAs->trigger();
    ASSERT_EQ(form.windowTitle(), title(path("good.zrd")));

    // The text tool chosen, then a file that is not a document: message 1002, no worksheet.
    form.TextButton->click();
    ASSERT_TRUE(form.TextToolOn);
    QFile bad(path("bad.zrd"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(18, '\0'));
    bad.close();
    modal->answerFile(path("bad.zrd"));
    modal->answerMessage(IDOK);
    form.FileOpen->trigger();
    EXPECT_EQ(form.DrawPanel, nullptr);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ"));
    EXPECT_FALSE(form.TextToolOn);
    EXPECT_FALSE(form.TextButton->isChecked());
    EXPECT_TRUE(form.PointButton->isChecked());
}

TEST_F(FileCommands, TheTitleNamesTheProgramOnceInEveryDocumentState)
{
    const QString name = QCoreApplication::applicationName();
    const QFont font = QApplication::font();
    SetUpApplication();
    // Qt appends a display name of our own to every title the window manager shows; unset, it is
    // the application name and nothing is appended.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    TForm3 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ"));
    startNew(form);
    modal->answerFile(path("card"));
    form.FileSaveAs->trigger();
    EXPECT_EQ(form.windowTitle(), title(path("card.zrd")));

    modal->answerFile(path("card.zrd"));
    form.Modified = false;
    form.FileOpen->trigger();
    EXPECT_EQ(form.windowTitle(), title(path("card.zrd")));

    QCoreApplication::setApplicationName(name);
    QApplication::setFont(font);
}

TEST_F(FileCommands, FileDialogsStartInTheDocumentsFolderOrTheDocumentsOwn)
{
    TForm3 form;
    // No document: the user's documents folder, never the folder the program runs in.
    modal->answerFile(std::nullopt);
    form.FileOpenButton->click();
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_EQ(modal->asked[0].kind, QStringLiteral("open"));
    EXPECT_EQ(modal->asked[0].file.initialDir, UserDocumentsDirectory());

    // A new document has no folder yet: Save As starts in the documents folder too.
    startNew(form);
    modal->answerFile(std::nullopt);
    form.FileSaveAs->trigger();
    EXPECT_EQ(modal->asked[1].file.initialDir, UserDocumentsDirectory());
    EXPECT_EQ(modal->asked[1].file.fileName, QStringLiteral("newfile.zrd"));

    // Once saved, Open and Save As start where the document lies.
    QDir(dir.path()).mkdir(QStringLiteral("cards"));
    modal->answerFile(path("cards/card"));
    form.FileSaveAs->trigger();
    modal->answerFile(std::nullopt);
    form.FileOpen->trigger();
    EXPECT_EQ(modal->asked.back().kind, QStringLiteral("open"));
    EXPECT_EQ(modal->asked.back().file.initialDir, path("cards"));
    modal->answerFile(std::nullopt);
    form.FileSaveAs->trigger();
    EXPECT_EQ(modal->asked.back().file.initialDir, path("cards"));
    EXPECT_EQ(modal->asked.back().file.fileName, path("cards/card.zrd"));
}

TEST(DocumentsFolder, IsAFolderThatExists)
{
    EXPECT_TRUE(QFileInfo(UserDocumentsDirectory()).isDir());
}

} // namespace
