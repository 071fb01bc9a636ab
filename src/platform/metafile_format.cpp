// Headers and record structure of enhanced metafiles (EMF) and placeable Windows metafiles (WMF).
#include "platform/metafile_format.h"

#include "platform/bytes.h"
#include "platform/graphics.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr std::uint32_t EmrHeader = 1;
constexpr std::uint32_t EmrEof = 14;
constexpr std::uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr int EmfHeaderSize = 88;
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableSize = 22;
constexpr int WmfHeaderSize = 18;
constexpr int HundredthMmPerInch = 2540;

std::uint32_t u32(const QByteArray &b, qint64 at)
{
    return static_cast<std::uint32_t>(ReadInt32(b.constData() + at));
}

std::uint16_t u16(const QByteArray &b, qint64 at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData() + at);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::int16_t i16(const QByteArray &b, qint64 at)
{
    return static_cast<std::int16_t>(u16(b, at));
}

// MulDiv's rounding, kept inside 0..INT_MAX for sizes taken from untrusted headers.
int scaledSize(qint64 value, qint64 numerator, qint64 denominator)
{
    if (value <= 0 || numerator <= 0 || denominator <= 0)
        return 0;
    return int(std::min<qint64>((value * numerator + denominator / 2) / denominator, INT_MAX));
}

// right - left of a rectangle stored as four 32-bit values; 0 when empty or out of range.
int extent(const QByteArray &b, qint64 from, qint64 to)
{
    const qint64 size = qint64(ReadInt32(b.constData() + to)) - ReadInt32(b.constData() + from);
    return size > 0 && size <= INT_MAX ? int(size) : 0;
}

std::optional<MetafileHeader> parseEmf(const QByteArray &b)
{
    if (b.size() < EmfHeaderSize || u32(b, 0) != EmrHeader || u32(b, 40) != EmfSignature)
        return std::nullopt;
    const std::uint32_t recordSize = u32(b, 4), fileSize = u32(b, 48);
    if (recordSize < EmfHeaderSize || recordSize > std::uint32_t(b.size()) || fileSize < recordSize)
        return std::nullopt;
    MetafileHeader h;
    h.enhanced = true;
    h.declaredSize = fileSize;
    // The frame (0.01 mm) is what the class library reports; some writers leave it empty, and then the
    // bounds in reference-device pixels are taken at the reference device's resolution.
    h.width = extent(b, 24, 32);
    h.height = extent(b, 28, 36);
    if (h.width == 0 || h.height == 0) {
        const int devW = ReadInt32(b.constData() + 72), devH = ReadInt32(b.constData() + 76);
        const int mmW = ReadInt32(b.constData() + 80), mmH = ReadInt32(b.constData() + 84);
        const bool known = devW > 0 && devH > 0 && mmW > 0 && mmH > 0;
        h.width = known ? scaledSize(extent(b, 8, 16), qint64(mmW) * 100, devW)
                        : scaledSize(extent(b, 8, 16), HundredthMmPerInch, ScreenPixelsPerInch);
        h.height = known ? scaledSize(extent(b, 12, 20), qint64(mmH) * 100, devH)
                         : scaledSize(extent(b, 12, 20), HundredthMmPerInch, ScreenPixelsPerInch);
    }
    return h;
}

std::optional<MetafileHeader> parseWmf(const QByteArray &b)
{
    if (b.size() < PlaceableSize + WmfHeaderSize || u32(b, 0) != PlaceableKey)
        return std::nullopt;
    const int inch = u16(b, 14);
    const int type = u16(b, PlaceableSize), headerWords = u16(b, PlaceableSize + 2);
    if (inch == 0 || (type != 1 && type != 2) || headerWords != WmfHeaderSize / 2)
        return std::nullopt;
    MetafileHeader h;
    h.inch = inch;
    h.width = std::abs(i16(b, 10) - i16(b, 6));
    h.height = std::abs(i16(b, 12) - i16(b, 8));
    h.declaredSize = PlaceableSize + qint64(u32(b, PlaceableSize + 6)) * 2;
    return h;
}

} // namespace

std::optional<MetafileHeader> ParseMetafileHeader(const QByteArray &bytes)
{
    if (auto emf = parseEmf(bytes))
        return emf;
    return parseWmf(bytes);
}

bool MetafileRecordsIntact(const QByteArray &bytes, const MetafileHeader &header)
{
    const qint64 limit = std::min<qint64>(header.declaredSize, bytes.size());
    if (header.enhanced) {
        for (qint64 at = 0; at + 8 <= limit;) {
            const std::uint32_t type = u32(bytes, at), size = u32(bytes, at + 4);
            if (size < 8 || size % 4 != 0 || at + size > limit)
                return false;
            if (type == EmrEof)
                return true;
            at += size;
        }
        return false;
    }
    for (qint64 at = PlaceableSize + WmfHeaderSize; at + 6 <= limit;) {
        const qint64 size = qint64(u32(bytes, at)) * 2;
        if (size < 6 || at + size > limit)
            return false;
        if (u16(bytes, at + 4) == 0)
            return true;
        at += size;
    }
    return false;
}

int MetafilePixels(int units, const MetafileHeader &header)
{
    return scaledSize(units, ScreenPixelsPerInch, header.inch ? header.inch : HundredthMmPerInch);
}

int MetafileUnits(int pixels, const MetafileHeader &header)
{
    return scaledSize(pixels, header.inch ? header.inch : HundredthMmPerInch, ScreenPixelsPerInch);
}

int MetafileHundredthsMm(int units, const MetafileHeader &header)
{
    return header.inch ? scaledSize(units, HundredthMmPerInch, header.inch) : units;
}
