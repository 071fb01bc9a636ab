// TForm3: the window settings file read at construction and written when the window closes.
#include "app/unit3.h"

#include "platform/application.h"
#include "platform/errors.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

void TForm3::ReadWindowSettings()
{
    const QString path = WindowSettingsReadPath();
    if (!QFile::exists(path)) {
        WindowSettings = {};
        placeForFirstStart();
        return;
    }
    WindowSettings = ReadWindowSettingsFile(path);
    const QRect r =
        FitWindowOnScreen(WindowSettings.MainLeft, WindowSettings.MainTop, WindowSettings.MainWidth,
                          WindowSettings.MainHeight, availableScreenArea(), smallestWindowSize(*this));
    move(r.topLeft());
    resize(r.size());
    rememberNormalGeometry();
}

QSize TForm3::SizeShowingCard(QSize card) const
{
    // The worksheet stands 10 pixels inside the scroll box on every side.
    const int frame = 2 * ScrollBox0->frameWidth();
    const QSize box(card.width() + 20 + frame, card.height() + 20 + frame);
    return {ToolBox->minimumWidth() + box.width(),
            menuBar()->sizeHint().height() + FontPanel->minimumHeight() + box.height() +
                ColorPanel->minimumHeight() + StatusBar1->minimumHeight()};
}

void TForm3::placeForFirstStart()
{
    // Large enough for the default card and every panel, centred on the screen; a settings file,
    // once written, decides from then on.
    QSize wanted =
        size().expandedTo(SizeShowingCard({CardSize{}.WorkSheetWidthPx, CardSize{}.WorkSheetHeightPx}));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        wanted = wanted.boundedTo(free.size());
        resize(wanted);
        move(CenteredOn(free, wanted));
    } else {
        resize(wanted);
    }
    rememberNormalGeometry();
}

QRect TForm3::availableScreenArea() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 640, 480);
}

QSize TForm3::smallestWindowSize(const QWidget &window)
{
    // Small enough for any screen, large enough that a window can still be seen and taken hold of.
    return window.minimumSize().expandedTo(window.minimumSizeHint()).expandedTo(QSize(200, 120));
}

void TForm3::placeDialog(QWidget &dialog, int left, int top) const
{
    dialog.move(FitWindowOnScreen(left, top, dialog.width(), dialog.height(), availableScreenArea(),
                                  smallestWindowSize(dialog))
                    .topLeft());
}

void TForm3::WriteWindowSettings()
{
    if (!WindowSettings.MainMaximized) {
        const QRect r = isMaximized() || isMinimized() ? normalGeometry_ : QRect(pos(), size());
        WindowSettings.MainTop = r.top();
        WindowSettings.MainLeft = r.left();
        WindowSettings.MainHeight = r.height();
        WindowSettings.MainWidth = r.width();
    }
    WriteWindowSettingsFile(WindowSettingsWritePath(), WindowSettings);
}

void TForm3::rememberNormalGeometry()
{
    if (!isMaximized() && !isMinimized() && !isFullScreen())
        normalGeometry_ = QRect(pos(), size());
}

void TForm3::moveEvent(QMoveEvent *event)
{
    TForm2::moveEvent(event);
    rememberNormalGeometry();
}

void TForm3::resizeEvent(QResizeEvent *event)
{
    TForm2::resizeEvent(event);
    rememberNormalGeometry();
}
