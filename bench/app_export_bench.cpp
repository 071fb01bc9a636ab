// Batch export as --export-png runs it, and opening a large card in the window: how the cost grows
// with the number of objects, and the photo card beside a plain Qt program drawing the same card.
//
// Figures to compare: LoadAndExport/10000 at most 12 x LoadAndExport/1000 and under 0.5 s;
// OpenInWindow/10000 under 0.6 s; PhotoExport/127 at most 1.15 x PlainQtPhotoCard; PhotoExport/600
// under 0.5 s; PhotoExportPeakMemory/127 (the program itself, run as a child) under 45 MiB, beside
// EmptyCardPeakMemory, the same program writing an empty card (what Qt and the fonts take).
#include "app/export_png.h"
#include "app/unit3.h"
#include "child_run.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/zrd_format.h"
#include "layout/card_copy.h"
#include "photo_jpeg.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <vector>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QByteArray &photo()
{
    static const QByteArray bytes = photoJpeg();
    return bytes;
}

void addLabel(TForm3 &form, int x, int y, const QString &text)
{
    auto *label = new TLabelEx(form.DrawPanel);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetCaption(text);
    label->SetBounds(x, y, 120, 20);
    form.AttachCardObject(label);
}

// A card of `objects` shapes and labels (half each, Latin and Japanese texts) on a plain ground.
QString mixedCard(int objects)
{
    static std::map<int, QString> made;
    if (auto it = made.find(objects); it != made.end())
        return it->second;
    const QString path = folder().filePath(QStringLiteral("mixed%1.zrd").arg(objects));
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    for (int i = 0; i < objects; ++i) {
        const int x = (i * 37) % 430, y = (i * 53) % 250;
        if (i % 2 == 0) {
            auto *shape = new TQVShape(form.DrawPanel);
            shape->SetShape(TQVShapeType(i % 8));
            shape->SetLeft(x);
            shape->SetTop(y);
            shape->SetWidth(20);
            shape->SetHeight(12);
            form.AttachCardObject(shape);
        } else {
            addLabel(form, x, y,
                     i % 4 == 1 ? QStringLiteral("Card %1").arg(i) : QStringLiteral("名刺 %1").arg(i));
        }
    }
    form.SaveDocument(path);
    made[objects] = path;
    return path;
}

// The photo as the background of the default card, with a few labels.
QString photoCard()
{
    static const QString path = [] {
        const QString p = folder().filePath(QStringLiteral("photo.zrd"));
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        form.BackgroundPicture->Picture().ReadData(QByteArray("\x0aTJPEGImage") +
                                                   ZrdInt32(qint32(photo().size())) + photo());
        addLabel(form, 20, 20, QStringLiteral("山田 太郎"));
        addLabel(form, 20, 60, QStringLiteral("Taro Yamada"));
        addLabel(form, 20, 200, QStringLiteral("03-1234-5678"));
        form.SaveDocument(p);
        return p;
    }();
    return path;
}

void BM_LoadAndExport(benchmark::State &state)
{
    const QString doc = mixedCard(int(state.range(0)));
    const QString out = folder().filePath(QStringLiteral("out.png"));
    for (auto _ : state)
        if (ExportPng(doc, out, 127) != 0)
            state.SkipWithError("export failed");
}

// Opening the card in a shown window, as File > Open does: load, let the event loop take what the
// new controls posted, paint. Each round replaces the card the round before opened.
void BM_OpenInWindow(benchmark::State &state)
{
    const QString doc = mixedCard(int(state.range(0)));
    TForm3 form;
    form.StartupPending = false; // no start-up wizard: the benchmark opens the document itself
    form.show();
    QImage target(form.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        if (form.LoadDocument(doc) != 0)
            state.SkipWithError("load failed");
        QCoreApplication::processEvents();
        QPainter painter(&target);
        form.render(&painter);
    }
}

void BM_PhotoExport(benchmark::State &state)
{
    const QString doc = photoCard();
    const QString out = folder().filePath(QStringLiteral("photo.png"));
    for (auto _ : state)
        if (ExportPng(doc, out, int(state.range(0))) != 0)
            state.SkipWithError("export failed");
}

