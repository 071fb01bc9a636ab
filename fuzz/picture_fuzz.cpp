// libFuzzer target: the picture readers behind Qt's decoders and our own parsing (BMP, ICO, EMF, WMF,
// PNG), each given the input as a file and as stored data, drawn small, and written back.
#include "controls/graphic_classes.h"
#include "platform/errors.h"
#include "platform/memory_budget.h"
#include "platform/metafile.h"
#include "platform/picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void draw(const TGraphic &graphic)
{
    QImage canvas(48, 32, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    graphic.Draw(painter, canvas.rect());
}

template <class Graphic> void exercise(const QByteArray &bytes)
{
    QByteArray stored, file;
    int width = 0, height = 0;
    {
        Graphic graphic;
        try {
            graphic.LoadFromBytes(bytes);
        } catch (const VelmoraError &) {
            check(graphic.Empty());
            return;
        }
        draw(graphic);
        stored = graphic.WriteData();
        file = graphic.FileBytes();
        width = graphic.Width();
        height = graphic.Height();
    }
    // What was read is written back and reads again to the same picture.
    Graphic again;
    again.ReadData(stored);
    check(again.FileBytes() == file);
    check(again.Width() == width && again.Height() == height);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    RegisterGraphicClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    exercise<TBitmap>(bytes);
    exercise<TIcon>(bytes);
    exercise<TMetafile>(bytes);
    exercise<TPngImage>(bytes);
    // As a stored picture: the class name chooses the reader.
    try {
        TPicture picture;
        picture.ReadData(bytes);
        if (picture.Graphic())
            draw(*picture.Graphic());
    } catch (const VelmoraError &) {
    }
    // Everything is gone again, and so is its share of the budget.
    check(PixelBudgetInUse() == 0);
    return 0;
}
