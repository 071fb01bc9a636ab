// The --print-pdf batch mode: a document's sheet printed into a PDF file, without a window.
#pragma once

#include "layout/print_offset.h"

class QString;

// The resolution the PDF printer draws at, as a 600-dpi printer would.
constexpr int PrintPdfResolution = 600;

// Returns the process's exit status: 0 when the PDF was written, 1 when the document could not be read
// or the PDF not written (the reason is on stderr; no file, not even a partial one, is left then).
// Every card and crop mark is moved by `offset`; the offset page setup keeps for PDF output is not used,
// so that a batch run prints the same whoever runs it.
int PrintPdf(const QString &documentPath, const QString &outputPath, const PrintOffset &offset = {});
