// From nothing to the first painted main window, beside a bare Qt main window of about the same make
// (menus, a tool bar, a scrolled client, a status bar) built and painted in the same run; offscreen.
// Each round builds a new window, so what Qt does once per process (loading libraries, fonts, styles)
// is left out.
// Figure to compare: MainWindowToFirstPaint at most about 1.4 x BareQtMainWindowToFirstPaint.
#include "app/unit3.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <benchmark/benchmark.h>

namespace {

// Waits until `window` has been painted once.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget &window) { window.installEventFilter(this); }
    void wait()
    {
        while (!painted_)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted_ = true;
        return false;
    }

private:
    bool painted_ = false;
};

void BM_MainWindowToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        TForm3 form;
        form.StartupPending = false; // the start-up wizard is a dialog of its own, not the window
        FirstPaint painted(form);
        form.show();
        painted.wait();
    }
}

void BM_BareQtMainWindowToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        for (const char *title : {"File", "Edit", "Object", "Layout", "Help"}) {
            QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
            for (int i = 0; i < 8; ++i)
                menu->addAction(QStringLiteral("Command %1").arg(i));
        }
        QToolBar *tools = window.addToolBar(QStringLiteral("Tools"));
        for (int i = 0; i < 20; ++i)
            tools->addAction(QStringLiteral("T%1").arg(i));
        auto *client = new QScrollArea;
        auto *card = new QWidget;
        card->setFixedSize(475, 295);
        client->setWidget(card);
        window.setCentralWidget(client);
        window.statusBar()->showMessage(QStringLiteral("Ready"));
        window.resize(579, 432);
        FirstPaint painted(window);
        window.show();
        painted.wait();
    }
}

BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_BareQtMainWindowToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
