// TForm3: the print preview command and the printer it measures.
#include "app/unit3.h"

#include "layout/preview_form.h"
#include "platform/application.h"

QPrinter &TForm3::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TForm3::FilePreviewClick()
{
    PreviewCommands commands;
    commands.PageSetup = [this] { FilePrintSetupClick(); };
    commands.Print = [this] { FilePrintClick(); };
    TPreviewForm form(
        *this, Card(), PageLayout, [this] { return MeasurePrinter(Printer()); }, std::move(commands));
    form.PrinterOffset = [this] { return PrinterOffsetNow(); };
    form.ApplyPlacement(SavedPreviewPlacement(WindowSettings));
    Application().Modal().execDialog(form);
    StorePreviewPlacement(WindowSettings, form.PlacementToSave());
}
