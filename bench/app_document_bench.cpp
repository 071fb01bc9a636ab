// Loading, saving and first painting a card of 1,000 objects on a 12-megapixel JPEG background.
#include "app/unit3.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/zrd_format.h"
#include "jpeg/jpeg_image.h"
#include "mixed_card.h"
#include "photo_jpeg.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Sample
{
    QTemporaryDir dir;
    QString path;
    QByteArray jpeg;
    Sample()
    {
        jpeg = photoJpeg();
        path = dir.filePath(QStringLiteral("big.zrd"));
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        SetJpegBackground(form, jpeg);
        AddMixedObjects(form, 1000);
        form.SaveDocument(path);
    }
};

Sample &sample()
{
    static Sample s;
    return s;
}

void BM_ReadFileBytesOnly(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(sample().path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

void BM_LoadDocument(benchmark::State &state)
{
    TForm3 form;
    for (auto _ : state)
        benchmark::DoNotOptimize(form.LoadDocument(sample().path));
}

void BM_SaveDocument(benchmark::State &state)
{
    TForm3 form;
    form.LoadDocument(sample().path);
    const QString out = sample().dir.filePath(QStringLiteral("saved.zrd"));
    for (auto _ : state)
        benchmark::DoNotOptimize(form.SaveDocument(out));
}

// Load, then paint the worksheet once: the photo is decoded only now, at the size the worksheet needs.
void BM_LoadAndFirstPaint(benchmark::State &state)
{
    TForm3 form;
    QImage target(455, 275, QImage::Format_RGB32);
    for (auto _ : state) {
        form.LoadDocument(sample().path);
        QPainter painter(&target);
        form.DrawPanel->render(&painter);
    }
}

void BM_FullDecodeOfThePhoto(benchmark::State &state)
{
    for (auto _ : state) {
        TJPEGImage jpeg; // a fresh picture each time: it keeps what it decoded
        jpeg.LoadFromBytes(sample().jpeg);
        benchmark::DoNotOptimize(jpeg.ToImage());
    }
}

BENCHMARK(BM_ReadFileBytesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullDecodeOfThePhoto)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sample(); // built before timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
