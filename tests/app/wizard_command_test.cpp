// The wizard's three choices carried out by the main window, at start-up and from New, with the
// dialogs scripted: what was asked, and what the title and Modified become.
#include "app/dialog_answers.h"
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "controls/qvshape.h"
#include "dialogs/number_memo.h"
#include "dialogs/wizard.h"
#include "layout/pageset.h"
#include "platform/strings.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WizardChoices : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScopedScriptedModal modal;
    QString path(const QString &name) { return dir.filePath(name); }
    QString title(const QString &file) { return QStringLiteral("ヴェルモラ  ") + file; }

    // A saved card of 275 x 455 pixels with one shape.
    QString writeCard(const QString &name)
    {
        TForm3 form;
        form.WorkSheetWidthPx = 275;
        form.WorkSheetHeightPx = 455;
        form.RebuildWorkSheet(275, 455);
        form.AttachCardObject(new TQVShape(form.DrawPanel));
        form.SaveDocument(path(name));
        return path(name);
    }

    // Answers the wizard: records its start page and caption, then acts as the user would.
    void answerWizard(std::function<void(TWizardDlg &)> act, int *startPage = nullptr)
    {
        modal->answerDialog([act, startPage](QDialog &d) {
            auto &wizard = dynamic_cast<TWizardDlg &>(d);
            if (startPage)
                *startPage = wizard.StartPage;
            wizard.FormActivate();
            act(wizard);
            return wizard.result();
        });
    }
};

TEST_F(WizardChoices, AtStartUpWithoutADocumentTheWizardOpensAtItsFirstPage)
{
    TForm3 form;
    int startPage = 0;
    answerWizard([](TWizardDlg &w) { w.CancelBtn->click(); }, &startPage);
    form.FormActivate();
    EXPECT_EQ(startPage, 1);
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_EQ(modal->asked[0].kind, QStringLiteral("dialog"));
    EXPECT_EQ(modal->asked[0].text, QStringLiteral("ヴェルモラへようこそ"));
    // Cancelled: still no worksheet, and activating again never shows it twice.
    EXPECT_EQ(form.DrawPanel, nullptr);
    EXPECT_FALSE(form.DocumentOpen);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ"));
    form.FormActivate();
    EXPECT_EQ(modal->asked.size(), 1u);
}

TEST_F(WizardChoices, ADocumentOnTheCommandLineOpensWithoutTheWizard)
{
    const QString card = writeCard(QStringLiteral("card.zrd"));
    TForm3 form({card});
    form.FormActivate();
    EXPECT_TRUE(modal->asked.empty());
    EXPECT_EQ(form.windowTitle(), title(card));
}

TEST_F(WizardChoices, ChoiceOneRunsTheOpenCommand)
{
    const QString card = writeCard(QStringLiteral("card.zrd"));
    TForm3 form;
    answerWizard([](TWizardDlg &w) {
        w.OpenRBtn->click();
        w.OKBtn->click();
    });
    modal->answerFile(card);
    form.ShowWizard(1);
    ASSERT_EQ(modal->asked.size(), 2u);
    EXPECT_EQ(modal->asked[1].kind, QStringLiteral("open"));
    EXPECT_EQ(modal->asked[1].file.filter, QStringLiteral("ヴェルモラファイル (*.zrd)|*.zrd"));
    EXPECT_EQ(form.CurrentFileName, card);
    EXPECT_EQ(form.windowTitle(), title(card));
    EXPECT_FALSE(form.Modified);
    EXPECT_TRUE(form.DocumentOpen);
    EXPECT_EQ(form.DrawPanel->size(), QSize(275, 455));
}

TEST_F(WizardChoices, ChoiceTwoGoesThroughPageSetupAndStartsModified)
{
    TForm3 form;
    answerWizard([](TWizardDlg &w) {
        w.OKBtn->click(); // new file
        w.NotTemplateRBtn->click();
        w.OKBtn->click();
    });
    AnswerPageSetupWithCard(*modal, QStringLiteral("91"), QStringLiteral("55"));
    form.ShowWizard(1);
    ASSERT_EQ(modal->asked.size(), 2u);
    EXPECT_EQ(modal->asked[1].text, QStringLiteral("新規作成"));
    EXPECT_EQ(form.windowTitle(), title(QStringLiteral("newfile.zrd")));
    EXPECT_TRUE(form.Modified);
    EXPECT_TRUE(form.DocumentOpen);
}

TEST_F(WizardChoices, ChoiceThreeLoadsTheTemplateAsANewUnnamedDocument)
{
    const QString card = writeCard(QStringLiteral("standing.tpl"));
    TForm3 form;
    answerWizard([card](TWizardDlg &w) {
        // The template list is the program's own; the chosen path is what the main window acts on.
        w.TemplatePath = card;
        w.WizardChoice = 3;
        w.accept();
    });
    form.ShowWizard(2);
    EXPECT_EQ(form.CurrentFileName, form.DefaultFileName);
    EXPECT_EQ(form.windowTitle(), title(QStringLiteral("newfile.zrd")));
    EXPECT_FALSE(form.Modified);
    EXPECT_TRUE(form.DocumentOpen);
    EXPECT_TRUE(form.FileSaveButton->isEnabled());
    ASSERT_NE(form.DrawPanel, nullptr);
    EXPECT_EQ(form.DrawPanel->size(), QSize(275, 455));
    EXPECT_EQ(form.ObjectList.size(), 1);

    // Saving asks for a name: the template itself is never written over.
    const QByteArray before = [&] {
        QFile f(card);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    modal->answerFile(std::nullopt);
    form.FileSaveClick();
    EXPECT_EQ(modal->asked.back().kind, QStringLiteral("save"));
    QFile after(card);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(WizardChoices, ADamagedTemplateIsReportedAndLeavesNoWorksheet)
{
    QFile bad(path("bad.tpl"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(16, '\0') + QByteArray("\x06\0\0\0", 4));
    bad.close();
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    answerWizard([&](TWizardDlg &w) {
        w.TemplatePath = path("bad.tpl");
        w.WizardChoice = 3;
        w.accept();
    });
    modal->answerMessage(IDOK);
    form.ShowWizard(2);
    EXPECT_EQ(modal->messagesShown(), std::vector<QString>{LoadStr(Str::InvalidFile)});
    EXPECT_EQ(form.DrawPanel, nullptr);
    EXPECT_FALSE(form.DocumentOpen);
    EXPECT_FALSE(form.Modified);
}

TEST_F(WizardChoices, NewAsksAboutChangesThenOpensTheWizardAtPageTwo)
{
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    form.CurrentFileName = form.DefaultFileName;
    form.DocumentOpen = true;
    form.Modified = true;
    modal->answerMessage(IDNO);
    int startPage = 0;
    bool backEnabled = true;
    answerWizard(
        [&](TWizardDlg &w) {
            backEnabled = w.BackBtn->isEnabled();
            w.CancelBtn->click();
        },
        &startPage);
    form.FileNewButton->click();
    ASSERT_EQ(modal->asked.size(), 2u);
    EXPECT_EQ(modal->asked[0].text, LoadStr(Str::ChangedSavePrompt));
    EXPECT_EQ(startPage, 2);
    EXPECT_FALSE(backEnabled);
    // Cancelling the wizard changes nothing: the old document stays, still modified.
    EXPECT_NE(form.DrawPanel, nullptr);
    EXPECT_TRUE(form.Modified);

    // Cancel at the prompt: no wizard at all.
    modal->answerMessage(IDCANCEL);
    form.FileNew->trigger();
    EXPECT_EQ(modal->asked.size(), 3u);
}

} // namespace
