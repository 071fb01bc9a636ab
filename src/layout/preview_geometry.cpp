// The print preview's sheet geometry.
#include "layout/preview_geometry.h"

#include "dialogs/units.h"
#include "layout/page_geometry.h"

#include <cmath>

std::optional<PreviewSheet> MeasurePreviewSheet(const PrinterMeasures &m)
{
    for (int measure : {m.HorzRes, m.VertRes, m.HorzSize, m.VertSize, m.PhysicalWidth, m.PhysicalHeight})
        if (measure <= 0)
            return std::nullopt;
    // Paper in millimetres: the printable millimetres stretched by the paper's share of printer pixels.
    const float pw = float(m.HorzSize) * float(m.PhysicalWidth) / float(m.HorzRes);
    const float ph = float(m.VertSize) * float(m.PhysicalHeight) / float(m.VertRes);
    if (pw > MaxDiagramExtent || ph > MaxDiagramExtent)
        return std::nullopt;
    PreviewSheet sheet;
    sheet.paper = QSize(PixelsFromReal(pw * PreviewZoom), PixelsFromReal(ph * PreviewZoom));
    // Screen pixels per printer pixel.
    const float sx = float(sheet.paper.width()) / float(m.PhysicalWidth);
    const float sy = float(sheet.paper.height()) / float(m.PhysicalHeight);
    sheet.printable =
        QRect(PixelsFromReal(float(m.PhysicalOffsetX) * sx), PixelsFromReal(float(m.PhysicalOffsetY) * sy),
              PixelsFromReal(float(m.HorzRes) * sx), PixelsFromReal(float(m.VertRes) * sy));
    // Preview pixels per millimetre times 0.2 mm per worksheet pixel.
    sheet.percent = PixelsFromReal(float(m.HorzRes) * sx / float(m.HorzSize) * 0.2f * 100.0f);
    return sheet;
}

std::vector<QPoint> PreviewCardOrigins(const CardGrid &grid, const QRect &printable, QSize card,
                                       const PrintOffset &offset)
{
    const float shiftX = std::round(offset.X * PreviewZoom), shiftY = std::round(offset.Y * PreviewZoom);
    const auto columns =
        VisibleCellSpans(grid.Retu, float(card.width()), grid.InsideMarginX * PreviewZoom,
                         grid.LeftMargin * PreviewZoom + shiftX - float(printable.left()), printable.width());
    const auto rows =
        VisibleCellSpans(grid.Dann, float(card.height()), grid.InsideMarginY * PreviewZoom,
                         grid.TopMargin * PreviewZoom + shiftY - float(printable.top()), printable.height());
    std::vector<QPoint> origins;
    origins.reserve(columns.size() * rows.size());
    for (const CellSpan &c : columns)
        for (const CellSpan &r : rows)
            origins.emplace_back(c.position, r.position);
    return origins;
}
