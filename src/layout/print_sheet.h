// Printing the card many-up on one sheet: a scaled copy of the card painted once per layout cell, with
// the crop marks around the block of cards.
#pragma once

#include "document/sheet_values.h"
#include "layout/page_layout.h"
#include "layout/print_offset.h"
#include "platform/printer_measures.h"

#include <QList>
#include <functional>
#include <memory>

class PdfJpegPictures;
class QPainter;
class QPrinter;
class QWidget;
class TImage;
class TPanel;

// What a sheet is printed from: the worksheet's background and objects (bottom first), the card size
// and the layout, and the printer's position offset.
struct SheetToPrint
{
    const TImage &background;
    const QList<QWidget *> &objects;
    CardSize card;
    PageLayout layout;
    PrintOffset offset{};
};

// The hidden card copy printing paints: background and objects copied through component streams,
// pictures stretched, labels widened for the printer's fonts. At worksheet size.
std::unique_ptr<TPanel> ComposePrintPanel(const SheetToPrint &sheet);

// Paints the sheet on a painter whose origin is the printable area's top-left corner of a device with
// the measures `m`. Nothing is painted for zero columns or rows. With `jpegs`, JPEG pictures a PDF can
// carry as they are are drawn as their placeholders and collected there.
void PaintSheet(QPainter &painter, const PrinterMeasures &m, const SheetToPrint &sheet,
                PdfJpegPictures *jpegs = nullptr);

// Called once the sheet is painted, before the page is sent or a PDF file is put in place; throwing
// stops the print and nothing is written.
using PrintCheck = std::function<void()>;

// One page on `printer` (a calibration sheet, say): starts the job, runs `paint` with the printer's measures, ends the job. Throws
// EPrinterError when the printer has no printable area, the job cannot be started or the printer reports
// a failure or a cancelled job; a failure inside `paint` aborts the job and is passed on.
void PrintPage(QPrinter &printer, const std::function<void(QPainter &, const PrinterMeasures &)> &paint);

// One page on `printer`: starts the job, paints the sheet, ends the job. Throws EPrinterError when the
// job cannot be started or the printer reports a failure or a cancelled job; the card is only read.
// A PDF printer's file gets the JPEG pictures' own files, and is written beside its place and put there
// only when complete (EFileError when it cannot be); a file it replaces stays until then.
void PrintSheet(QPrinter &printer, const SheetToPrint &sheet, const PrintCheck &check = {});
