// TForm3: the print command: the print dialog, then the sheet on the chosen printer.
#include "app/unit3.h"

#include "layout/calibration_sheet.h"
#include "layout/pageset.h"
#include "layout/print_sheet.h"
#include "platform/application.h"

#include <QPrinter>

SheetToPrint TForm3::sheetToPrint() const
{
    return {*BackgroundPicture, ObjectList, Card(), PageLayout};
}

void TForm3::FilePrintClick()
{
    if (!DocumentOpen || !BackgroundPicture)
        return;
    // The one printer the preview measures too, so a printer chosen here is the one it shows next.
    QPrinter &printer = Printer();
    if (!Application().Modal().printDialog(printer))
        return;
    SheetToPrint sheet = sheetToPrint();
    sheet.offset = PrinterOffsetNow();
    PrintSheet(printer, sheet);
}

PrinterCalibration TForm3::PrinterCalibrationNow()
{
    const QPrinter &printer = Printer();
    PrinterCalibration calibration;
    calibration.Key = PrinterOffsetKey(printer);
    calibration.Title =
        calibration.Key == PdfOffsetKey ? QStringLiteral("PDF ファイルへの出力") : printer.printerName();
    calibration.Offset = PrinterOffsetFor(ReadPrinterOffsets(offsetsFile()), calibration.Key);
    return calibration;
}

QString TForm3::offsetsFile() const
{
    return PrinterOffsetsFile.isEmpty() ? PrinterOffsetsPath() : PrinterOffsetsFile;
}

PrintOffset TForm3::PrinterOffsetNow()
{
    return PrinterCalibrationNow().Offset;
}
