// The device measures printing and the preview read from a printer, in one value so that tests
// can give exact ones (a 600-dpi A4 printer) without a printer.
#pragma once

class QPrinter;

struct PrinterMeasures
{
    int HorzRes = 0;         // printable width, printer pixels
    int VertRes = 0;         // printable height, printer pixels
    int HorzSize = 0;        // printable width, whole millimetres (truncated)
    int VertSize = 0;        // printable height, whole millimetres (truncated)
    int PhysicalWidth = 0;   // paper width, printer pixels
    int PhysicalHeight = 0;  // paper height, printer pixels
    int PhysicalOffsetX = 0; // paper edge to printable area, printer pixels
    int PhysicalOffsetY = 0;
    int LogPixelsX = 0; // printer pixels per inch, across; 0 when not known
    int LogPixelsY = 0;
};

// Read from the printer's page layout at its resolution.
PrinterMeasures MeasurePrinter(const QPrinter &printer);
