// Where the program finds and rewrites its own files, and the one safe way it rewrites them.
#pragma once

#include <QByteArray>
#include <QString>

// The two folders a rewritten file can live in, each ending with '/'.
struct DataLocations
{
    QString appDir;              // beside the executable
    QString configDir;           // the per-user configuration folder
    bool appDirReadOnly = false; // the installed data folder: never written, even by root
};

// ApplicationDirectory() and QStandardPaths::AppConfigLocation.
DataLocations DefaultDataLocations();

// Where `fileName` is written: beside the executable when that folder is writable and not the installed
// data folder, otherwise in the per-user configuration folder.
QString WritableDataPath(const QString &fileName, const DataLocations &where = DefaultDataLocations());

// Where `fileName` is read: the place it is written to when a file is there already, otherwise beside
// the executable (a file that came with the program but could never be rewritten in place).
QString ReadableDataPath(const QString &fileName, const DataLocations &where = DefaultDataLocations());

// Writes `bytes` to a temporary file in the target's folder and renames it over `path`, so a failed or
// interrupted write leaves the previous file whole. Creates the folder when needed. On failure returns
// false and, if `error` is given, says why.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The whole file; throws EFileError when it cannot be opened or read.
QByteArray ReadWholeFile(const QString &path);
