// The measures of Qt's PDF printer on A4 at 600 dpi with 10 pt margins, as the layout tests take them.
#pragma once

#include "platform/printer_measures.h"

inline PrinterMeasures QtPdfA4At600Dpi()
{
    PrinterMeasures m;
    m.HorzRes = 4792;
    m.VertRes = 6851;
    m.HorzSize = 202;
    m.VertSize = 289;
    m.PhysicalWidth = 4958;
    m.PhysicalHeight = 7017;
    m.PhysicalOffsetX = 83;
    m.PhysicalOffsetY = 83;
    m.LogPixelsX = 600;
    m.LogPixelsY = 600;
    return m;
}
