// Print geometry: scale, card corners and crop marks from the printer's measures.
#include "layout/print_geometry.h"

#include "layout/page_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// trunc toward zero, held to the int range so that absurd stored layouts cannot overflow.
int truncated(double value)
{
    constexpr double lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    if (std::isnan(value))
        return 0;
    return int(std::trunc(std::clamp(value, lo, hi)));
}

// Printer pixels per millimetre, as 32-bit floats.
float pixelsPerMMX(const PrinterMeasures &m)
{
    return float(m.HorzRes) / float(m.HorzSize);
}

float pixelsPerMMY(const PrinterMeasures &m)
{
    return float(m.VertRes) / float(m.VertSize);
}

// A stored layout may ask for any number of cells; more than the diagram draws could never be printed
// on one sheet.
int columnsOf(const PageLayout &layout)
{
    return std::min(layout.Retu, MaxDiagramCells);
}

int rowsOf(const PageLayout &layout)
{
    return std::min(layout.Dann, MaxDiagramCells);
}

struct CellEdges
{
    int x0, x1, y0, y1;
};

CellEdges nominalCell(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m, int i, int j)
{
    const double kx = pixelsPerMMX(m), ky = pixelsPerMMY(m);
    const double w = card.WorkSheetWidthMM, h = card.WorkSheetHeightMM;
    CellEdges e;
    e.x0 = truncated(((w + layout.InsideMarginX) * i + layout.LeftMargin) * kx - m.PhysicalOffsetX + 0.5);
    e.x1 = truncated(e.x0 + w * kx);
    e.y0 = truncated(((h + layout.InsideMarginY) * j + layout.TopMargin) * ky - m.PhysicalOffsetY + 0.5);
    e.y1 = truncated(e.y0 + h * ky);
    return e;
}

} // namespace

bool PrinterMeasuresUsable(const PrinterMeasures &m)
{
    return m.HorzRes > 0 && m.VertRes > 0 && m.HorzSize > 0 && m.VertSize > 0;
}

int PrintScalePercent(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m)
{
    if (!PrinterMeasuresUsable(m) || card.WorkSheetWidthPx <= 0)
        return 0;
    return truncated(
        (card.WorkSheetWidthMM + layout.Overhang) * pixelsPerMMX(m) / card.WorkSheetWidthPx * 100 + 0.5);
}

QPoint PrintCellOrigin(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m, int column,
                       int row)
{
    const double kx = pixelsPerMMX(m), ky = pixelsPerMMY(m);
    const double w = card.WorkSheetWidthMM, h = card.WorkSheetHeightMM;
    const double x = ((w + layout.InsideMarginX) * column + layout.LeftMargin - layout.Overhang * 0.5) * kx;
    const double y =
        ((h + layout.InsideMarginY) * row + layout.TopMargin - layout.Overhang * h / w * 0.5) * ky;
    return {truncated(x - m.PhysicalOffsetX + 0.5), truncated(y - m.PhysicalOffsetY + 0.5)};
}

std::vector<QPoint> PrintCellOrigins(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m,
                                     const PrintOffset &offset)
{
    std::vector<QPoint> origins;
    if (!PrinterMeasuresUsable(m))
        return origins;
    const QPoint shift = OffsetInPrinterPixels(offset, m);
    for (int i = 0; i < columnsOf(layout); ++i)
        for (int j = 0; j < rowsOf(layout); ++j)
            origins.push_back(PrintCellOrigin(card, layout, m, i, j) + shift);
    return origins;
}

std::vector<QLine> CropMarkLines(const CardSize &card, const PageLayout &layout, const PrinterMeasures &m,
                                 const PrintOffset &offset)
{
    std::vector<QLine> lines;
    if (!layout.Tonbo || !PrinterMeasuresUsable(m))
        return lines;
    const int a = truncated(2 * pixelsPerMMX(m));
    const int b = truncated(2 * pixelsPerMMY(m));
    const int columns = columnsOf(layout), rows = rowsOf(layout);
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j) {
            const CellEdges e = nominalCell(card, layout, m, i, j);
            if (j == 0)
                lines.insert(lines.end(), {QLine(e.x0, e.y0 - 2 * b, e.x0, e.y0 - b),
                                           QLine(e.x1, e.y0 - 2 * b, e.x1, e.y0 - b)});
            if (j == rows - 1)
                lines.insert(lines.end(), {QLine(e.x0, e.y1 + b, e.x0, e.y1 + 2 * b),
                                           QLine(e.x1, e.y1 + b, e.x1, e.y1 + 2 * b)});
            if (i == 0)
                lines.insert(lines.end(), {QLine(e.x0 - 2 * a, e.y0, e.x0 - a, e.y0),
                                           QLine(e.x0 - 2 * a, e.y1, e.x0 - a, e.y1)});
            if (i == columns - 1)
                lines.insert(lines.end(), {QLine(e.x1 + a, e.y0, e.x1 + 2 * a, e.y0),
                                           QLine(e.x1 + a, e.y1, e.x1 + 2 * a, e.y1)});
        }
    const QPoint shift = OffsetInPrinterPixels(offset, m);
    for (QLine &line : lines)
        line.translate(shift);
    return lines;
}
