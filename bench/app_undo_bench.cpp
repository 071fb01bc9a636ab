// Undo on a card of 500 objects with a 12-megapixel JPEG background: the time a step adds to a
// change, the time of one undo, and the memory a history of 200 steps holds.
#include "app/unit3.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/zrd_format.h"
#include "mixed_card.h"
#include "photo_jpeg.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Resident set size in KiB, and its peak.
long statusKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field)));
    return -1;
}

double ms(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Moves the object by one pixel as a drag of it does; `record` says whether the change is recorded.
void nudge(TForm3 &form, int i, bool record)
{
    auto *object = static_cast<TGraphicControl *>(form.ObjectList[i % form.ObjectList.size()]);
    object->SetLeft((object->Left() + 1) % 400);
    if (record) {
        form.NoteModified();
        form.FlushUndoStep();
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.zrd"));
    const QByteArray jpeg = photoJpeg();
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        SetJpegBackground(form, jpeg);
        AddMixedObjects(form, 500);
        form.SaveDocument(path);
    }

    TForm3 form;
    form.LoadDocument(path);
    QImage target(455, 275, QImage::Format_RGB32);
    {
        QPainter painter(&target);
        form.DrawPanel->render(&painter); // the photo decoded once, as the worksheet shows it
    }
    const long cardKiB = statusKiB("VmRSS:");
    // The peak from here on: building the card (the photo's pixels) lies above what undo needs.
    std::ofstream("/proc/self/clear_refs") << "5";

    // A change alone, then a change with its step, alternating so both see the same card.
    std::vector<double> plain, recorded;
    for (int i = 0; i < 200; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        nudge(form, i, false);
        form.NoteModified();
        auto t1 = std::chrono::steady_clock::now();
        plain.push_back(ms(t1 - t0));
        t0 = std::chrono::steady_clock::now();
        nudge(form, i + 1, true);
        t1 = std::chrono::steady_clock::now();
        recorded.push_back(ms(t1 - t0));
    }
    const long historyKiB = statusKiB("VmRSS:");
    const long peakKiB = statusKiB("VmHWM:");

    std::vector<double> undo, undoAndPaint;
    for (int i = 0; i < 30; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        form.EditUndoClick();
        auto t1 = std::chrono::steady_clock::now();
        QPainter painter(&target);
        form.DrawPanel->render(&painter);
        auto t2 = std::chrono::steady_clock::now();
        undo.push_back(ms(t1 - t0));
        undoAndPaint.push_back(ms(t2 - t0));
    }

    std::printf("card: 500 objects, JPEG background %lld bytes (4000 x 3000)\n", qlonglong(jpeg.size()));
    std::printf("history: %zu steps\n", form.History().UndoCount() + form.History().RedoCount());
    std::printf("step added to a change (median of 200): %.2f ms (change alone %.3f ms)\n",
                median(recorded) - median(plain), median(plain));
    std::printf("undo (median of 30): %.2f ms; undo and repainting the worksheet: %.2f ms\n", median(undo),
                median(undoAndPaint));
    std::printf("memory: card %.1f MiB resident; 200-step history adds %.1f MiB (resident after minus "
                "card), peak minus card %.1f MiB\n",
                cardKiB / 1024.0, (historyKiB - cardKiB) / 1024.0, (peakKiB - cardKiB) / 1024.0);
    const bool ok = median(recorded) - median(plain) <= 5.0 && median(undo) <= 50.0 &&
                    (peakKiB - cardKiB) / 1024.0 <= 20.0;
    std::printf("targets (step <= 5 ms, undo <= 50 ms, history <= 20 MiB): %s\n", ok ? "met" : "NOT met");
    return 0;
}
