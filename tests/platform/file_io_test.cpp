// Reading files that are looked at first, and the safe writer's syncs and their failures.
#include "common/file_size_limit.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/strings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString readError(const QString &path, qint64 limit = 1024)
{
    try {
        ReadWholeFile(path, limit);
    } catch (const EFileError &e) {
        return e.message();
    }
    return QStringLiteral("<read>");
}

// A sync that fails with EIO from the n-th call on (1: the file's own, 2: its folder's).
int failingFrom = 0;
int syncCalls = 0;
int injectedSync(int fd)
{
    if (++syncCalls >= failingFrom) {
        errno = EIO;
        return -1;
    }
    return ::fdatasync(fd);
}

class InjectedSyncFailure
{
public:
    explicit InjectedSyncFailure(int fromCall)
    {
        failingFrom = fromCall;
        syncCalls = 0;
        previous_ = SetFileSyncCall(injectedSync);
    }
    ~InjectedSyncFailure() { SetFileSyncCall(previous_); }

private:
    FileSyncCall previous_;
};

} // namespace

TEST(FileReader, OnlyRegularFilesAreOpenedAndNothingWaits)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.zrd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString notRegular = LoadStr(Str::NotRegularFile);
    QElapsedTimer clock;
    clock.start();
    // A FIFO with no writer would block a plain open for ever; /dev/zero would be read until memory ends.
    for (const QString &path : {fifo, QStringLiteral("/dev/zero"), dir.path()}) {
        const QString error = readError(path);
        EXPECT_TRUE(error.startsWith(LoadStr(Str::FileOpenError).arg(path, notRegular)))
            << error.toStdString();
        EXPECT_TRUE(error.contains(notRegular)) << error.toStdString();
    }
    EXPECT_LT(clock.elapsed(), 2000);
    const QString missing = dir.filePath(QStringLiteral("missing"));
    EXPECT_TRUE(readError(missing).startsWith(LoadStr(Str::FileOpenError).arg(missing, QString())));
}

TEST(FileReader, AFileBeyondTheLimitIsRefusedWithItsOwnMessageBeforeReading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.zrd"));
    writeRaw(path, {});
    // Sparse: a gigabyte on paper, nothing on the disk.
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 1LL << 30), 0);
    const QString error = readError(path, 64LL << 20);
    EXPECT_EQ(error, LoadStr(Str::FileTooLarge).arg(path).arg(QStringLiteral("1024"), QStringLiteral("64")));

    writeRaw(path, QByteArray(100, 'x'));
    EXPECT_EQ(ReadWholeFile(path, 100).size(), 100);
    EXPECT_FALSE(readError(path, 99).isEmpty());
}

TEST(FileReader, ReadsInPartsUpToTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f"));
    writeRaw(path, "header+rest");
    FileReader file(path, 1000);
    EXPECT_EQ(file.Size(), 11);
    QByteArray bytes = file.Read(6);
    EXPECT_EQ(bytes, "header");
    file.ReadRestAppend(bytes);
    EXPECT_EQ(bytes, "header+rest");
    EXPECT_EQ(file.Read(10), QByteArray());
}

TEST(SafeWriter, AFailedSyncKeepsThePreviousFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.zrd"));
    writeRaw(path, "the previous contents");
    QString error;
    {
        const InjectedSyncFailure failure(1);
        EXPECT_FALSE(WriteFileAtomically(path, QByteArray(200, 'n'), &error));
    }
    EXPECT_EQ(contents(path), "the previous contents");
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(EIO)))) << error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"card.zrd"});
}

TEST(SafeWriter, TheFolderIsSyncedAfterTheRenameAndItsFailureReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.zrd"));
    writeRaw(path, "old");
    {
        const InjectedSyncFailure none(3); // counts the calls, fails none
        ASSERT_TRUE(WriteFileAtomically(path, "new"));
        EXPECT_EQ(syncCalls, 2); // the file, then its folder
    }
    QString error;
    {
        const InjectedSyncFailure failure(2);
        EXPECT_FALSE(WriteFileAtomically(path, "newer", &error));
    }
    // The rename was done; only whether it is on the disk is unknown, and that is said.
    EXPECT_EQ(contents(path), "newer");
    EXPECT_EQ(error, LoadStr(Str::FolderSyncError).arg(path, dir.path(), SystemErrorText(EIO)));
}

TEST(SafeWriter, AShortWriteNamesItsCauseAndKeepsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings"));
    writeRaw(path, "previous");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    QString error;
    {
        const ScopedFileSizeLimit limit(16);
        EXPECT_FALSE(WriteFileAtomically(path, QByteArray(200, 'n'), &error));
    }
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("Unknown error")));
    EXPECT_EQ(contents(path), "previous");
    ASSERT_TRUE(WriteFileAtomically(path, "replaced"));
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SafeWriter, CreatesFoldersAndReplacesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/a/b/file.bin";
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("first version, long")));
    EXPECT_EQ(contents(path), "first version, long");
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("2nd")));
    EXPECT_EQ(contents(path), "2nd");
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path() + "/a/b").entryList(QDir::Files), QStringList{"file.bin"});
}

TEST(SafeWriter, ReportsAFolderThatCannotBeCreated)
{
    QTemporaryDir dir;
    writeRaw(dir.path() + "/plain", "x");
    QString error;
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/plain/sub/file", "data", &error));
    EXPECT_TRUE(error.contains("plain")) << error.toStdString();
    EXPECT_TRUE(error.startsWith(QStringLiteral("フォルダ \""))) << error.toStdString();
}

TEST(SafeWriter, LeavesADirectoryInTheWayAlone)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/target/inner");
    QString error;
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/target", "data", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.path() + "/target/inner").isDir());
}

TEST(SafeWriter, AWriteCutShortKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/settings";
    writeRaw(path, "the previous contents");
    QString error;
    bool written = true;
    {
        const ScopedFileSizeLimit limit(16); // the new contents do not fit
        written = WriteFileAtomically(path, QByteArray(200, 'n'), &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(path), "the previous contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"settings"});
}

TEST(SafeWriter, ContentWrittenInPiecesStopsAtTheFirstFailureOrExceptionAndKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/sheet.pdf";
    ASSERT_TRUE(WriteFileAtomically(path, [](const FileChunkSink &write) {
        EXPECT_TRUE(write("first ", 6));
        EXPECT_TRUE(write("", 0));
        EXPECT_TRUE(write("second", 6));
    }));
    EXPECT_EQ(contents(path), "first second");

    // Once a piece does not fit, the sink says so and takes nothing more.
    QString error;
    int refused = 0;
    bool written = true;
    {
        const ScopedFileSizeLimit limit(16);
        written = WriteFileAtomically(
            path,
            [&](const FileChunkSink &write) {
                for (int i = 0; i < 10; ++i)
                    refused += write("0123456789", 10) ? 0 : 1;
            },
            &error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(refused, 9);
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << error.toStdString();
    EXPECT_EQ(contents(path), "first second");

    // A maker that fails part way leaves neither a changed file nor a temporary one.
    EXPECT_THROW(WriteFileAtomically(path,
                                     [](const FileChunkSink &write) {
                                         write("partial", 7);
                                         throw EFileError(QStringLiteral("the maker failed"));
                                     }),
                 EFileError);
    EXPECT_EQ(contents(path), "first second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});
}
