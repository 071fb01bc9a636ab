// Metafiles converted to SVG documents: EMF by libemf2svg, placeable WMF by libwmf's SVG device.
#include "platform/metafile_svg.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace {

std::uint32_t le32(const QByteArray &b, int at)
{
    return std::uint32_t(uchar(b[at])) | std::uint32_t(uchar(b[at + 1])) << 8 |
           std::uint32_t(uchar(b[at + 2])) << 16 | std::uint32_t(uchar(b[at + 3])) << 24;
}

// The converter reads the header's description whenever its offset is set, and trusts it: two UTF-16
// strings of nDescription characters each (up to a terminator where that is 0), the second starting
// after the first one's terminator wherever that is. So even a sound file with a long description is
// read past its end. A description that does not start inside the header is refused; otherwise the
// number of zero bytes that, put after the file, end every one of those reads.
std::optional<qsizetype> EmfDescriptionPadding(const QByteArray &emf)
{
    if (emf.size() < 68)
        return std::nullopt;
    const std::uint64_t recordSize = le32(emf, 4), count = le32(emf, 60), offset = le32(emf, 64);
    if (recordSize > std::uint64_t(emf.size()))
        return std::nullopt;
    if (offset == 0)
        return 0;
    if ((count > 0 && offset < 68) || offset + 2 * count > recordSize)
        return std::nullopt;
    // The first terminator is found at the latest in the first 4 zeros (at either alignment), so the
    // second string starts at most 4 bytes past the end; then 2 * count bytes, or up to a terminator.
    return qsizetype(2 * count + 16);
}

} // namespace

QByteArray EmfToSvg(const QByteArray &emf)
{
    const std::optional<qsizetype> padding = EmfDescriptionPadding(emf);
    if (!padding)
        return {};
    // The converter takes a writable buffer; it is told the file's own size.
    QByteArray input(emf.size() + *padding, '\0');
    std::memcpy(input.data(), emf.constData(), std::size_t(emf.size()));
    char empty[] = "";
    generatorOptions options{};
    options.nameSpace = empty; // plain <svg> elements, no prefix
    options.svgDelimiter = true;
    // Files with EMF+ records carry plain EMF records for readers that skip them; those are drawn.
    options.emfplus = false;
    char *out = nullptr;
    std::size_t length = 0;
    const int ok = emf2svg(input.data(), std::size_t(emf.size()), &out, &length, &options);
    QByteArray svg;
    if (ok && out)
        svg = QByteArray(out, qsizetype(length));
    std::free(out);
    return svg;
}

namespace {

// Owns one libwmf player.
struct WmfPlayer
{
    wmfAPI *api = nullptr;
    ~WmfPlayer()
    {
        if (api)
            wmf_api_destroy(api);
    }
};

} // namespace

QByteArray WmfToSvg(const QByteArray &wmf, const MetafileHeader &header)
{
    if (header.width <= 0 || header.height <= 0 || header.inch <= 0)
        return {};
    QByteArray input = wmf; // the player takes a writable buffer
    WmfPlayer player;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&player.api, flags, &options) != wmf_E_None)
        return {};
    if (wmf_mem_open(player.api, reinterpret_cast<unsigned char *>(input.data()), long(input.size())) !=
        wmf_E_None)
        return {};
    wmfD_Rect box;
    if (wmf_scan(player.api, 0, &box) != wmf_E_None)
        return {};
    // The scan gives the extent of what is drawn; the placeable header's box (in points from its
    // origin) is what the picture covers, as when Windows plays it into a rectangle.
    box.TL = {0, 0};
    box.BR = {float(header.width * 72.0 / header.inch), float(header.height * 72.0 / header.inch)};
    wmf_svg_t *device = WMF_SVG_GetData(player.api);
    device->bbox = box;
    device->width = unsigned(std::max(1, MetafilePixels(header.width, header)));
    device->height = unsigned(std::max(1, MetafilePixels(header.height, header)));
    device->flags |= WMF_SVG_INLINE_IMAGES;
    device->out = wmf_stream_create(player.api, nullptr);
    if (!device->out)
        return {};
    const wmf_error_t played = wmf_play(player.api, 0, &box);
    char *out = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(player.api, device->out, &out, &length);
    QByteArray svg;
    if (played == wmf_E_None && out)
        svg = QByteArray(out, qsizetype(length));
    if (out)
        wmf_free(player.api, out);
    return svg;
}
