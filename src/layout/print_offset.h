// The printer position offset: how far a printer's output is moved to make up for the way it feeds the
// paper, kept per printer in a small file of its own in the per-user configuration folder.
#pragma once

#include "platform/printer_measures.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <map>

class QPrinter;

// Millimetres with one decimal; right and down are positive.
struct PrintOffset
{
    float X = 0.0f;
    float Y = 0.0f;
    bool operator==(const PrintOffset &) const = default;
};

constexpr float MaxPrintOffsetMM = 10.0f;

// `mm` rounded to one decimal and held to -10.0..+10.0; anything not a number is 0.
float ClampedOffsetMM(double mm);

// A field's magnitude in millimetres (or inches, x 25.4), rounded and held to the range; negative when
// the field's direction is left or up.
float OffsetFieldMM(double magnitude, bool inches, bool negative);
// The magnitude shown for `mm`: one decimal in millimetres, three in inches (x 0.03937).
QString OffsetFieldText(float mm, bool inches);

// The offset in printer pixels at the device's resolution (pixels per millimetre from HORZRES and
// HORZSIZE when the device reports none), rounded to the nearest pixel.
QPoint OffsetInPrinterPixels(const PrintOffset &offset, const PrinterMeasures &m);

// Parses "X,Y" in millimetres (as --offset takes it). False, with `offset` untouched, for anything but two
// numbers within -10 to +10.
bool ParseOffsetArgument(const QString &text, PrintOffset &offset);

// The entry a printer's offset is kept under: its queue name, or one fixed entry for PDF output (which a
// queue name cannot be: queue names hold no blanks).
inline const QString PdfOffsetKey = QStringLiteral("PDF file");
QString PrinterOffsetKey(const QPrinter &printer);

// The offsets file: one printer a line, "X<tab>Y<tab>name" in UTF-8, '#' lines are comments. Lines that do
// not read as such (values out of range, not UTF-8, no name) are left out; a later line for the same
// name wins. A zero offset is not written.
using PrinterOffsets = std::map<QString, PrintOffset>;
PrinterOffsets ParsePrinterOffsets(const QByteArray &bytes);
QByteArray SerializePrinterOffsets(const PrinterOffsets &offsets);

// Where the file lives: the per-user configuration folder.
QString PrinterOffsetsPath();

// Every entry of the file at `path`; none when it is missing or cannot be read.
PrinterOffsets ReadPrinterOffsets(const QString &path);
// The entry for `key`; 0, 0 when there is none.
PrintOffset PrinterOffsetFor(const PrinterOffsets &offsets, const QString &key);
// Rewrites the file with `key` set to `offset` and the other entries as the file holds them. On failure
// returns false with the reason in `error`, and the previous file stays as it was.
bool StorePrinterOffset(const QString &path, const QString &key, const PrintOffset &offset, QString *error);
