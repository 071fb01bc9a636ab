// Reading a JPEG file's frame header and Adobe marker, and whether the file can be carried unchanged.
#include "jpeg/jpeg_frame.h"

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

} // namespace

std::optional<JpegFrame> ReadJpegFrame(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != 0xFF || data[1] != SOI)
        return std::nullopt;
    const auto u16 = [data](qsizetype at) { return (data[at] << 8) | data[at + 1]; };

    JpegFrame frame;
    bool haveFrame = false;
    qsizetype at = 2;
    while (at < size) {
        if (data[at] != 0xFF)
            return std::nullopt; // markers follow each other directly before the first scan
        while (at < size && data[at] == 0xFF)
            ++at; // fill bytes
        if (at >= size)
            return std::nullopt;
        const int marker = data[at++];
        if (standsAlone(marker))
            continue;
        if (marker == SOI || marker == EOI || marker == 0x00)
            return std::nullopt;
        if (marker == SOS)
            break; // the frame, if any, came before the first scan
        if (at + 2 > size)
            return std::nullopt;
        const int length = u16(at);
        if (length < 2 || at + length > size)
            return std::nullopt;
        const qsizetype payload = at + 2, payloadSize = length - 2;
        if (isStartOfFrame(marker)) {
            if (haveFrame || payloadSize < 6)
                return std::nullopt;
            frame.sofMarker = marker;
            frame.bitsPerSample = data[payload];
            frame.height = u16(payload + 1);
            frame.width = u16(payload + 3);
            frame.components = data[payload + 5];
            if (payloadSize < 6 + 3 * frame.components)
                return std::nullopt;
            frame.arithmetic = frame.arithmetic || marker >= 0xC9;
            if (frame.components == 3)
                frame.rgbComponentIds =
                    data[payload + 6] == 'R' && data[payload + 9] == 'G' && data[payload + 12] == 'B';
            haveFrame = true;
        } else if (marker == DAC) {
            frame.arithmetic = true;
        } else if (marker == APP14 && payloadSize >= 12 &&
                   QByteArray::fromRawData(bytes.constData() + payload, 5) == "Adobe") {
            frame.adobeMarker = true;
            frame.adobeTransform = data[payload + 11];
        }
        at += length;
    }
    if (!haveFrame)
        return std::nullopt;
    if (frame.adobeMarker)
        frame.rgbComponentIds = false;
    return frame;
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
