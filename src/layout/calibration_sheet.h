// The calibration sheet: crosses at the printable area's corners and at the paper's centre, each with
// millimetre scales from which the printer's position offset is read after folding the sheet, and a
// short instruction. In printer pixels from the printable area's top-left corner.
#pragma once

#include "document/sheet_values.h"
#include "platform/printer_measures.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

class QPainter;
class QPrinter;

struct CalibrationText
{
    QRect box;
    QString text;
    int flags = 0;     // Qt alignment and wrapping
    int pixelSize = 0; // font size in printer pixels
};

// A scale mark: the value read where the paper's edge or the fold's crease crosses it.
struct CalibrationTick
{
    QPoint at;     // where the tick meets its scale's base line
    int value = 0; // millimetres to type: right and down positive
};

struct CalibrationSheet
{
    // Where the lines of each cross meet: the printable area's top-left, top-right, bottom-left and
    // bottom-right corners (the corner lines lie inside the area, their outer edges on its border), and
    // the paper's centre, found again by folding the paper edge to edge.
    std::array<QPoint, 5> crosses;
    int lineWidth = 1;
    std::vector<QRect> lines; // filled black
    std::vector<CalibrationTick> ticks;
    std::vector<CalibrationText> texts;
};

// The sheet for a device with the measures `m`, naming the printer `printerTitle`. Empty (no lines) when
// the measures are not usable.
CalibrationSheet CalibrationSheetGeometry(const PrinterMeasures &m, const QString &printerTitle);

void PaintCalibrationSheet(QPainter &painter, const CalibrationSheet &sheet);

// One page on `printer` on the paper `paper` (the printer's own when none is chosen); the printer's page
// setting is put back afterwards. Throws EPrinterError as printing the sheet does.
void PrintCalibrationSheet(QPrinter &printer, const PaperSize &paper, const QString &printerTitle);
