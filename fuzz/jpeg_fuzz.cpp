// libFuzzer target: the JPEG picture class on arbitrary data, read as stored in a document and drawn small.
#include "jpeg/jpeg_image.h"
#include "platform/memory_budget.h"

#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void exercise(const QByteArray &stored)
{
    TJPEGImage picture;
    try {
        picture.ReadData(stored);
    } catch (const VelmoraError &) {
        return;
    }
    // Every claimed size is drawn: the document's pixel budget refuses what would cost too much.
    if (picture.Empty())
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
    // The full size too, where it is small enough to be quick: larger ones are the budget's to refuse,
    // which drawing has tried already.
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
    if (PixelBudgetInUse() != 0)
        std::abort();
    return 0;
}
