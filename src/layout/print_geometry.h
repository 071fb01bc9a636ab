// Where a printed sheet puts its cards and crop marks, in printer pixels from the printable area's
// top-left corner, and how much the card is enlarged for the printer.
#pragma once

#include "document/sheet_values.h"
#include "layout/page_layout.h"
#include "layout/print_offset.h"
#include "platform/printer_measures.h"

#include <QLine>
#include <QPoint>
#include <vector>

// Whether the measures describe a printable area at all (a printer reporting none cannot be printed on).
bool PrinterMeasuresUsable(const PrinterMeasures &m);

// The enlargement in percent that makes the worksheet's width come out as W + Overhang millimetres:
// trunc((W + Overhang) x kx / WorkSheetWidthPx x 100 + 0.5). 0 when the measures are not usable.
int PrintScalePercent(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m);

// The top-left corner of the printed card in column i, row j: the cell's corner moved left by half the
// overhang and up by as much as keeps the card centred on its cell.
QPoint PrintCellOrigin(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m, int column,
                       int row);

// Every cell's printed corner, columns outer and rows inner, moved by the printer's offset; none for zero
// columns or rows.
std::vector<QPoint> PrintCellOrigins(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m,
                                     const PrintOffset &offset = {});

// The crop marks: 2 mm lines starting 2 mm outside the block of nominal cells (overhang ignored), one for
// every cut line on each of the four sides; each runs from p1 towards p2, p2 itself not drawn. None when
// Tonbo is off. Moved by the printer's offset, as the cards are.
std::vector<QLine> CropMarkLines(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m,
                                 const PrintOffset &offset = {});
