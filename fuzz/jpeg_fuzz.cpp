// libFuzzer target: the JPEG picture class on arbitrary data, read as stored in a document and drawn small.
#include "jpeg/jpeg_image.h"

#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

namespace {

// Claimed sizes beyond this are legitimate but slow to decode even at an eighth; the unit tests
// cover them, the fuzzer spends its time on the parser.
constexpr long long MaxFuzzedPixels = 4096LL * 4096LL;

void exercise(const QByteArray &stored)
{
    TJPEGImage picture;
    try {
        picture.ReadData(stored);
    } catch (const VelmoraError &) {
        return;
    }
    if (picture.Empty() || static_cast<long long>(picture.Width()) * picture.Height() > MaxFuzzedPixels)
        return;
    QImage canvas(48, 32, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        picture.Draw(painter, QRect(0, 0, 48, 32));
        // A zoomed painter asks for a larger decode scale.
        painter.scale(6, 6);
        picture.Draw(painter, QRect(0, 0, 48, 32));
    }
    if (static_cast<long long>(picture.Width()) * picture.Height() <= 1024 * 1024) {
        try {
            picture.ToImage();
        } catch (const VelmoraError &) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // The input as a JPEG file with a correct length in front, and as raw stored data (length fuzzed too).
    exercise(LengthPrefixed(bytes));
    exercise(bytes);
    return 0;
}
