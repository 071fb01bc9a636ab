// TForm3: the print command: the print dialog, then the sheet on the chosen printer.
#include "app/unit3.h"

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
    QPrinter printer(QPrinter::HighResolution);
    if (!Application().Modal().printDialog(printer))
        return;
    PrintSheet(printer, sheetToPrint());
}
