// The print command: enabled with a document, the print dialog asked, the sheet on the printer the
// dialog chose, and a failing printer reported with the document left as it was.
#include "app/sheet_samples.h"
#include "app/unit3.h"
#include "common/scripted_modal.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class PrintCommand : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScopedScriptedModal modal;
    QString path(const QString &name) { return dir.filePath(name); }

    // The print dialog's answer: a PDF printer writing `file`.
    static std::function<bool(QPrinter &)> printTo(const QString &file)
    {
        return [file](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        };
    }

    void open(TForm3 &form)
    {
        WriteSheetCard(path(QStringLiteral("card.zrd")));
        ASSERT_EQ(form.LoadDocument(path(QStringLiteral("card.zrd"))), 0);
        form.DocumentOpen = true;
        form.UpdateDocumentCommands();
    }
};

} // namespace

TEST_F(PrintCommand, EnabledOnlyWithADocument)
{
    TForm3 form;
    EXPECT_FALSE(form.PrintButton->isEnabled());
    EXPECT_FALSE(form.FilePrint->isEnabled());
    // Its shortcut does nothing without a document: no dialog is asked for.
    form.FilePrint->trigger();
    EXPECT_TRUE(modal->asked.empty());
    open(form);
    EXPECT_TRUE(form.PrintButton->isEnabled());
    EXPECT_TRUE(form.FilePrint->isEnabled());
}

TEST_F(PrintCommand, CancelPrintsNothing)
{
    TForm3 form;
    open(form);
    modal->answerPrint(false);
    form.PrintButton->click();
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_EQ(modal->asked[0].kind, QStringLiteral("print"));
}

TEST_F(PrintCommand, PrintsTheSheetOnTheChosenPrinter)
{
    TForm3 form;
    open(form);
    const int objects = int(form.ObjectList.size());
    modal->answerPrint(printTo(path(QStringLiteral("printed.pdf"))));
    form.FilePrint->trigger();
    EXPECT_EQ(modal->messagesShown().size(), 0u);
    QString error;
    const auto text = RunTool(QStringLiteral("pdftotext"),
                              {path(QStringLiteral("printed.pdf")), QStringLiteral("-")}, &error);
    ASSERT_TRUE(text) << error.toStdString();
    EXPECT_EQ(QString::fromUtf8(*text).count(kSampleLatin), 10);
    EXPECT_FALSE(form.Modified);
    EXPECT_EQ(form.ObjectList.size(), objects);
}

TEST_F(PrintCommand, AFailingPrinterIsReportedAndTheDocumentStays)
{
    TForm3 form;
    open(form);
    form.Modified = true;
    modal->answerPrint(printTo(path(QStringLiteral("no such folder/printed.pdf"))));
    modal->answerMessage(IDOK);
    form.PrintButton->click();
    const std::vector<QString> shown = modal->messagesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("印刷を開始できません"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].contains(QStringLiteral("printed.pdf")));
    EXPECT_TRUE(form.Modified);
    EXPECT_EQ(form.ObjectList.size(), 4);
    EXPECT_TRUE(form.DocumentOpen);
}
