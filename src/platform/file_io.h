// Reading a file that is looked at before it is read, and the one safe way files are rewritten.
#pragma once

#include "platform/memory_budget.h"

#include <QByteArray>
#include <QString>
#include <functional>

// A regular file opened for reading. Opening never blocks (a FIFO, a device or a folder is refused at
// once, as a file that cannot be opened), and a file larger than the limit is refused with its own
// message before anything is read. Throws EFileError.
class FileReader
{
public:
    FileReader(const QString &path, qint64 maxBytes);
    ~FileReader();
    FileReader(const FileReader &) = delete;
    FileReader &operator=(const FileReader &) = delete;

    qint64 Size() const { return size_; }
    // The next `count` bytes, fewer only where the file ends; never more than Size() in all.
    QByteArray Read(qint64 count);
    // The same, appended to `bytes` (no second copy of a large file).
    void ReadAppend(QByteArray &bytes, qint64 count);
    void ReadRestAppend(QByteArray &bytes) { ReadAppend(bytes, size_ - position_); }

private:
    QString path_;
    int fd_ = -1;
    qint64 size_ = 0;
    qint64 position_ = 0;
};

// The system's text for an errno value, as file messages give it for their cause.
QString SystemErrorText(int code);

// The whole file (a regular file of at most `maxBytes`); throws EFileError.
QByteArray ReadWholeFile(const QString &path, qint64 maxBytes = MaxDocumentFileBytes);

// Writes `bytes` to a temporary file in the target's folder, syncs it, renames it over `path` and syncs
// the folder, so a failed or interrupted write leaves the previous file whole. Creates the folder when
// needed. On failure returns false and, if `error` is given, says why; when the data could not be
// synced the previous file is still there.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The same for content that is made while it is written, so that a large file is never held whole:
// `content` hands its bytes to the sink piece by piece. The sink returns false once a write has failed
// (the rest is then dropped and the call fails); an exception from `content` removes the temporary
// file and passes on.
using FileChunkSink = std::function<bool(const char *data, qint64 size)>;
bool WriteFileAtomically(const QString &path, const std::function<void(const FileChunkSink &)> &content,
                         QString *error = nullptr);

// The call that syncs a written file and then its folder (fdatasync); tests put in one that fails.
// Returns the call it replaces.
using FileSyncCall = int (*)(int fd);
FileSyncCall SetFileSyncCall(FileSyncCall call);
