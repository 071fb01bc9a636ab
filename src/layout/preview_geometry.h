// The print preview's sheet at two screen pixels per millimetre: the paper, its printable area, the
// card scale and where the cards stand, from the printer's measures and the sheet layout.
#pragma once

#include "document/sheet_values.h"
#include "layout/print_offset.h"
#include "platform/printer_measures.h"

#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

// Screen pixels per millimetre of paper.
constexpr float PreviewZoom = 2.0f;

struct PreviewSheet
{
    QSize paper;     // the whole paper
    QRect printable; // the printable area, on the paper
    int percent = 0; // card copies are scaled to this percentage of the worksheet (about 40)
};

// Paper width trunc(HORZSIZE x PHYSICALWIDTH / HORZRES x 2 + 0.5), likewise down; the printable area and
// the percentage follow from the screen pixels per printer pixel. Nothing when a measure is zero or
// negative, or the paper is too large to draw: such a printer reports no paper.
std::optional<PreviewSheet> MeasurePreviewSheet(const PrinterMeasures &m);

// The top-left corners, in the printable area's coordinates, of the cards that can be seen on it, columns
// outer and rows inner: column i at trunc(LeftMargin x 2 - printable left + (card width + InsideMarginX
// x 2) x i + 0.5), so that the margins are measured from the paper's edge; likewise down. The printer's
// offset moves them as it moves the printed cards (rounded to whole screen pixels).
std::vector<QPoint> PreviewCardOrigins(const CardGrid &grid, const QRect &printable, QSize card,
                                       const PrintOffset &offset = {});
