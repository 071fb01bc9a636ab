// The in-app help window.
#include "platform/help_window.h"

#include "platform/config_paths.h"
#include "platform/modal.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int Gap = 8;
constexpr int MinReadableWidth = 400;

// Keeps its place for next time when it is closed.
class HelpBrowser : public QTextBrowser
{
protected:
    void closeEvent(QCloseEvent *event) override
    {
        WriteHelpWindowGeometry(HelpWindowSettingsPath(), geometry());
        QTextBrowser::closeEvent(event);
    }
};

QPointer<QTextBrowser> &helpWindow()
{
    static QPointer<QTextBrowser> window;
    return window;
}

bool onSomeScreen(const QRect &geometry)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(geometry);
        if (seen.width() >= 100 && seen.height() >= 50)
            return true;
    }
    return false;
}

void place(QWidget *window)
{
    const std::optional<QRect> stored = ReadHelpWindowGeometry(HelpWindowSettingsPath());
    if (stored && stored->isValid() && onSomeScreen(*stored)) {
        window->setGeometry(*stored);
        return;
    }
    const QWidget *owner = DialogOwner();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect main = owner ? owner->frameGeometry() : QRect(free.topLeft(), QSize(0, free.height() / 2));
    const QRect frame = HelpWindowPlace(main, free, HelpWindowSize(main.height(), free));
    // The place is the frame's; the help window's own frame is not there before it is shown, and the
    // main window's is the best guess of it.
    const QPoint inset = owner ? owner->geometry().topLeft() - owner->frameGeometry().topLeft() : QPoint();
    const QSize border = owner ? owner->frameGeometry().size() - owner->size() : QSize();
    window->setGeometry(QRect(frame.topLeft() + inset, frame.size() - border));
}

} // namespace

QSize HelpWindowSize(int mainHeight, const QRect &screen)
{
    // About seventy characters of help text a line, and at least as tall as the main window.
    return QSize(620, std::max(520, mainHeight)).boundedTo(screen.size());
}

QRect HelpWindowPlace(const QRect &main, const QRect &screen, QSize size)
{
    size = size.boundedTo(screen.size());
    const int rightRoom = screen.right() - main.right() - Gap;
    const int leftRoom = main.left() - Gap - screen.left();
    int x;
    if (size.width() <= rightRoom) {
        x = main.right() + 1 + Gap;
    } else if (size.width() <= leftRoom) {
        x = main.left() - Gap - size.width();
    } else if (std::max(rightRoom, leftRoom) >= MinReadableWidth) {
        // Narrower, but still beside the main window rather than over the card.
        size.setWidth(std::max(rightRoom, leftRoom));
        x = rightRoom >= leftRoom ? main.right() + 1 + Gap : screen.left();
    } else {
        x = screen.right() + 1 - size.width();
    }
    const int y = std::clamp(main.top(), screen.top(), screen.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

QString HelpWindowSettingsPath()
{
    return DefaultDataLocations().configDir + QStringLiteral("help_window.ini");
}

std::optional<QRect> ReadHelpWindowGeometry(const QString &path)
{
    if (!QFile::exists(path))
        return std::nullopt;
    const QSettings settings(path, QSettings::IniFormat);
    const QRect geometry = settings.value(QStringLiteral("HelpWindow/Geometry")).toRect();
    if (!geometry.isValid())
        return std::nullopt;
    return geometry;
}

void WriteHelpWindowGeometry(const QString &path, const QRect &geometry)
{
    // Losing the help window's place is no reason to trouble the user: QSettings fails quietly.
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("HelpWindow/Geometry"), geometry);
}

void ShowHelpWindow(const QString &helpFile, const QString &topic)
{
    QPointer<QTextBrowser> &window = helpWindow();
    if (!window) {
        window = new HelpBrowser;
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The help window never keeps the program running once the main window has closed.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->setOpenExternalLinks(true);
        place(window);
    }
    window->setWindowTitle(QFile::exists(helpFile) ? QStringLiteral("ヘルプ") : helpFile);
    if (QFile::exists(helpFile)) {
        QFile file(helpFile);
        if (file.open(QIODevice::ReadOnly))
            window->setHtml(QString::fromUtf8(file.readAll()));
        window->scrollToAnchor(topic);
    } else {
        window->setPlainText(QStringLiteral("ヘルプファイルが見つかりません: %1").arg(helpFile));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void CloseHelpWindow()
{
    if (QPointer<QTextBrowser> &window = helpWindow())
        window->close();
}
