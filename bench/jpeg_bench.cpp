// JPEG picture timings on a 12-megapixel photo made at run time: header-only load, full decode,
// drawing on the worksheet (an eighth-scale decode), repainting from the cache, drawing for print.
#include "jpeg/jpeg_decode.h"
#include "jpeg/jpeg_image.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// Gradients, shapes and sensor-like noise, so the file compresses like a photograph (quality 90).
QByteArray photo()
{
    static const QByteArray bytes = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        QRandomGenerator noise(12);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int n = int(noise.bounded(24)) - 12;
                line[x] = qRgb(qBound(0, x * 255 / 4000 + n, 255), qBound(0, y * 255 / 3000 + n, 255),
                               qBound(0, 128 + (x - y) / 40 + n, 255));
            }
        }
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 40; ++i) {
            p.setBrush(QColor::fromHsv(i * 9, 180, 220));
            p.drawEllipse(QPoint(100 + i * 95, 400 + (i % 7) * 330), 160 + i * 3, 120 + i * 2);
        }
        p.end();
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 90);
        return out;
    }();
    return bytes;
}

void BM_LoadHeaderOnly(benchmark::State &state)
{
    const QByteArray bytes = photo();
    for (auto _ : state) {
        TJPEGImage picture;
        picture.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(picture.Width());
    }
    state.counters["file_MB"] = double(bytes.size()) / 1e6;
}

void BM_FullDecode(benchmark::State &state)
{
    const QByteArray bytes = photo();
    for (auto _ : state) {
        TJPEGImage picture;
        picture.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(picture.ToImage().constBits());
    }
}

void drawInto(benchmark::State &state, QSize target)
{
    const QByteArray bytes = photo();
    QImage canvas(target, QImage::Format_RGB32);
    int scale = 0;
    for (auto _ : state) {
        TJPEGImage picture;
        picture.LoadFromBytes(bytes);
        QPainter p(&canvas);
        picture.Draw(p, canvas.rect());
        scale = picture.LastDecodeScale();
    }
    state.counters["scale_eighths"] = scale;
}

// A fresh picture each time: the first paint of a loaded document on the 455 x 275 worksheet.
void BM_DrawWorksheet(benchmark::State &state)
{
    drawInto(state, QSize(455, 275));
}

// The card printed at 600 dpi: about 2150 pixels wide.
void BM_DrawPrint(benchmark::State &state)
{
    drawInto(state, QSize(2150, 1300));
}

void BM_RepaintWorksheetCached(benchmark::State &state)
{
    TJPEGImage picture;
    picture.LoadFromBytes(photo());
    QImage canvas(455, 275, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&canvas);
        picture.Draw(p, canvas.rect());
    }
    state.counters["decodes"] = picture.DecodeCount();
}

void BM_DecodeAtScale(benchmark::State &state)
{
    const QByteArray bytes = photo();
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (auto _ : state) {
        VJpegInfo info;
        unsigned char *pixels = nullptr;
        vjpeg_decode(data, std::size_t(bytes.size()), int(state.range(0)), VJPEG_MAX_WORK_MEMORY, &info,
                     &pixels);
        std::free(pixels);
    }
}

} // namespace

BENCHMARK(BM_LoadHeaderOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawWorksheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPrint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWorksheetCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeAtScale)->DenseRange(1, 8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
