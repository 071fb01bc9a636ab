// Where the program finds and rewrites its own files.
#pragma once

#include "platform/file_io.h" // WriteFileAtomically, ReadWholeFile

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
