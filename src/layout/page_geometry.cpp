// Sheet geometry of the page setup dialog: derived margins and the diagram's panel and card rectangles.
#include "layout/page_geometry.h"

#include "dialogs/units.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixel positions far outside any panel are held here, so rectangle arithmetic cannot overflow.
constexpr int Far = 1 << 24;

int clampedPixels(double value)
{
    return std::clamp(PixelsFromReal(value), -Far, Far);
}

int truncatedExtent(float mm)
{
    if (!(mm > 0)) // also NaN
        return 0;
    return mm >= MaxDiagramExtent ? MaxDiagramExtent : int(mm);
}

} // namespace

std::vector<CellSpan> VisibleCellSpans(int count, float card, float gap, float margin, int extent)
{
    std::vector<CellSpan> spans;
    const int size = std::clamp(PixelsFromReal(card), 0, Far);
    if (count <= 0 || size == 0 || !std::isfinite(margin))
        return spans;
    const double step = double(card) + double(gap);
    int first = 0, last = count - 1;
    if (std::isfinite(step) && step != 0.0) {
        // Indices whose cards can reach the panel, widened by one on each side against rounding.
        const double a = (-double(size) - margin - 0.5) / step;
        const double b = (double(extent) - margin + 0.5) / step;
        const double low = std::floor(std::min(a, b)) - 1, high = std::ceil(std::max(a, b)) + 1;
        const double from = std::max(0.0, low), to = std::min(double(count - 1), high);
        if (!(from <= to)) // all of them lie off the panel
            return spans;
        first = int(from);
        last = int(to);
    } else {
        last = 0; // every card stands in the same place
    }
    for (int i = first; i <= last && int(spans.size()) < MaxDiagramCells; ++i) {
        const int position = clampedPixels(step * i + margin);
        if (position < extent && position + size > 0)
            spans.push_back({position, size});
    }
    return spans;
}

float TrailingMargin(float paper, int count, float card, float lead, float gap)
{
    return float(double(paper) - (double(count) * card + lead + (double(count) - 1) * gap));
}

QRect DiagramPanelRect(float paperWidth, float paperHeight, int controlsRight, int scrollWidth,
                       int scrollHeight, int cancelTop)
{
    const int width = truncatedExtent(paperWidth), height = truncatedExtent(paperHeight);
    const int left = std::max(controlsRight + (scrollWidth - controlsRight - width) / 2, controlsRight + 4);
    const int top = std::max((scrollHeight - cancelTop) / 2, 0);
    return {left, top, width, height};
}

std::vector<QRect> DiagramCells(const DiagramLayout &layout, QSize panel)
{
    std::vector<QRect> cells;
    const auto columns = VisibleCellSpans(layout.Retu, layout.WorkSheetWidthMM, layout.InsideMarginX,
                                          layout.LeftMargin, panel.width());
    const auto rows = VisibleCellSpans(layout.Dann, layout.WorkSheetHeightMM, layout.InsideMarginY,
                                       layout.TopMargin, panel.height());
    cells.reserve(columns.size() * rows.size());
    for (const CellSpan &c : columns)
        for (const CellSpan &r : rows)
            cells.emplace_back(c.position, r.position, c.size, r.size);
    return cells;
}
