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
    // The one printer the preview measures too, so a printer chosen here is the one it shows next.
    QPrinter &printer = Printer();
    if (!Application().Modal().printDialog(printer))
        return;
    PrintSheet(printer, sheetToPrint());
}
