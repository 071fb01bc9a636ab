#include "printer_measures.h"

#include <QPageLayout>
#include <QPrinter>

PrinterMeasures MeasurePrinter(const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    const int dpi = printer.resolution();
    const QRect paint = layout.paintRectPixels(dpi);
    const QRect full = layout.fullRectPixels(dpi);
    const QRectF paintMM = layout.paintRect(QPageLayout::Millimeter);
    PrinterMeasures m;
    m.HorzRes = paint.width();
    m.VertRes = paint.height();
    m.HorzSize = int(paintMM.width());
    m.VertSize = int(paintMM.height());
    m.PhysicalWidth = full.width();
    m.PhysicalHeight = full.height();
    m.PhysicalOffsetX = paint.x();
    m.PhysicalOffsetY = paint.y();
    m.LogPixelsX = dpi;
    m.LogPixelsY = dpi;
    return m;
}
