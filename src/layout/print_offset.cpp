// The printer position offset: its values, the file it is kept in, and its pixels on a device.
#include "layout/print_offset.h"

#include "dialogs/units.h"
#include "platform/config_paths.h"

#include <QPrinter>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace {

// Big enough for thousands of printers; a larger file is not ours.
constexpr qint64 MaxOffsetsFileBytes = 256 * 1024;

const QByteArray FileComment = QByteArrayLiteral(
    "# Velmora printer position offsets: across and down in millimetres (right and down positive), then "
    "the printer\n");

// A stored or typed value: a finite number within the range, to one decimal.
bool readValue(const QByteArray &text, float &value)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > MaxPrintOffsetMM + 0.05)
        return false;
    value = ClampedOffsetMM(v);
    return true;
}

QByteArray formatValue(float mm)
{
    return QByteArray::number(double(mm), 'f', 1);
}

int pixelsOf(float mm, double pixelsPerMM)
{
    return int(std::lround(double(mm) * pixelsPerMM));
}

} // namespace

float ClampedOffsetMM(double mm)
{
    if (!std::isfinite(mm))
        return 0.0f;
    const double clamped = std::clamp(mm, double(-MaxPrintOffsetMM), double(MaxPrintOffsetMM));
    const float rounded = float(std::round(clamped * 10.0) / 10.0);
    return rounded == 0.0f ? 0.0f : rounded; // no "-0.0"
}

float OffsetFieldMM(double magnitude, bool inches, bool negative)
{
    const float mm = ClampedOffsetMM(std::fabs(inches ? magnitude * Units::MmPerInch : magnitude));
    return negative && mm != 0.0f ? -mm : mm;
}

QString OffsetFieldText(float mm, bool inches)
{
    const double magnitude = std::fabs(double(mm));
    return inches ? FormatInch(magnitude * Units::InchPerMm) : FormatMm(magnitude);
}

QPoint OffsetInPrinterPixels(const PrintOffset &offset, const PrinterMeasures &m)
{
    const double perMMX = m.LogPixelsX > 0 ? m.LogPixelsX / 25.4
                          : m.HorzSize > 0 ? double(m.HorzRes) / m.HorzSize
                                           : 0.0;
    const double perMMY = m.LogPixelsY > 0 ? m.LogPixelsY / 25.4
                          : m.VertSize > 0 ? double(m.VertRes) / m.VertSize
                                           : 0.0;
    return {pixelsOf(offset.X, perMMX), pixelsOf(offset.Y, perMMY)};
}

bool ParseOffsetArgument(const QString &text, PrintOffset &offset)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return false;
    PrintOffset parsed;
    if (!readValue(parts[0].toLatin1(), parsed.X) || !readValue(parts[1].toLatin1(), parsed.Y))
        return false;
    for (const QString &part : parts)
        if (part.trimmed().isEmpty())
            return false;
    offset = parsed;
    return true;
}

QString PrinterOffsetKey(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        return PdfOffsetKey;
    return printer.printerName();
}

PrinterOffsets ParsePrinterOffsets(const QByteArray &bytes)
{
    PrinterOffsets offsets;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int first = line.indexOf('\t');
        const int second = first < 0 ? -1 : line.indexOf('\t', first + 1);
        if (second < 0)
            continue;
        PrintOffset offset;
        if (!readValue(line.left(first), offset.X) ||
            !readValue(line.mid(first + 1, second - first - 1), offset.Y))
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString name = utf8(line.mid(second + 1));
        if (utf8.hasError() || name.isEmpty() || name.contains(QChar(u'\0')))
            continue;
        offsets[name] = offset;
    }
    return offsets;
}

QByteArray SerializePrinterOffsets(const PrinterOffsets &offsets)
{
    QByteArray bytes = FileComment;
    for (const auto &[name, offset] : offsets) {
        // A name that would break its line cannot be kept; such a printer prints without an offset.
        if (offset == PrintOffset() || name.isEmpty() || name.contains(u'\n') || name.contains(u'\r'))
            continue;
        bytes += formatValue(offset.X) + '\t' + formatValue(offset.Y) + '\t' + name.toUtf8() + '\n';
    }
    return bytes;
}

QString PrinterOffsetsPath()
{
    return DefaultDataLocations().configDir + QStringLiteral("printer-offsets.txt");
}

PrinterOffsets ReadPrinterOffsets(const QString &path)
{
    try {
        return ParsePrinterOffsets(ReadWholeFile(path, MaxOffsetsFileBytes));
    } catch (const std::exception &) {
        return {}; // a missing or unreadable file holds no offsets
    }
}

PrintOffset PrinterOffsetFor(const PrinterOffsets &offsets, const QString &key)
{
    const auto found = offsets.find(key);
    return found == offsets.end() ? PrintOffset() : found->second;
}

bool StorePrinterOffset(const QString &path, const QString &key, const PrintOffset &offset, QString *error)
{
    PrinterOffsets offsets = ReadPrinterOffsets(path);
    offsets[key] = {ClampedOffsetMM(offset.X), ClampedOffsetMM(offset.Y)};
    return WriteFileAtomically(path, SerializePrinterOffsets(offsets), error);
}
