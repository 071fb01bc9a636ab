// Printing a ten-up sheet into a PDF, the card on a 12-megapixel JPEG background with a few labels,
// beside one full decode of that JPEG: in this process, and as the `velmora --print-pdf` process with
// its peak memory (measured by a probe process, see child_run.h). The PDF carries the JPEG file as it
// is, so targets: the print takes less than one decode, the PDF is at most the JPEG file plus 100 kB
// (counter pdf_over_jpeg_kB), and the process's peak stays under 60 MiB.
#include "app/print_pdf.h"
#include "app/unit3.h"
#include "child_run.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "document/zrd_format.h"
#include "jpeg/jpeg_image.h"
#include "photo_jpeg.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

struct Sheet
{
    QTemporaryDir dir;
    QString document = dir.filePath(QStringLiteral("photo card.zrd"));
    QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QByteArray jpeg = photoJpeg();

    Sheet()
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        form.BackgroundPicture->Picture().ReadData(QByteArray("\x0aTJPEGImage") +
                                                   ZrdInt32(qint32(jpeg.size())) + jpeg);
        form.BackgroundPicture->SetVisible(true);
        const QStringList texts = {QStringLiteral("株式会社ヴェルモラ"), QStringLiteral("山田 太郎"),
                                   QStringLiteral("Taro Yamada"), QStringLiteral("TEL 03-1234-5678")};
        for (int i = 0; i < texts.size(); ++i) {
            auto *label = new TLabelEx(form.DrawPanel);
            label->SetTransparent(true);
            label->Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
            label->Font().SetSize(i == 1 ? 20 : 10);
            label->SetGap(i == 1 ? 4 : 0);
            label->SetCaption(texts[i]);
            label->SetAutoSize(true);
            label->SetLeft(30);
            label->SetTop(40 + 50 * i);
            form.AttachCardObject(label);
        }
        form.SaveDocument(document);
    }
};

Sheet &sheet()
{
    static Sheet s;
    return s;
}

void BM_FullDecodeOfTheBackground(benchmark::State &state)
{
    for (auto _ : state) {
        TJPEGImage picture; // a fresh picture each time: it keeps what it decoded
        picture.LoadFromBytes(sheet().jpeg);
        benchmark::DoNotOptimize(picture.ToImage().constBits());
    }
    state.counters["file_MB"] = double(sheet().jpeg.size()) / 1e6;
}

// Loading the document and printing the sheet, as the batch mode does, in this process.
void BM_PrintPdfSheet(benchmark::State &state)
{
    for (auto _ : state)
        if (PrintPdf(sheet().document, sheet().pdf) != 0)
            state.SkipWithError("--print-pdf failed");
    state.counters["pdf_MB"] = double(QFileInfo(sheet().pdf).size()) / 1e6;
    state.counters["pdf_over_jpeg_kB"] = double(QFileInfo(sheet().pdf).size() - sheet().jpeg.size()) / 1e3;
}

// The whole `velmora --print-pdf` process: its wall time and its peak resident memory.
void BM_PrintPdfProcess(benchmark::State &state)
{
    double peakMiB = 0;
    for (auto _ : state) {
        const ChildRun run =
            RunChild(VelmoraProgram(), {QStringLiteral("--print-pdf"), sheet().pdf, sheet().document});
        if (run.status != 0) {
            state.SkipWithError("velmora --print-pdf failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        peakMiB = std::max(peakMiB, run.peakMiB);
    }
    state.counters["peak_MiB"] = peakMiB;
    state.counters["pdf_MB"] = double(QFileInfo(sheet().pdf).size()) / 1e6;
}

BENCHMARK(BM_FullDecodeOfTheBackground)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintPdfSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintPdfProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (const std::optional<int> probe = RunChildProbe(argc, argv))
        return *probe;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sheet(); // built before timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
