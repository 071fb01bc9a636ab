// The printer position offset in the main window: page setup shows and keeps the printer's entry, a
// file that cannot be written is reported and kept, the preview and the print command move the cards,
// and the calibration sheet is printed from page setup.
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "dialogs/number_memo.h"
#include "editor/drawpanel.h"
#include "layout/pageset.h"
#include "layout/preview_form.h"
#include "platform/file_io.h"
#include "platform/strings.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPageSize>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

int failingSync(int)
{
    errno = EIO;
    return -1;
}

class PrintOffsetCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.Printer().setOutputFormat(QPrinter::PdfFormat);
        form.Printer().setPageSize(QPageSize(QPageSize::A4));
        form.PrinterOffsetsFile = dir.filePath(QStringLiteral("printer-offsets.txt"));
        form.RebuildWorkSheet(form.WorkSheetWidthPx, form.WorkSheetHeightPx);
        form.DocumentOpen = true;
        form.UpdateDocumentCommands();
    }

    PrintOffset stored(const QString &key = PdfOffsetKey)
    {
        return PrinterOffsetFor(ReadPrinterOffsets(form.PrinterOffsetsFile), key);
    }

    // Runs page setup with `act` on the activated dialog; its result closes the dialog.
    void pageSetup(const std::function<int(TPageSetDlg &)> &act)
    {
        modal->answerDialog([&](QDialog &d) {
            auto &dlg = dynamic_cast<TPageSetDlg &>(d);
            dlg.FormActivate();
            return act(dlg);
        });
        form.FilePrintSetupClick();
    }

    QTemporaryDir dir;
    ScopedScriptedModal modal;
    TForm3 form;
};

} // namespace

