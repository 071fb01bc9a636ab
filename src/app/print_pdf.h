// The --print-pdf batch mode: a document's sheet printed into a PDF file, without a window.
#pragma once

class QString;

// The resolution the PDF printer draws at, as a 600-dpi printer would.
constexpr int PrintPdfResolution = 600;

// Returns the process's exit status: 0 when the PDF was written, 1 when the document could not be read
// or the PDF not written (the reason is on stderr; no file, not even a partial one, is left then).
int PrintPdf(const QString &documentPath, const QString &outputPath);
