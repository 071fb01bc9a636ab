// TForm3: the window settings file read at construction and written when the window closes.
#include "app/unit3.h"

#include "platform/application.h"
#include "platform/errors.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

void TForm3::ReadWindowSettings()
{
    const QString path = WindowSettingsReadPath();
    if (!QFile::exists(path)) {
        WindowSettings = {}; // the window keeps its designed place and size
        rememberNormalGeometry();
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
