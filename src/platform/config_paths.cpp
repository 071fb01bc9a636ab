// Where the program finds and rewrites its own files.
#include "platform/config_paths.h"

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/strings.h"

#include <QFileInfo>
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
