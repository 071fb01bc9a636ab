// The --export-png batch mode: a document's card written as a PNG image, without a window.
#pragma once

class QString;

// Returns the process's exit status: 0 when the image was written, 1 when the document could not be
// read, a picture on the card could not be drawn (each is named) or the image not written (the
// reason is on stderr; nothing is written then).
int ExportPng(const QString &documentPath, const QString &outputPath, int dpi);
