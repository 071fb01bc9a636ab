// Dragging one object across a card of 500 mixed objects, with and without snapping: the time of each
// mouse-move event together with the repaint it causes (median and 95th percentile per event, and the
// median of the events that did repaint).
#include "controls/LabelEx.h"
#include "controls/graphic_classes.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/unit2.h"
#include "jpeg/jpeg_image.h"
#include "platform/graphics.h"
#include "platform/picture.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QImage picturePixels(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(seed * 37 % 360, 120, 230));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor::fromHsv(seed * 53 % 360, 200, 160));
    p.drawEllipse(QRect(w / 6, h / 6, w * 2 / 3, h * 2 / 3));
    return image;
}

std::unique_ptr<TGraphic> jpegPicture(int w, int h, int seed)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picturePixels(w, h, seed).save(&buffer, "JPG", 85);
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->LoadFromBytes(bytes);
    return jpeg;
}

// 500 objects: shapes of every kind and pen, labels (Latin and Japanese, some spaced), bitmap and JPEG
// pictures, spread over the card at random.
void fillCard(TForm2 &form)
{
    QRandomGenerator random(2024);
    const QString texts[] = {QStringLiteral("株式会社ヴェルモラ"), QStringLiteral("営業部 部長"),
                             QStringLiteral("TEL 03-1234-5678"), QStringLiteral("info@velmora.example"),
                             QStringLiteral("名刺デザイン")};
    for (int i = 0; i < 500; ++i) {
        const int x = int(random.bounded(420)), y = int(random.bounded(250));
        switch (i % 5) {
        case 0:
        case 1: {
            auto *shape = new TQVShape(form.DrawPanel);
            shape->SetShape(TQVShapeType(std::array{0, 1, 4, 5, 6, 7}[i % 6]));
            shape->Pen().SetWidth(i % 4);
            shape->Pen().SetColor(TColor(random.bounded(0x1000000)));
            shape->Brush().SetStyle(i % 3 == 0 ? bsSolid : bsClear);
            shape->Brush().SetColor(TColor(random.bounded(0x1000000)));
            shape->SetLeft(x);
            shape->SetTop(y);
            shape->SetWidth(10 + int(random.bounded(80)));
            shape->SetHeight(10 + int(random.bounded(50)));
            form.AttachCardObject(shape);
            break;
        }
        case 2:
        case 3: {
            auto *label = new TLabelEx(form.DrawPanel);
            label->SetTransparent(true);
            label->Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
            label->Font().SetSize(8 + i % 12);
            label->SetGap(i % 3);
            label->SetLeft(x);
            label->SetTop(y);
            label->SetCaption(texts[i % 5]);
            label->AdjustBounds();
            label->SetAutoSize(false);
            form.AttachCardObject(label);
            break;
        }
        default: {
            auto *picture = new TImage(form.DrawPanel);
            const int w = 30 + int(random.bounded(60)), h = 20 + int(random.bounded(40));
            if (i % 2 == 0) {
                auto bitmap = std::make_unique<TBitmap>();
                bitmap->SetImage(picturePixels(w * 2, h * 2, i));
                picture->Picture().SetGraphic(std::move(bitmap));
            } else {
                picture->Picture().SetGraphic(jpegPicture(w * 2, h * 2, i));
            }
            picture->SetStretch(true);
            picture->SetBounds(x, y, w, h);
            form.AttachCardObject(picture);
            break;
        }
        }
    }
}

void sendMouse(QWidget *target, QEvent::Type type, QPoint panelPoint, QWidget *panel, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPoint local = target->mapFrom(panel, panelPoint);
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Arg 0: snapping off (0) or on (1). Arg 1: the dragged object is a shape (0), a label (1) or a
// picture (2).
void BM_DragAcrossBusyCard(benchmark::State &state)
{
    TForm2 form;
    form.resize(720, 540);
    form.show();
    form.RebuildWorkSheet(455, 275);
    fillCard(form);
    form.SnapToGrid = state.range(0) != 0;
    TGraphicControl *dragged = nullptr;
    switch (state.range(1)) {
    case 0: {
        auto *shape = new TQVShape(form.DrawPanel);
        shape->Pen().SetWidth(2);
        shape->Brush().SetColor(0x00A0FF);
        shape->SetLeft(20);
        shape->SetTop(100);
        shape->SetWidth(60);
        shape->SetHeight(40);
        dragged = shape;
        break;
    }
    case 1: {
        auto *label = new TLabelEx(form.DrawPanel);
        label->SetTransparent(true);
        label->Font().SetSize(16);
        label->SetCaption(QStringLiteral("ドラッグ Drag"));
        label->SetLeft(20);
        label->SetTop(100);
        dragged = label;
        break;
    }
    default: {
        auto *picture = new TImage(form.DrawPanel);
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetImage(picturePixels(240, 160, 7));
        picture->Picture().SetGraphic(std::move(bitmap));
        picture->SetStretch(true);
        picture->SetBounds(20, 100, 60, 40);
        dragged = picture;
        break;
    }
    }
    form.AttachCardObject(dragged);
    QCoreApplication::processEvents();

    PaintCounter counter;
    form.DrawPanel->installEventFilter(&counter);
    QWidget *panel = form.DrawPanel;
    QPoint pointer(dragged->Left() + 5, dragged->Top() + 5);
    sendMouse(dragged, QEvent::MouseButtonPress, pointer, panel, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();

    std::vector<double> perEvent, perRepaint;
    int step = 3;
    for (auto _ : state) {
        // Back and forth across the card, drifting down and up a little.
        if (pointer.x() + step > 430 || pointer.x() + step < 10)
            step = -step;
        pointer += QPoint(step, (pointer.x() / 40) % 2 == 0 ? 1 : -1);
        const int paintsBefore = counter.paints;
        const auto start = std::chrono::steady_clock::now();
        sendMouse(dragged, QEvent::MouseMove, pointer, panel, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the repaint the move asked for
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        perEvent.push_back(took.count());
        if (counter.paints != paintsBefore)
            perRepaint.push_back(took.count());
        state.SetIterationTime(took.count());
    }
    sendMouse(dragged, QEvent::MouseButtonRelease, pointer, panel, Qt::LeftButton, Qt::NoButton);

    const auto percentile = [](std::vector<double> &v, int p) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() * p / 100] * 1e3;
    };
    state.counters["median_ms"] = percentile(perEvent, 50);
    state.counters["p95_ms"] = percentile(perEvent, 95);
    // With snapping most moves leave the object where it is; these are the ones that moved it.
    state.counters["median_repainting_ms"] = percentile(perRepaint, 50);
    state.counters["paints_per_move"] = double(counter.paints) / double(perEvent.size());
    state.counters["objects"] = double(form.ObjectList.size());
}

} // namespace

BENCHMARK(BM_DragAcrossBusyCard)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"snap", "kind"})
    ->Iterations(1500)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    RegisterGraphicClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
