#include "platform/printer_measures.h"

#include <QPageSize>
#include <QPrinter>
#include <gtest/gtest.h>

// Qt's PDF printer at 600 dpi on A4 with its default margins: the measures printing is tested with.
TEST(PrinterMeasures, PdfPrinterA4At600Dpi)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const PrinterMeasures m = MeasurePrinter(printer);
    EXPECT_EQ(m.HorzRes, 4792);
    EXPECT_EQ(m.VertRes, 6851);
    EXPECT_EQ(m.HorzSize, 202);
    EXPECT_EQ(m.VertSize, 289);
    EXPECT_EQ(m.PhysicalWidth, 4958);
    EXPECT_EQ(m.PhysicalHeight, 7017);
    EXPECT_EQ(m.PhysicalOffsetX, 83);
    EXPECT_EQ(m.PhysicalOffsetY, 83);
}
