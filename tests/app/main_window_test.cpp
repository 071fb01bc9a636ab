// The main window as constructed: title, version, document commands, help and About.
#include "app/about.h"
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "platform/application.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The document buttons whose commands exist; printing and preview come later.
std::vector<QToolButton *> documentButtons(TForm3 &form)
{
    return {form.FileSaveButton, form.PrintSetupButton, form.BGImageButton, form.GridButton};
}

TEST(MainWindow, StartsWithTitleVersionAndNoDocument)
{
    TForm3 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ"));
    EXPECT_EQ(form.ProgramVersion, QByteArray("2.0j\0\0\0\0", 8));
    EXPECT_EQ(form.DefaultFileName, QStringLiteral("newfile.zrd"));
    EXPECT_TRUE(form.CurrentFileName.isEmpty());
    EXPECT_FALSE(form.DocumentOpen);
    EXPECT_FALSE(form.Modified);
    EXPECT_TRUE(form.StartupPending);
    EXPECT_EQ(form.WorkSheetWidthPx, 455);
    EXPECT_EQ(form.WorkSheetHeightPx, 275);
    EXPECT_FLOAT_EQ(form.WorkSheetWidthMM, 91.0f);
    EXPECT_EQ(form.DrawPanel, nullptr);
    for (QToolButton *b : documentButtons(form))
        EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(form.FileOpenButton->isEnabled());
    EXPECT_TRUE(form.FileNewButton->isEnabled());
}

TEST(MainWindow, DocumentCommandsFollowDocumentOpen)
{
    TForm3 form;
    form.DocumentOpen = true;
    form.UpdateDocumentCommands();
    for (QToolButton *b : documentButtons(form))
        EXPECT_TRUE(b->isEnabled());
    form.DocumentOpen = false;
    form.UpdateDocumentCommands();
    for (QToolButton *b : documentButtons(form))
        EXPECT_FALSE(b->isEnabled());
}

TEST(MainWindow, HelpOpensTheHelpFileAtTop)
{
    ScopedScriptedModal modal;
    TForm3 form;
    form.HelpButton->click();
    form.Contents1->trigger();
    ASSERT_EQ(modal->asked.size(), 2u);
    EXPECT_EQ(modal->asked[0].kind, QStringLiteral("help"));
    EXPECT_TRUE(modal->asked[0].text.endsWith(QStringLiteral("/tarsk.hlp")));
    EXPECT_EQ(modal->asked[0].caption, QStringLiteral("top"));
}

QWidget *shownHelpWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QTextBrowser *>(w) && w->isVisible())
            return w;
    return nullptr;
}

TEST(MainWindow, ClosingTheMainWindowClosesTheHelpWindow)
{
    TForm3 form;
    form.show();
    form.HelpButton->click(); // the real help window
    QWidget *help = shownHelpWindow();
    ASSERT_NE(help, nullptr);
    // It never keeps the program running on its own.
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(shownHelpWindow(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(MainWindow, AboutShowsProductAndVersion)
{
    ScopedScriptedModal modal;
    TForm3 form;
    QString product, version, caption;
    QSize size;
    modal->answerDialog([&](QDialog &dialog) {
        auto &box = dynamic_cast<TAboutBox &>(dialog);
        product = box.ProductName->text();
        version = box.Version->text();
        caption = box.windowTitle();
        size = box.size();
        return int(QDialog::Accepted);
    });
    form.About1->trigger();
    EXPECT_EQ(caption, QStringLiteral("バージョン情報"));
    EXPECT_EQ(product, QStringLiteral("ヴェルモラ"));
    EXPECT_EQ(version, QStringLiteral("Version 2.0j"));
    EXPECT_EQ(size, QSize(280, 168));
}

} // namespace

#include "dialogs/number_memo.h"
#include "layout/pageset.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

TEST(MainWindow, PageSetupTakesBackWhatChangedAndRemembersThePosition)
{
    ScopedScriptedModal modal;
    TForm3 form;
    form.RebuildWorkSheet(form.WorkSheetWidthPx, form.WorkSheetHeightPx);
    form.DocumentOpen = true;
    form.UpdateDocumentCommands();
    form.WindowSettings.PageSetupLeft = 120;
    form.WindowSettings.PageSetupTop = 90;
    QPoint shownAt;
    modal->answerDialog([&](QDialog &d) {
        auto &dlg = dynamic_cast<TPageSetDlg &>(d);
        shownAt = dlg.pos();
        dlg.show();
        dlg.FormActivate();
        dlg.TonboCB->setChecked(false);
        dlg.WidthMemo->setText(QStringLiteral("80"));
        dlg.WidthMemoExit();
        dlg.move(130, 95);
        dlg.OKBtn->click();
        return dlg.result();
    });
    form.PrintSetupButton->click();
    EXPECT_EQ(shownAt, QPoint(120, 90));
    EXPECT_FALSE(form.PageLayout.Tonbo);
    EXPECT_EQ(form.WorkSheetWidthPx, 400);
    EXPECT_FLOAT_EQ(form.WorkSheetWidthMM, 80.0f);
    EXPECT_EQ(form.DrawPanel->width(), 400);
    EXPECT_EQ(form.GridOverlay->width(), 400);
    EXPECT_EQ(form.BackgroundPicture->width(), 400);
    EXPECT_TRUE(form.Modified);
    EXPECT_EQ(form.WindowSettings.PageSetupLeft, 130);
    EXPECT_EQ(form.WindowSettings.PageSetupTop, 95);
}

TEST(MainWindow, PageSetupCancelledOrUnchangedLeavesTheDocumentUnmodified)
{
    ScopedScriptedModal modal;
    TForm3 form;
    form.RebuildWorkSheet(form.WorkSheetWidthPx, form.WorkSheetHeightPx);
    const PageLayout before = form.PageLayout;
    modal->answerDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TPageSetDlg &>(d);
        dlg.FormActivate();
        dlg.TonboCB->setChecked(false);
        return int(QDialog::Rejected);
    });
    form.FilePrintSetup->trigger();
    EXPECT_EQ(form.PageLayout, before);
    EXPECT_FALSE(form.Modified);
    // The first OK fills in what a fresh document does not have yet (its unit); a second OK that
    // changes nothing leaves the document unmodified.
    const auto pressOk = [](QDialog &d) {
        auto &dlg = dynamic_cast<TPageSetDlg &>(d);
        dlg.FormActivate();
        dlg.OKBtn->click();
        return dlg.result();
    };
    modal->answerDialog(pressOk);
    form.FilePrintSetup->trigger();
    form.Modified = false;
    modal->answerDialog(pressOk);
    form.FilePrintSetup->trigger();
    EXPECT_EQ(form.WorkSheetWidthPx, 455);
    EXPECT_FALSE(form.Modified);
}

} // namespace
