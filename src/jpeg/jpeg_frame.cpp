// Reading a JPEG file's frame header and Adobe marker, and whether the file can be carried unchanged.
#include "jpeg/jpeg_frame.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int SOI = 0xD8, EOI = 0xD9, SOS = 0xDA, DAC = 0xCC, APP14 = 0xEE;

bool isStartOfFrame(int marker)
{
    // 0xC4 (DHT), 0xC8 (JPG) and 0xCC (DAC) share the range but start no frame.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length: TEM and the restart markers.
bool standsAlone(int marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

constexpr int DQT = 0xDB;

// The marker segments of a JPEG file one after the other, and the entropy-coded data after a scan
// header; nothing is decoded.
class MarkerReader
{
public:
    struct Segment
    {
        int marker = 0; // 0: the bytes ended cleanly before a marker
        qsizetype payload = 0;
        qsizetype size = 0; // bytes after the length field; 0 for markers without one, -1 cut short
    };

    explicit MarkerReader(const QByteArray &bytes)
        : data_(reinterpret_cast<const unsigned char *>(bytes.constData())), size_(bytes.size())
    {}

    bool startsWithSoi()
    {
        at_ = 2;
        return size_ >= 4 && data_[0] == 0xFF && data_[1] == SOI;
    }

    // The next segment; nothing when the bytes break the marker syntax or cut a segment short.
    std::optional<Segment> next()
    {
        if (at_ >= size_)
            return Segment{};
        if (data_[at_] != 0xFF)
            return std::nullopt; // outside a scan, markers follow each other directly
        while (at_ < size_ && data_[at_] == 0xFF)
            ++at_; // fill bytes
        if (at_ >= size_)
            return std::nullopt;
        const int marker = data_[at_++];
        if (marker == 0x00)
            return std::nullopt;
        if (standsAlone(marker) || marker == SOI || marker == EOI)
            return Segment{marker, at_, 0};
        // A scan header cut short still says where the frame's header ended.
        const std::optional<Segment> cut =
            marker == SOS ? std::optional<Segment>(Segment{SOS, at_, -1}) : std::nullopt;
        if (at_ + 2 > size_)
            return cut;
        const int length = u16(at_);
        if (length < 2 || at_ + length > size_)
            return cut;
        const Segment segment{marker, at_ + 2, length - 2};
        at_ += length;
        return segment;
    }

    // Past a scan's entropy-coded data, to the marker after it; false when the bytes end first.
    // Stuffed zero bytes and restart markers belong to the data.
    bool skipEntropyData()
    {
        for (;;) {
            const void *found = at_ < size_ ? std::memchr(data_ + at_, 0xFF, size_t(size_ - at_)) : nullptr;
            if (!found)
                return false;
            const qsizetype ff = static_cast<const unsigned char *>(found) - data_;
            if (ff + 1 >= size_)
                return false;
            const int next = data_[ff + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                at_ = ff + 2;
            } else if (next == 0xFF) {
                at_ = ff + 1;
            } else {
                at_ = ff;
                return true;
            }
        }
    }

    int byte(qsizetype at) const { return data_[at]; }
    int u16(qsizetype at) const { return (data_[at] << 8) | data_[at + 1]; }
    const char *chars(qsizetype at) const { return reinterpret_cast<const char *>(data_ + at); }

private:
    const unsigned char *data_;
    qsizetype size_;
    qsizetype at_ = 0;
};

} // namespace

std::optional<JpegFrame> ReadJpegFrame(const QByteArray &bytes)
{
    MarkerReader reader(bytes);
    if (!reader.startsWithSoi())
        return std::nullopt;
    JpegFrame frame;
    bool haveFrame = false;
    for (;;) {
        const std::optional<MarkerReader::Segment> segment = reader.next();
        if (!segment)
            return std::nullopt;
        const int marker = segment->marker;
        if (marker == 0 || marker == SOS)
            break; // the frame, if any, came before the first scan
        if (marker == SOI || marker == EOI)
            return std::nullopt;
        const qsizetype payload = segment->payload, payloadSize = segment->size;
        if (isStartOfFrame(marker)) {
            if (haveFrame || payloadSize < 6)
                return std::nullopt;
            frame.sofMarker = marker;
            frame.bitsPerSample = reader.byte(payload);
            frame.height = reader.u16(payload + 1);
            frame.width = reader.u16(payload + 3);
            frame.components = reader.byte(payload + 5);
            if (payloadSize < 6 + 3 * frame.components)
                return std::nullopt;
            frame.arithmetic = frame.arithmetic || marker >= 0xC9;
            if (frame.components == 3)
                frame.rgbComponentIds = reader.byte(payload + 6) == 'R' && reader.byte(payload + 9) == 'G' &&
                                        reader.byte(payload + 12) == 'B';
            haveFrame = true;
        } else if (marker == DAC) {
            frame.arithmetic = true;
        } else if (marker == APP14 && payloadSize >= 12 &&
                   QByteArray::fromRawData(reader.chars(payload), 5) == "Adobe") {
            frame.adobeMarker = true;
            frame.adobeTransform = reader.byte(payload + 11);
        }
    }
    if (!haveFrame)
        return std::nullopt;
    if (frame.adobeMarker)
        frame.rgbComponentIds = false;
    return frame;
}

bool JpegStructureComplete(const QByteArray &bytes)
{
    MarkerReader reader(bytes);
    if (!reader.startsWithSoi())
        return false;
    struct Component
    {
        int id, quantTable;
    };
    std::vector<Component> components;
    unsigned definedQuantTables = 0;
    bool haveFrame = false, haveScan = false;
    for (;;) {
        const std::optional<MarkerReader::Segment> segment = reader.next();
        if (!segment || segment->marker == 0 || segment->marker == SOI)
            return false;
        const int marker = segment->marker;
        const qsizetype payload = segment->payload, end = payload + segment->size;
        if (marker == EOI)
            return haveScan;
        if (marker == DQT) {
            for (qsizetype at = payload; at < end;) {
                const int precision = reader.byte(at) >> 4, table = reader.byte(at) & 0x0F;
                const qsizetype tableSize = precision == 0 ? 64 : 128;
                if (precision > 1 || table > 3 || at + 1 + tableSize > end)
                    return false;
                definedQuantTables |= 1u << table;
                at += 1 + tableSize;
            }
        } else if (isStartOfFrame(marker)) {
            if (haveFrame || segment->size < 6)
                return false;
            const int count = reader.byte(payload + 5);
            if (segment->size < 6 + 3 * count)
                return false;
            for (int i = 0; i < count; ++i)
                components.push_back({reader.byte(payload + 6 + 3 * i), reader.byte(payload + 8 + 3 * i)});
            haveFrame = true;
        } else if (marker == SOS) {
            const int count = segment->size >= 1 ? reader.byte(payload) : 0;
            if (!haveFrame || count < 1 || count > 4 || segment->size < 1 + 2 * count + 3)
                return false;
            // Every component of the scan is one of the frame's, with its quantisation table defined
            // by now: a decoder stops at either fault.
            for (int i = 0; i < count; ++i) {
                const int id = reader.byte(payload + 1 + 2 * i);
                const auto component = std::find_if(components.begin(), components.end(),
                                                    [id](const Component &c) { return c.id == id; });
                if (component == components.end() || component->quantTable > 3 ||
                    !(definedQuantTables & (1u << component->quantTable)))
                    return false;
            }
            if (!reader.skipEntropyData())
                return false;
            haveScan = true;
        }
    }
}

std::optional<JpegPassThrough> JpegForPassThrough(const JpegFrame &frame)
{
    // Baseline, extended sequential and progressive Huffman frames only.
    const bool huffmanDct = frame.sofMarker >= 0xC0 && frame.sofMarker <= 0xC2;
    if (!huffmanDct || frame.arithmetic || frame.bitsPerSample != 8 || frame.width <= 0 || frame.height <= 0)
        return std::nullopt;
    JpegPassThrough image;
    image.width = frame.width;
    image.height = frame.height;
    switch (frame.components) {
    case 1:
        image.colours = JpegPassThrough::Gray;
        break;
    case 3:
        image.colours = JpegPassThrough::Rgb;
        image.noColourTransform = frame.adobeMarker ? frame.adobeTransform == 0 : frame.rgbComponentIds;
        break;
    case 4:
        image.colours = JpegPassThrough::Cmyk;
        image.invertedCmyk = frame.adobeMarker;
        break;
    default:
        return std::nullopt;
    }
    return image;
}