TEST_F(PrintOffsetCommand, PageSetupShowsThePrintersEntryAndKeepsWhatIsTyped)
{
    QString error;
    ASSERT_TRUE(StorePrinterOffset(form.PrinterOffsetsFile, PdfOffsetKey, {1.5f, -0.7f}, &error));
    ASSERT_TRUE(
        StorePrinterOffset(form.PrinterOffsetsFile, QStringLiteral("Office_Laser"), {3.0f, 3.0f}, &error));
    pageSetup([](TPageSetDlg &dlg) {
        EXPECT_EQ(dlg.Calibration.Key, PdfOffsetKey);
        EXPECT_TRUE(dlg.OffsetPrinterLabel->text().contains(QStringLiteral("PDF")));
        EXPECT_EQ(dlg.OffsetXMemo->text(), QStringLiteral("1.5"));
        EXPECT_EQ(dlg.OffsetXDirCB->currentIndex(), 0); // right
        EXPECT_EQ(dlg.OffsetYMemo->text(), QStringLiteral("0.7"));
        EXPECT_EQ(dlg.OffsetYDirCB->currentIndex(), 1); // up
        EXPECT_TRUE(dlg.CalibSheetBtn->isEnabled());
        // The field's filter drops what is no part of a number, a minus sign too: the list gives the
        // direction.
        dlg.OffsetXMemo->setText(QStringLiteral("-2.34"));
        EXPECT_EQ(dlg.OffsetXMemo->text(), QStringLiteral("2.34"));
        dlg.OffsetXDirCB->setCurrentIndex(1);
        dlg.OffsetYMemo->setText(QStringLiteral("25"));
        dlg.OffsetMemoExit();
        EXPECT_EQ(dlg.OffsetXMemo->text(), QStringLiteral("2.3"));
        EXPECT_EQ(dlg.OffsetYMemo->text(), QStringLiteral("10.0")); // held to the range
        // Inches, as the page setup's unit: three decimals, and the millimetres unchanged by the round trip.
        dlg.TanniInchRBClick();
        EXPECT_EQ(dlg.OffsetXMemo->text(), QStringLiteral("0.091"));
        EXPECT_EQ(dlg.OffsetYMemo->text(), QStringLiteral("0.394"));
        EXPECT_EQ(dlg.OffsetXUnitLabel->text(), QStringLiteral("インチ"));
        dlg.TanniMmRBClick();
        EXPECT_EQ(dlg.OffsetXMemo->text(), QStringLiteral("2.3"));
        dlg.OKBtnClick();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(stored(), (PrintOffset{-2.3f, -10.0f}));
    // The other printer's entry stays.
    EXPECT_EQ(stored(QStringLiteral("Office_Laser")), (PrintOffset{3.0f, 3.0f}));

    // Cancelled: nothing is written.
    pageSetup([](TPageSetDlg &dlg) {
        dlg.OffsetXMemo->setText(QStringLiteral("1"));
        dlg.OffsetMemoExit();
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(stored(), (PrintOffset{-2.3f, -10.0f}));
}

TEST_F(PrintOffsetCommand, AFileThatCannotBeWrittenIsReportedAndKept)
{
    QString error;
    ASSERT_TRUE(StorePrinterOffset(form.PrinterOffsetsFile, PdfOffsetKey, {1.5f, -0.7f}, &error));
    QFile file(form.PrinterOffsetsFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    modal->answerMessage(IDOK);
    const FileSyncCall previous = SetFileSyncCall(failingSync);
    pageSetup([](TPageSetDlg &dlg) {
        dlg.OffsetXMemo->setText(QStringLiteral("4"));
        dlg.OKBtnClick();
        return int(QDialog::Accepted);
    });
    SetFileSyncCall(previous);
    const auto shown = modal->messagesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].startsWith(LoadStr(Str::PrintOffsetWriteFailed).section(u'\n', 0, 0)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();

    // A damaged file reads as no offset and says nothing.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\xff\xfe\x00garbage\t\t\n", 13);
    file.close();
    pageSetup([](TPageSetDlg &dlg) {
        EXPECT_EQ(dlg.OffsetXMemo->text(), QStringLiteral("0.0"));
        EXPECT_EQ(dlg.OffsetYMemo->text(), QStringLiteral("0.0"));
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(modal->messagesShown().size(), 1u);
}

TEST_F(PrintOffsetCommand, ThePreviewShowsTheCardsMovedByThePrintersOffset)
{
    const auto cardCorners = [&] {
        std::vector<QPoint> corners;
        modal->answerDialog([&](QDialog &d) {
            auto &preview = dynamic_cast<TPreviewForm &>(d);
            preview.BuildPreview();
            for (const TPanel *card : preview.CardPanels())
                corners.push_back(card->pos());
            return int(QDialog::Rejected);
        });
        form.FilePreviewClick();
        return corners;
    };
    const std::vector<QPoint> plain = cardCorners();
    QString error;
    ASSERT_TRUE(StorePrinterOffset(form.PrinterOffsetsFile, PdfOffsetKey, {1.5f, -0.7f}, &error));
    const std::vector<QPoint> moved = cardCorners();
    ASSERT_EQ(plain.size(), 10u);
    ASSERT_EQ(moved.size(), plain.size());
    for (size_t k = 0; k < plain.size(); ++k)
        EXPECT_EQ(moved[k] - plain[k], QPoint(3, -1)) << k; // two screen pixels per millimetre
}

TEST_F(PrintOffsetCommand, TheCalibrationSheetIsPrintedFromPageSetupOnTheChosenPrinter)
{
    const QString pdf = dir.filePath(QStringLiteral("calibration.pdf"));
    modal->answerPrint([&](QPrinter &printer) {
        printer.setOutputFileName(pdf);
        return true;
    });
    modal->answerPrint(false); // the second time the print dialog is cancelled: nothing is printed
    pageSetup([&](TPageSetDlg &dlg) {
        dlg.CalibSheetBtn->click();
        EXPECT_TRUE(QFileInfo(pdf).size() > 0);
        QFile::remove(pdf);
        dlg.CalibSheetBtn->click();
        EXPECT_FALSE(QFileInfo::exists(pdf));
        return int(QDialog::Rejected);
    });
    // The page setup the printer had is kept.
    EXPECT_EQ(form.Printer().pageLayout().pageSize().id(), QPageSize::A4);

    // The look of the dialog (set VELMORA_SCREENSHOT_DIR).
    const QString shots = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        form.PageLayout.PaperWidth = 210.0f;
        form.PageLayout.PaperHeight = 297.0f;
        pageSetup([&](TPageSetDlg &dlg) {
            dlg.show();
            EXPECT_TRUE(dlg.grab().save(shots + "/pageset-offset.png"));
            return int(QDialog::Rejected);
        });
    }
}
