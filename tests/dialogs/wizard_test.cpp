// The start-up wizard: its template list, the pages' state table, the double click and the preview's
// placing, with a preview builder standing in for the card copy.
#include "common/scripted_modal.h"
#include "dialogs/wizard.h"
#include "dialogs/wizard_templates.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kOk = QStringLiteral("ＯＫ");
const QString kNext = QStringLiteral("次へ");

class Wizard : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    std::vector<QByteArray> built; // the files the preview builder was given
    QSize previewSize{228, 138};

    void addTemplate(const QString &name, const QByteArray &bytes = "card")
    {
        QDir().mkpath(dir.filePath(QStringLiteral("Template")));
        QFile file(dir.filePath(QStringLiteral("Template/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::unique_ptr<TWizardDlg> wizard(int startPage)
    {
        auto dlg = std::make_unique<TWizardDlg>(
            [this](const QByteArray &file) -> std::unique_ptr<QWidget> {
                built.push_back(file);
                if (file == "unknown tag")
                    return nullptr;
                if (file == "truncated")
                    throw EReadError(QStringLiteral("Stream read error"));
                auto panel = std::make_unique<QWidget>();
                panel->hide();
                panel->resize(previewSize);
                return panel;
            },
            dir.path() + u'/');
        dlg->StartPage = startPage;
        dlg->FormActivate();
        return dlg;
    }

    static QStringList listed(const TWizardDlg &dlg)
    {
        QStringList names;
        for (int i = 0; i < dlg.TemplateListBox->count(); ++i)
            names << dlg.TemplateListBox->item(i)->text();
        return names;
    }
};

TEST_F(Wizard, ListsTheTemplatesSortedWithoutRegardToCaseAndWithoutTheirExtension)
{
    addTemplate(QStringLiteral("b.tpl"));
    addTemplate(QStringLiteral("A.tpl"));
    addTemplate(QStringLiteral("c.tpl"));
    addTemplate(QStringLiteral("notes.txt"));
    QDir().mkpath(dir.filePath(QStringLiteral("Template/folder.tpl")));
    auto dlg = wizard(3);
    EXPECT_EQ(listed(*dlg), QStringList({"A", "b", "c"}));
    EXPECT_EQ(dlg->TemplateFiles, QStringList({"A.tpl", "b.tpl", "c.tpl"}));
    // The list's order is the files' order: selecting "b" chooses b.tpl.
    dlg->TemplateListBox->setCurrentRow(1);
    EXPECT_EQ(dlg->TemplatePath, dir.path() + QStringLiteral("/Template/b.tpl"));
}

TEST_F(Wizard, TheSearchPatternHasExactlyOneSeparatorBeforeTheTemplateFolder)
{
    EXPECT_EQ(TemplateSearchPattern(QStringLiteral("/opt/velmora/")),
              QStringLiteral("/opt/velmora/Template/*.tpl"));
    EXPECT_EQ(TemplateSearchPattern(QStringLiteral("/opt/velmora")),
              QStringLiteral("/opt/velmora/Template/*.tpl"));
    EXPECT_EQ(TemplateFilePath(QStringLiteral("/a/Template/*.tpl"), QStringLiteral("x.tpl")),
              QStringLiteral("/a/Template/x.tpl"));
    EXPECT_TRUE(FindTemplateFiles(QStringLiteral("/nonexistent/Template/*.tpl")).isEmpty());
}

TEST_F(Wizard, FirstPageOpensAnEarlierFileOrGoesOnToTheNewFilePage)
{
    auto dlg = wizard(1);
    EXPECT_EQ(dlg->CurrentPage(), 1);
    EXPECT_EQ(dlg->OKBtn->text(), kNext);
    EXPECT_FALSE(dlg->BackBtn->isEnabled());
    EXPECT_TRUE(dlg->OKBtn->isEnabled());
    EXPECT_TRUE(dlg->HelpBtn->isHidden());

    dlg->OpenRBtn->click();
    EXPECT_EQ(dlg->OKBtn->text(), kOk);
    dlg->NewRBtn->click();
    EXPECT_EQ(dlg->OKBtn->text(), kNext);
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->CurrentPage(), 2);
    EXPECT_TRUE(dlg->BackBtn->isEnabled());
    EXPECT_EQ(dlg->OKBtn->text(), kNext);
    dlg->NotTemplateRBtn->click();
    EXPECT_EQ(dlg->OKBtn->text(), kOk);

    // Back to page 1: the caption follows the first page's choice again.
    dlg->BackBtn->click();
    EXPECT_EQ(dlg->CurrentPage(), 1);
    EXPECT_FALSE(dlg->BackBtn->isEnabled());
    EXPECT_EQ(dlg->OKBtn->text(), kNext);
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->OKBtn->text(), kOk); // the no-template choice is still made on page 2
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->WizardChoice, 2);

    auto open = wizard(1);
    open->OpenRBtn->click();
    open->OKBtn->click();
    EXPECT_EQ(open->result(), QDialog::Accepted);
    EXPECT_EQ(open->WizardChoice, 1);
}

TEST_F(Wizard, StartedByNewItCannotGoBackToTheFirstPage)
{
    addTemplate(QStringLiteral("a.tpl"));
    auto dlg = wizard(2);
    EXPECT_EQ(dlg->CurrentPage(), 2);
    EXPECT_EQ(dlg->OKBtn->text(), kNext);
    EXPECT_FALSE(dlg->BackBtn->isEnabled());

    dlg->OKBtn->click();
    EXPECT_EQ(dlg->CurrentPage(), 3);
    EXPECT_EQ(dlg->OKBtn->text(), kOk);
    EXPECT_FALSE(dlg->OKBtn->isEnabled()); // nothing selected yet
    EXPECT_TRUE(dlg->BackBtn->isEnabled());
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->CurrentPage(), 3);

    dlg->BackBtn->click();
    EXPECT_EQ(dlg->CurrentPage(), 2);
    EXPECT_FALSE(dlg->BackBtn->isEnabled());
    EXPECT_TRUE(dlg->OKBtn->isEnabled());
    EXPECT_EQ(dlg->OKBtn->text(), kNext);
    dlg->BackBtn->click(); // disabled: no way to page 1
    EXPECT_EQ(dlg->CurrentPage(), 2);
    EXPECT_EQ(dlg->result(), 0); // still open
}

