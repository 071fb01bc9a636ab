// Where the program finds and rewrites its own files.
#include "platform/config_paths.h"

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
QString withSlash(QString dir)
{
    return dir.isEmpty() || dir.endsWith(u'/') ? dir : dir + u'/';
}
} // namespace

DataLocations DefaultDataLocations()
{
    return {ApplicationDirectory(),
            withSlash(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)),
            DataFolderIsInstalled()};
}

QString WritableDataPath(const QString &fileName, const DataLocations &where)
{
    const QFileInfo dir(where.appDir);
    if (where.configDir.isEmpty() || (!where.appDirReadOnly && dir.isDir() && dir.isWritable()))
        return where.appDir + fileName;
    return where.configDir + fileName;
}

QString ReadableDataPath(const QString &fileName, const DataLocations &where)
{
    const QString written = WritableDataPath(fileName, where);
    if (QFileInfo::exists(written))
        return written;
    return where.appDir + fileName;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(LoadStr(Str::FolderCreateError).arg(folder));
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) shows in write()'s count: a
    // buffered QSaveFile can commit a cut-off file without noticing.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(LoadStr(Str::FileCreateError).arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(LoadStr(Str::FileWriteError).arg(path, why));
    }
    if (!file.commit())
        return fail(LoadStr(Str::FileWriteError).arg(path, file.errorString()));
    return true;
}

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError(LoadStr(Str::FileOpenError).arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFileError(LoadStr(Str::FileReadError).arg(path, file.errorString()));
    return bytes;
}
