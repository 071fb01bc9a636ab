// Headers and record structure of enhanced metafiles (EMF) and placeable Windows metafiles (WMF).
#include "platform/metafile_format.h"

#include "platform/graphics.h"

#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <limits>

#include <uemf_safe.h>

namespace {

constexpr std::uint32_t EmrHeader = 1;
constexpr std::uint32_t EmrEof = 14;
// The last record type the format defines (CREATECOLORSPACEW).
constexpr std::uint32_t EmrLastType = 122;
constexpr std::uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr int EmfHeaderSize = 88;
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableSize = 22;
constexpr int WmfHeaderSize = 18;
constexpr int HundredthMmPerInch = 2540;

// Little-endian fields of a file; a field past the end reads as 0, so sizes are checked once, up front.
class Fields
{
public:
    explicit Fields(const QByteArray &bytes)
        : data_(reinterpret_cast<const unsigned char *>(bytes.constData())), size_(bytes.size())
    {}
    qint64 size() const { return size_; }
    std::uint32_t u32(qint64 at) const
    {
        return at >= 0 && at + 4 <= size_ ? qFromLittleEndian<std::uint32_t>(data_ + at) : 0;
    }
    std::uint16_t u16(qint64 at) const
    {
        return at >= 0 && at + 2 <= size_ ? qFromLittleEndian<std::uint16_t>(data_ + at) : 0;
    }
    std::int32_t i32(qint64 at) const { return static_cast<std::int32_t>(u32(at)); }
    std::int16_t i16(qint64 at) const { return static_cast<std::int16_t>(u16(at)); }

private:
    const unsigned char *data_;
    qint64 size_;
};

// MulDiv's rounding, kept inside 0..INT_MAX for sizes taken from untrusted headers.
int scaledSize(qint64 value, qint64 numerator, qint64 denominator)
{
    if (value <= 0 || numerator <= 0 || denominator <= 0)
        return 0;
    if (value > (std::numeric_limits<qint64>::max() - denominator) / numerator)
        return INT_MAX;
    return int(std::min<qint64>((value * numerator + denominator / 2) / denominator, INT_MAX));
}

// right - left of a rectangle stored as four 32-bit values; 0 when empty or out of range.
int extent(const Fields &f, qint64 from, qint64 to)
{
    const qint64 size = qint64(f.i32(to)) - f.i32(from);
    return size > 0 && size <= INT_MAX ? int(size) : 0;
}

std::optional<MetafileHeader> parseEmf(const Fields &f)
{
    if (f.size() < EmfHeaderSize || f.u32(0) != EmrHeader || f.u32(40) != EmfSignature)
        return std::nullopt;
    const std::uint32_t recordSize = f.u32(4), fileSize = f.u32(48);
    if (recordSize < EmfHeaderSize || recordSize > f.size() || fileSize < recordSize)
        return std::nullopt;
    MetafileHeader h;
    h.enhanced = true;
    h.declaredSize = fileSize;
    // The frame (0.01 mm) is what the class library reports; some writers leave it empty, and then the
    // bounds in reference-device pixels are taken at the reference device's resolution.
    h.width = extent(f, 24, 32);
    h.height = extent(f, 28, 36);
    if (h.width == 0 || h.height == 0) {
        const int devW = f.i32(72), devH = f.i32(76), mmW = f.i32(80), mmH = f.i32(84);
        const bool known = devW > 0 && devH > 0 && mmW > 0 && mmH > 0;
        h.width = known ? scaledSize(extent(f, 8, 16), qint64(mmW) * 100, devW)
                        : scaledSize(extent(f, 8, 16), HundredthMmPerInch, ScreenPixelsPerInch);
        h.height = known ? scaledSize(extent(f, 12, 20), qint64(mmH) * 100, devH)
                         : scaledSize(extent(f, 12, 20), HundredthMmPerInch, ScreenPixelsPerInch);
    }
    return h;
}

std::optional<MetafileHeader> parseWmf(const Fields &f)
{
    if (f.size() < PlaceableSize + WmfHeaderSize || f.u32(0) != PlaceableKey)
        return std::nullopt;
    const int inch = f.u16(14);
    const int type = f.u16(PlaceableSize), headerWords = f.u16(PlaceableSize + 2);
    if (inch == 0 || (type != 1 && type != 2) || headerWords != WmfHeaderSize / 2)
        return std::nullopt;
    MetafileHeader h;
    h.inch = inch;
    h.width = std::abs(f.i16(10) - f.i16(6));
    h.height = std::abs(f.i16(12) - f.i16(8));
    h.declaredSize = PlaceableSize + qint64(f.u32(PlaceableSize + 6)) * 2;
    return h;
}

} // namespace

std::optional<MetafileHeader> ParseMetafileHeader(const QByteArray &bytes)
{
    const Fields fields(bytes);
    if (auto emf = parseEmf(fields))
        return emf;
    return parseWmf(fields);
}

bool MetafileRecordsIntact(const QByteArray &bytes, const MetafileHeader &header)
{
    const Fields f(bytes);
    const qint64 limit = std::min<qint64>(header.declaredSize, f.size());
    if (header.enhanced) {
        for (qint64 at = 0; at + 8 <= limit;) {
            const std::uint32_t type = f.u32(at), size = f.u32(at + 4);
            if (size < 8 || size % 4 != 0 || at + size > limit)
                return false;
            // The converter also trusts the offsets and counts inside a record (where a blend's
            // bitmap is, how many points a polygon has); libuemf checks them against its size. Types
            // beyond the known ones are skipped by both: libuemf would only check the size again,
            // and say so on standard error for each record.
            const bool known = type >= 1 && type <= EmrLastType;
            if (known && !U_emf_record_safe(bytes.constData() + at))
                return false;
            if (type == EmrEof)
                return true;
            at += size;
        }
        return false;
    }
    // The converter allocates the largest record the header names (in words, at offset 12) up front.
    if (f.size() < PlaceableSize + WmfHeaderSize || qint64(f.u32(PlaceableSize + 12)) * 2 > limit)
        return false;
    for (qint64 at = PlaceableSize + WmfHeaderSize; at + 6 <= limit;) {
        const qint64 size = qint64(f.u32(at)) * 2;
        if (size < 6 || at + size > limit)
            return false;
        if (f.u16(at + 4) == 0)
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
