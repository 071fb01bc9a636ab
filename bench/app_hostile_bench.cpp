// Whole-process cost of exporting hostile documents of a few bytes or kilobytes, beside an ordinary
// card: peak memory (measured by a probe process, see child_run.h) and wall time of `velmora --export-png`.
// Target for each: under 300 MB and 5 s; a run beyond it is reported as an error.
#include "app/unit3.h"
#include "child_run.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/streamable.h"
#include "document/zrd_format.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr double kPeakTargetMb = 300;
constexpr double kSecondsTarget = 5;

QByteArray encodedJpeg(int width, int height, QColor colour)
{
    QImage photo(width, height, QImage::Format_RGB32);
    photo.fill(colour);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPG");
    return jpeg;
}

QByteArray jpegClaiming(int width, int height)
{
    QByteArray jpeg = encodedJpeg(16, 16, Qt::gray);
    const int sof = int(jpeg.indexOf(QByteArray("\xFF\xC0", 2)));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

QByteArray storedJpeg(const QByteArray &jpeg)
{
    return QByteArray("\x0aTJPEGImage") + ZrdInt32(qint32(jpeg.size())) + jpeg;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

struct Documents
{
    QTemporaryDir dir;
    QString ordinary, eightClaims, hugeCard, hugeCardWithClaim, zeros;
    Documents()
    {
        ordinary = dir.filePath(QStringLiteral("ordinary.zrd"));
        {
            TForm3 form;
            form.RebuildWorkSheet(455, 275);
            for (int i = 0; i < 20; ++i) {
                auto *shape = new TQVShape(form.DrawPanel);
                shape->SetLeft(10 + 20 * i);
                shape->SetTop(20);
                shape->SetWidth(15);
                shape->SetHeight(40);
                form.AttachCardObject(shape);
                auto *label = new TLabelEx(form.DrawPanel);
                label->SetCaption(QStringLiteral("名刺 %1").arg(i));
                label->SetBounds(10 + 20 * i, 100, 60, 16);
                form.AttachCardObject(label);
            }
            form.BackgroundPicture->Picture().ReadData(storedJpeg(encodedJpeg(800, 600, Qt::darkCyan)));
            form.SaveDocument(ordinary);
        }
        // Eight pictures of about a kilobyte, each claiming 65500 x 65500.
        eightClaims = dir.filePath(QStringLiteral("eight_claims.zrd"));
        {
            TForm3 form;
            form.RebuildWorkSheet(455, 275);
            for (int i = 0; i < 8; ++i) {
                auto *picture = new TImage(form.DrawPanel);
                picture->Picture().ReadData(storedJpeg(jpegClaiming(65500, 65500)));
                picture->SetStretch(true);
                picture->SetBounds(10 + 50 * i, 10, 40, 40);
                form.AttachCardObject(picture);
            }
            form.SaveDocument(eightClaims);
        }
        // 28 bytes: a 20000 x 20000-pixel card header and the version record.
        ZrdDocument card;
        card.header = {4000, 4000, 20000, 20000};
        card.records.push_back({ZrdTag::Version, QByteArray("2.0j\0\0\0\0", 8)});
        hugeCard = dir.filePath(QStringLiteral("huge_card.zrd"));
        writeFile(hugeCard, SerializeZrd(card));
        // The same card holding a picture that claims 16384 x 16384.
        {
            TImage picture;
            picture.Picture().ReadData(storedJpeg(jpegClaiming(16384, 16384)));
            picture.SetStretch(true);
            picture.SetBounds(0, 0, 20000, 20000);
            card.records.push_back({ZrdTag::Picture, WriteComponent(picture)});
        }
        hugeCardWithClaim = dir.filePath(QStringLiteral("huge_card_claim.zrd"));
        writeFile(hugeCardWithClaim, SerializeZrd(card));
        // A gigabyte of zeros (sparse).
        zeros = dir.filePath(QStringLiteral("zeros.zrd"));
        writeFile(zeros, {});
        if (::truncate(QFile::encodeName(zeros).constData(), 1LL << 30) != 0)
            zeros.clear();
    }
};

Documents &documents()
{
    static Documents d;
    return d;
}

// One `velmora --export-png` of `document` in a child process.
ChildRun exportPng(const QString &document)
{
    return RunChild(VelmoraProgram(), {QStringLiteral("--export-png"),
                                       documents().dir.filePath(QStringLiteral("out.png")), document});
}

void measure(benchmark::State &state, const QString &document)
{
    if (document.isEmpty()) {
        state.SkipWithError("document not made");
        return;
    }
    ChildRun worst;
    for (auto _ : state) {
        const ChildRun run = exportPng(document);
        worst.peakMiB = std::max(worst.peakMiB, run.peakMiB);
        worst.seconds = std::max(worst.seconds, run.seconds);
        worst.status = run.status;
    }
    state.counters["peak_MiB"] = worst.peakMiB;
    state.counters["seconds"] = worst.seconds;
    state.counters["exit"] = worst.status;
    state.counters["file_bytes"] = double(QFileInfo(document).size());
    if (worst.peakMiB > kPeakTargetMb || worst.seconds > kSecondsTarget)
        state.SkipWithError("beyond the target of 300 MB and 5 s");
}

void BM_ExportOrdinaryCard(benchmark::State &state)
{
    measure(state, documents().ordinary);
}
void BM_ExportEightHugePictureClaims(benchmark::State &state)
{
    measure(state, documents().eightClaims);
}
void BM_ExportHugeCardOf28Bytes(benchmark::State &state)
{
    measure(state, documents().hugeCard);
}
void BM_ExportHugeCardWithAHugeClaim(benchmark::State &state)
{
    measure(state, documents().hugeCardWithClaim);
}
void BM_ExportAGigabyteOfZeros(benchmark::State &state)
{
    measure(state, documents().zeros);
}

BENCHMARK(BM_ExportOrdinaryCard)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportEightHugePictureClaims)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHugeCardOf28Bytes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHugeCardWithAHugeClaim)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportAGigabyteOfZeros)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (const std::optional<int> probe = RunChildProbe(argc, argv))
        return *probe;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    documents(); // made before timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
