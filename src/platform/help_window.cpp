// The in-app help window.
#include "platform/help_window.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

void ShowHelpWindow(const QString &helpFile, const QString &topic)
{
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser;
        window->setAttribute(Qt::WA_DeleteOnClose);
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
