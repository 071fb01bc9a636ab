// The in-app help window.
#include "platform/help_window.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QPointer<QTextBrowser> &helpWindow()
{
    static QPointer<QTextBrowser> window;
    return window;
}

} // namespace

void ShowHelpWindow(const QString &helpFile, const QString &topic)
{
    QPointer<QTextBrowser> &window = helpWindow();
    if (!window) {
        window = new QTextBrowser;
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The help window never keeps the program running once the main window has closed.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->setOpenExternalLinks(true);
        window->resize(560, 480);
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