TEST_F(Wizard, SelectingATemplateEnablesOkAndOkChoosesIt)
{
    addTemplate(QStringLiteral("one.tpl"), "first card");
    auto dlg = wizard(3);
    EXPECT_FALSE(dlg->OKBtn->isEnabled());
    dlg->TemplateListBox->setCurrentRow(0);
    EXPECT_TRUE(dlg->OKBtn->isEnabled());
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0], QByteArray("first card")); // the whole file
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->WizardChoice, 3);
    EXPECT_EQ(dlg->TemplatePath, dir.path() + QStringLiteral("/Template/one.tpl"));
}

TEST_F(Wizard, TheListTakingTheFocusChoosesNothing)
{
    addTemplate(QStringLiteral("one.tpl"));
    auto dlg = wizard(3);
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    dlg->activateWindow();
    dlg->TemplateListBox->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_FALSE(dlg->OKBtn->isEnabled());
    EXPECT_TRUE(built.empty());
    EXPECT_EQ(dlg->PreviewPanel(), nullptr);
}

TEST_F(Wizard, ADoubleClickOnATemplateClosesAtOnceWithChoiceThree)
{
    addTemplate(QStringLiteral("one.tpl"));
    addTemplate(QStringLiteral("two.tpl"));
    auto dlg = wizard(3);
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    QListWidget *list = dlg->TemplateListBox;
    const QRect item = list->visualItemRect(list->item(1));
    ASSERT_FALSE(item.isEmpty());
    // A double click is a click, then the second press as a double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->WizardChoice, 3);
    EXPECT_EQ(dlg->TemplatePath, dir.path() + QStringLiteral("/Template/two.tpl"));
}

TEST_F(Wizard, WithoutTemplatesThePageOfTemplatesNeverEnablesOk)
{
    auto dlg = wizard(1);
    dlg->OKBtn->click();
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->CurrentPage(), 3);
    EXPECT_EQ(dlg->TemplateListBox->count(), 0);
    EXPECT_FALSE(dlg->OKBtn->isEnabled());
    EXPECT_TRUE(dlg->BackBtn->isEnabled());
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->result(), 0);
}

TEST_F(Wizard, AHalfSizeCardIsCentredInThePreviewBox)
{
    addTemplate(QStringLiteral("lying.tpl"));
    auto dlg = wizard(3);
    dlg->show();
    dlg->TemplateListBox->setCurrentRow(0);
    QWidget *panel = dlg->PreviewPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(dlg->ScrollBox1->size(), QSize(265, 161));
    // (265 - 228) / 2 and (161 - 138) / 2, fractions dropped.
    EXPECT_EQ(panel->geometry(), QRect(18, 11, 228, 138));
}

TEST_F(Wizard, AStandingCardTallerThanTheBoxStartsAtItsTopAndScrolls)
{
    addTemplate(QStringLiteral("standing.tpl"));
    previewSize = QSize(138, 228);
    auto dlg = wizard(3);
    dlg->show();
    dlg->TemplateListBox->setCurrentRow(0);
    QWidget *panel = dlg->PreviewPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->y(), 0);
    EXPECT_GT(panel->x(), 0);
    EXPECT_EQ(dlg->ScrollBox1->verticalScrollBar()->maximum(), 228 - dlg->ScrollBox1->viewport()->height());
}

TEST_F(Wizard, ADamagedTemplateLeavesNoPreviewAndAReadErrorIsReported)
{
    addTemplate(QStringLiteral("a good.tpl"), "good");
    addTemplate(QStringLiteral("b unknown.tpl"), "unknown tag");
    addTemplate(QStringLiteral("c truncated.tpl"), "truncated");
    ScopedScriptedModal modal;
    auto dlg = wizard(3);
    dlg->TemplateListBox->setCurrentRow(0);
    ASSERT_NE(dlg->PreviewPanel(), nullptr);

    // An unknown tag: silently no preview, and the template can still be chosen.
    dlg->TemplateListBox->setCurrentRow(1);
    EXPECT_EQ(dlg->PreviewPanel(), nullptr);
    EXPECT_TRUE(modal->asked.empty());
    EXPECT_TRUE(dlg->OKBtn->isEnabled());

    // A read error: the exception box, and the previous preview is gone as well.
    dlg->TemplateListBox->setCurrentRow(0);
    modal->answerMessage(IDOK);
    dlg->TemplateListBox->setCurrentRow(2);
    EXPECT_EQ(dlg->PreviewPanel(), nullptr);
    ASSERT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_EQ(modal->messagesShown()[0], QStringLiteral("Stream read error."));
}

TEST_F(Wizard, ATemplateThatVanishedIsReportedAsAFileError)
{
    addTemplate(QStringLiteral("gone.tpl"));
    auto dlg = wizard(3);
    QFile::remove(dir.filePath(QStringLiteral("Template/gone.tpl")));
    ScopedScriptedModal modal;
    modal->answerMessage(IDOK);
    dlg->TemplateListBox->setCurrentRow(0);
    EXPECT_EQ(dlg->PreviewPanel(), nullptr);
    EXPECT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_TRUE(built.empty());
}

} // namespace
