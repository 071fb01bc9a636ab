// TForm3: the window settings file read at construction and written when the window closes.
#include "app/unit3.h"

#include "platform/application.h"
#include "platform/errors.h"

#include <QCloseEvent>
#include <QFile>

void TForm3::ReadWindowSettings()
{
    const QString path = WindowSettingsReadPath();
    if (!QFile::exists(path)) {
        WindowSettings = {}; // the window keeps its designed place and size
        rememberNormalGeometry();
        return;
    }
    WindowSettings = ReadWindowSettingsFile(path);
    move(WindowSettings.MainLeft, WindowSettings.MainTop);
    resize(WindowSettings.MainWidth, WindowSettings.MainHeight);
    rememberNormalGeometry();
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