// The reference: what a plain Qt program does to write the same card at 127 dpi: read the JPEG file,
// decode it scaled to the card, draw the labels and write the PNG.
void BM_PlainQtPhotoCard(benchmark::State &state)
{
    const QString jpegPath = folder().filePath(QStringLiteral("photo.jpg"));
    {
        QFile file(jpegPath);
        file.open(QIODevice::WriteOnly);
        file.write(photo());
    }
    const QString out = folder().filePath(QStringLiteral("plain.png"));
    for (auto _ : state) {
        QImageReader reader(jpegPath);
        reader.setScaledSize(QSize(455, 275));
        QImage card(455, 275, QImage::Format_RGB32);
        card.fill(Qt::white);
        QPainter painter(&card);
        painter.drawImage(0, 0, reader.read());
        painter.setFont(QFont(QStringLiteral("IPAPMincho"), 12));
        painter.drawText(20, 36, QStringLiteral("山田 太郎"));
        painter.drawText(20, 76, QStringLiteral("Taro Yamada"));
        painter.drawText(20, 216, QStringLiteral("03-1234-5678"));
        painter.end();
        card.save(out, "PNG");
    }
}

// Encoding the 600-dpi photo card as PNG at a Qt quality (-1: libpng's default), for choosing the
// export's compression; the size in bytes is reported as a counter.
void BM_PngEncode600(benchmark::State &state)
{
    static const QImage image = [] {
        TForm3 form;
        form.LoadDocument(photoCard());
        return RenderCardImage(*form.BackgroundPicture, form.ObjectList, form.WorkSheetWidthPx,
                               form.WorkSheetHeightPx, 600);
    }();
    qsizetype size = 0;
    for (auto _ : state) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG", int(state.range(0)));
        size = png.size();
    }
    state.counters["bytes"] = double(size);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The peak resident memory in MiB of the program run with `arguments`, or -1 when it failed.
double childPeakMiB(const QStringList &arguments)
{
    const ChildRun run = RunChild(VelmoraProgram(), arguments);
    return run.status == 0 ? run.peakMiB : -1;
}

// Peak memory of `velmora --export-png` on the photo card at that resolution.
void BM_PhotoExportPeakMemory(benchmark::State &state)
{
    const QString doc = photoCard();
    const QString out = folder().filePath(QStringLiteral("peak.png"));
    std::vector<double> peaks;
    for (auto _ : state) {
        peaks.push_back(childPeakMiB({QStringLiteral("--export-png"), out, QStringLiteral("--dpi"),
                                      QString::number(state.range(0)), doc}));
        if (peaks.back() < 0)
            state.SkipWithError("export failed");
    }
    state.counters["peak_MiB"] = median(peaks);
}

// The reference: the same program exporting an empty card, which holds what Qt and the fonts take.
void BM_EmptyCardPeakMemory(benchmark::State &state)
{
    const QString doc = mixedCard(0);
    const QString out = folder().filePath(QStringLiteral("peak-empty.png"));
    std::vector<double> peaks;
    for (auto _ : state) {
        peaks.push_back(childPeakMiB({QStringLiteral("--export-png"), out, doc}));
        if (peaks.back() < 0)
            state.SkipWithError("export failed");
    }
    state.counters["peak_MiB"] = median(peaks);
}

BENCHMARK(BM_PngEncode600)->Arg(-1)->Arg(30)->Arg(50)->Arg(70)->Arg(90)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndExport)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_OpenInWindow)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_PhotoExport)
    ->Arg(127)
    ->Arg(600)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_PlainQtPhotoCard)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_PhotoExportPeakMemory)->Arg(127)->Arg(600)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmptyCardPeakMemory)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (const std::optional<int> probe = RunChildProbe(argc, argv))
        return *probe;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // --write-cards FOLDER: writes the measured documents there (photo.zrd, mixed10000.zrd) for a
    // profiler or a memory tool to run the program on, and stops.
    if (argc == 3 && qstrcmp(argv[1], "--write-cards") == 0) {
        const QString target = QString::fromLocal8Bit(argv[2]);
        return QFile::copy(photoCard(), target + QStringLiteral("/photo.zrd")) &&
                       QFile::copy(mixedCard(10000), target + QStringLiteral("/mixed10000.zrd"))
                   ? 0
                   : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
