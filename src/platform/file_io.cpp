// Reading a file that is looked at before it is read, and the one safe way files are rewritten.
#include "platform/file_io.h"

#include "platform/errors.h"
#include "platform/strings.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString SystemErrorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

namespace {

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

[[noreturn]] void cannotOpen(const QString &path, const QString &why)
{
    throw EFileError(LoadStr(Str::FileOpenError).arg(path, why));
}

int defaultSync(int fd)
{
    return ::fdatasync(fd);
}

FileSyncCall syncCall = defaultSync;

} // namespace

// ---- reading

FileReader::FileReader(const QString &path, qint64 maxBytes) : path_(path)
{
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    fd_ = ::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0)
        cannotOpen(path, SystemErrorText(errno));
    struct stat info;
    if (::fstat(fd_, &info) != 0) {
        const int code = errno;
        ::close(fd_);
        cannotOpen(path, SystemErrorText(code));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd_);
        cannotOpen(path, LoadStr(Str::NotRegularFile));
    }
    size_ = info.st_size;
    if (size_ > maxBytes) {
        ::close(fd_);
        throw EFileError(
            LoadStr(Str::FileTooLarge)
                .arg(path)
                .arg(QString::number((size_ + (1 << 20) - 1) >> 20), QString::number(maxBytes >> 20)));
    }
}

FileReader::~FileReader()
{
    ::close(fd_);
}

QByteArray FileReader::Read(qint64 count)
{
    QByteArray bytes;
    ReadAppend(bytes, count);
    return bytes;
}

void FileReader::ReadAppend(QByteArray &bytes, qint64 count)
{
    count = qBound<qint64>(0, count, size_ - position_);
    const qsizetype start = bytes.size();
    bytes.resize(start + count);
    qint64 got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd_, bytes.data() + start + got, size_t(count - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EFileError(LoadStr(Str::FileReadError).arg(path_, SystemErrorText(errno)));
        if (n == 0)
            break; // the file became shorter since it was opened
        got += n;
    }
    position_ += got;
    bytes.truncate(start + got);
}

QByteArray ReadWholeFile(const QString &path, qint64 maxBytes)
{
    FileReader file(path, maxBytes);
    QByteArray bytes;
    file.ReadRestAppend(bytes);
    return bytes;
}

// ---- writing

FileSyncCall SetFileSyncCall(FileSyncCall call)
{
    FileSyncCall previous = syncCall;
    syncCall = call ? call : defaultSync;
    return previous;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    return WriteFileAtomically(
        path, [&bytes](const FileChunkSink &write) { write(bytes.constData(), bytes.size()); }, error);
}

bool WriteFileAtomically(const QString &path, const std::function<void(const FileChunkSink &)> &content,
                         QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return fail(LoadStr(Str::FolderCreateError).arg(folder));
    const QByteArray finalName = nativePath(target.absoluteFilePath());

    // The new file keeps the permissions of the one it replaces.
    struct stat old;
    const bool replacing = ::stat(finalName.constData(), &old) == 0 && S_ISREG(old.st_mode);
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        tempName =
            nativePath(folder + QStringLiteral("/.%1.%2.tmp")
                                    .arg(target.fileName())
                                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(LoadStr(Str::FileCreateError).arg(path, SystemErrorText(errno)));
    if (replacing)
        ::fchmod(fd, old.st_mode & 07777);

    const auto abandon = [&](const QString &why) {
        ::close(fd);
        ::unlink(tempName.constData());
        return fail(LoadStr(Str::FileWriteError).arg(path, why));
    };
    QString writeError; // the first failure; what comes after it is dropped
    const FileChunkSink sink = [&](const char *data, qint64 size) {
        qint64 written = 0;
        while (writeError.isEmpty() && written < size) {
            const ssize_t n = ::write(fd, data + written, size_t(size - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                writeError = SystemErrorText(errno);
            else if (n == 0)
                writeError = LoadStr(Str::WriteCutShort).arg(written).arg(size);
            else
                written += n;
        }
        return writeError.isEmpty();
    };
    try {
        content(sink);
    } catch (...) {
        ::close(fd);
        ::unlink(tempName.constData());
        throw;
    }
    if (!writeError.isEmpty())
        return abandon(writeError);
    // Only data known to be on the disk may replace the previous file.
    if (syncCall(fd) != 0)
        return abandon(SystemErrorText(errno));
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(tempName.constData());
        return fail(LoadStr(Str::FileWriteError).arg(path, SystemErrorText(code)));
    }
    if (::rename(tempName.constData(), finalName.constData()) != 0) {
        const int code = errno;
        ::unlink(tempName.constData());
        return fail(LoadStr(Str::FileWriteError).arg(path, SystemErrorText(code)));
    }
    // The rename itself is on the disk once the folder is.
    const int dir = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int synced = dir < 0 ? -1 : syncCall(dir);
    const int code = errno;
    if (dir >= 0)
        ::close(dir);
    if (synced != 0)
        return fail(LoadStr(Str::FolderSyncError).arg(path, folder, SystemErrorText(code)));
    return true;
}
