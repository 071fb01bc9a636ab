// The application object and the default exception handler.
#include "platform/application.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

TApplication::TApplication() : modal_(std::make_unique<QtModalSeam>()) {}

TApplication &Application()
{
    static TApplication app;
    return app;
}

std::unique_ptr<ModalSeam> TApplication::SetModal(std::unique_ptr<ModalSeam> seam)
{
    std::swap(seam, modal_);
    return seam;
}

int TApplication::MessageBox(const QString &text, const QString &caption, int buttons)
{
    return modal_->messageBox(text, caption, buttons);
}

void TApplication::ShowException(const std::exception &error)
{
    QString text;
    if (auto *own = dynamic_cast<const VelmoraError *>(&error))
        text = own->message();
    else
        text = QString::fromLocal8Bit(error.what());
    if (!text.isEmpty() && !text.endsWith(u'.') && !text.endsWith(u'。'))
        text += u'.';
    modal_->messageBox(text, Title, MB_OK);
}

void TApplication::HelpJump(const QString &topic)
{
    modal_->showHelp(HelpFile, topic);
}

namespace {

QString withSlash(const QString &dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

// The data folder as the build installs it, relative to the executable's folder.
QString installedDataDirectory()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" VELMORA_DATA_FROM_BIN)) +
           u'/';
}

} // namespace

QString ProgramDataFolder(const QString &executableDir, const QString &installedDataDir)
{
    // The maker's preset file stands for the whole set: the build copies them all together.
    const QString marker = QStringLiteral("msetpage.txt");
    if (QFileInfo::exists(executableDir + marker) || !QFileInfo::exists(installedDataDir + marker))
        return executableDir;
    return installedDataDir;
}

QString ApplicationDirectory()
{
    return ProgramDataFolder(withSlash(QCoreApplication::applicationDirPath()), installedDataDirectory());
}

bool DataFolderIsInstalled()
{
    return ApplicationDirectory() != withSlash(QCoreApplication::applicationDirPath());
}

QString UserDocumentsDirectory()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        Application().ShowException(error);
        return true;
    }
}
