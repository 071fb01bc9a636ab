// The preview command of the main window: offered with a document, placed from and saved to the window
// settings, and page setup from the preview showing the new layout at once.
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "dialogs/number_memo.h"
#include "editor/drawpanel.h"
#include "layout/pageset.h"
#include "layout/preview_form.h"

#include <QAction>
#include <QPageSize>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class PreviewCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A known paper, whatever printer the machine has.
        form.Printer().setOutputFormat(QPrinter::PdfFormat);
        form.Printer().setPageSize(QPageSize(QPageSize::A4));
    }

    void openDocument()
    {
        form.RebuildWorkSheet(form.WorkSheetWidthPx, form.WorkSheetHeightPx);
        form.DocumentOpen = true;
        form.UpdateDocumentCommands();
    }

    ScopedScriptedModal modal;
    TForm3 form;
};

TEST_F(PreviewCommand, IsOfferedOnlyWithADocument)
{
    form.UpdateDocumentCommands();
    EXPECT_FALSE(form.PrintPreviewButton->isEnabled());
    EXPECT_FALSE(form.FilePreview->isEnabled());
    openDocument();
    EXPECT_TRUE(form.PrintPreviewButton->isEnabled());
    EXPECT_TRUE(form.FilePreview->isEnabled());
    // Printing is offered with it, in the preview as well.
    EXPECT_TRUE(form.PrintButton->isEnabled());
    bool printOffered = false;
    modal->answerDialog([&](QDialog &d) {
        printOffered = dynamic_cast<TPreviewForm &>(d).PrintBtn->isEnabled();
        return int(QDialog::Rejected);
    });
    form.FilePreview->trigger();
    EXPECT_TRUE(printOffered);
}

TEST_F(PreviewCommand, OpensWhereItWasLeftAndSavesWhereItIsLeft)
{
    openDocument();
    form.WindowSettings.PreviewLeft = 40;
    form.WindowSettings.PreviewTop = 50;
    form.WindowSettings.PreviewWidth = 640;
    form.WindowSettings.PreviewHeight = 480;
    QRect shownAt;
    modal->answerDialog([&](QDialog &d) {
        shownAt = QRect(d.pos(), d.size());
        d.show();
        d.move(70, 80);
        d.resize(700, 500);
        return int(QDialog::Rejected);
    });
    form.PrintPreviewButton->click();
    EXPECT_EQ(shownAt, QRect(40, 50, 640, 480));
    EXPECT_EQ(form.WindowSettings.PreviewLeft, 70);
    EXPECT_EQ(form.WindowSettings.PreviewTop, 80);
    EXPECT_EQ(form.WindowSettings.PreviewWidth, 700);
    EXPECT_EQ(form.WindowSettings.PreviewHeight, 500);
    EXPECT_EQ(form.WindowSettings.PreviewMaximized, 0);

    // Maximized and restored again: a normal window.
    modal->answerDialog([&](QDialog &d) {
        d.show();
        d.setWindowState(Qt::WindowMaximized);
        d.setWindowState(Qt::WindowNoState);
        return int(QDialog::Rejected);
    });
    form.FilePreview->trigger();
    EXPECT_EQ(form.WindowSettings.PreviewMaximized, 0);
    EXPECT_EQ(form.WindowSettings.PreviewWidth, 700);

    // Left maximized and minimized: the bounds before maximizing, and the flag.
    modal->answerDialog([&](QDialog &d) {
        d.show();
        d.setWindowState(Qt::WindowMaximized);
        d.setWindowState(Qt::WindowMinimized);
        return int(QDialog::Rejected);
    });
    form.FilePreview->trigger();
    EXPECT_EQ(form.WindowSettings.PreviewLeft, 70);
    EXPECT_EQ(form.WindowSettings.PreviewWidth, 700);
    EXPECT_EQ(form.WindowSettings.PreviewMaximized, 1);

    // And it opens maximized next time.
    bool maximized = false;
    modal->answerDialog([&](QDialog &d) {
        d.show();
        maximized = d.isMaximized();
        return int(QDialog::Rejected);
    });
    form.FilePreview->trigger();
    EXPECT_TRUE(maximized);
    EXPECT_EQ(form.WindowSettings.PreviewMaximized, 1);
    EXPECT_EQ(form.WindowSettings.PreviewWidth, 700);
}

TEST_F(PreviewCommand, APageSetupChangeFromThePreviewShowsAtOnce)
{
    openDocument();
    int before = -1, after = -1;
    QSize cardBefore, cardAfter;
    modal->answerDialog([&](QDialog &d) {
        auto &preview = dynamic_cast<TPreviewForm &>(d);
        preview.FormActivate();
        before = int(preview.CardPanels().size());
        cardBefore = preview.CardPanels().value(0)->size();
        // The page setup dialog opened from the preview: one column of cards 80 mm wide.
        modal->answerDialog([](QDialog &p) {
            auto &dlg = dynamic_cast<TPageSetDlg &>(p);
            dlg.FormActivate();
            dlg.RetuMemo->setText(QStringLiteral("1"));
            emit dlg.RetuMemo->Exit();
            dlg.WidthMemo->setText(QStringLiteral("80"));
            dlg.WidthMemoExit();
            dlg.OKBtn->click();
            return dlg.result();
        });
        preview.PageSetDlgBtn->click();
        after = int(preview.CardPanels().size());
        cardAfter = preview.CardPanels().value(0)->size();
        return int(QDialog::Rejected);
    });
    form.FilePreview->trigger();
    EXPECT_EQ(before, 10);
    EXPECT_EQ(cardBefore, QSize(182, 110));
    EXPECT_EQ(after, 5);
    EXPECT_EQ(cardAfter, QSize(160, 110));
    EXPECT_EQ(form.PageLayout.Retu, 1);
}

} // namespace
