// TForm3: the page setup command: the dialog with the document's layout, and its results taken back.
#include "app/unit3.h"

#include "controls/gridshape.h"
#include "controls/image.h"
#include "layout/calibration_sheet.h"
#include "layout/page_setup_data.h"
#include "layout/pageset.h"
#include "platform/application.h"
#include "platform/strings.h"

PageSetupData TForm3::pageSetupData() const
{
    PageSetupData document;
    document.Layout = PageLayout;
    document.Card() = Card();
    document.ProgramVersion = ProgramVersion;
    document.LegacyLayoutLoaded = LegacyLayoutLoaded;
    return document;
}

void TForm3::takePageSetupData(const PageSetupData &document)
{
    PageLayout = document.Layout;
    Card() = document.Card();
    LegacyLayoutLoaded = false;
}

// The offset is the printer's, not the document's: it goes into the offsets file at once. A file that
// cannot be written is reported and stays as it was.
void TForm3::storePrinterOffset(const PrinterCalibration &calibration)
{
    const QString file = offsetsFile();
    if (PrinterOffsetFor(ReadPrinterOffsets(file), calibration.Key) == calibration.Offset)
        return;
    QString error;
    if (!StorePrinterOffset(file, calibration.Key, calibration.Offset, &error))
        Application().MessageBox(LoadStr(Str::PrintOffsetWriteFailed).arg(error),
                                 LoadStr(Str::MessageCaption), MB_OK);
}

void TForm3::FilePrintSetupClick()
{
    PageSetupData document = pageSetupData();
    TPageSetDlg dialog(document);
    // The offset group edits the entry of the one printer that prints and previews; printing the
    // calibration sheet may choose another printer, whose entry the group then shows.
    const PrinterCalibration before = PrinterCalibrationNow();
    dialog.SetCalibration(before);
    dialog.PrintCalibration = [this](const PaperSize &paper) -> std::optional<PrinterCalibration> {
        QPrinter &printer = Printer();
        if (!Application().Modal().printDialog(printer))
            return std::nullopt;
        const PrinterCalibration chosen = PrinterCalibrationNow();
        PrintCalibrationSheet(printer, paper, chosen.Title);
        return chosen;
    };
    placeDialog(dialog, WindowSettings.PageSetupLeft, WindowSettings.PageSetupTop);
    const bool accepted = Application().Modal().execDialog(dialog) == QDialog::Accepted;
    if (accepted) {
        const PageSetupChanges changes = TakePageSetupResults(dialog.Result(), document);
        takePageSetupData(document);
        if (changes.cardSize && DrawPanel) {
            DrawPanel->resize(WorkSheetWidthPx, WorkSheetHeightPx);
            BackgroundPicture->resize(DrawPanel->size());
            GridOverlay->resize(DrawPanel->size());
            ScrollBoxClient->setMinimumSize(WorkSheetWidthPx + 20, WorkSheetHeightPx + 20);
        }
        if (changes.modified)
            Modified = true;
        // The layout and card size are stored in the document: a change of them is an undo step.
        CardChanged();
        storePrinterOffset(dialog.Calibration);
    }
    WindowSettings.PageSetupTop = dialog.y();
    WindowSettings.PageSetupLeft = dialog.x();
}
