// The main window as constructed: title, version, document commands, help and About.
#include "app/about.h"
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "platform/application.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

std::vector<QToolButton *> documentButtons(TForm3 &form)
{
    return {form.FileSaveButton, form.PrintSetupButton, form.PrintPreviewButton,
            form.PrintButton,    form.BGImageButton,    form.GridButton};
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
