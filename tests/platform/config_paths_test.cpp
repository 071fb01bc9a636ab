// Where rewritten files go and the write-through-a-temporary-file helper.
#include "common/file_size_limit.h"
#include "platform/application.h"
#include "platform/config_paths.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(DataPaths, WritableProgramFolderIsUsedForReadingAndWriting)
{
    QTemporaryDir app, config;
    const DataLocations where{app.path() + '/', config.path() + '/'};
    EXPECT_EQ(WritableDataPath("norve.con", where), app.path() + "/norve.con");
    EXPECT_EQ(ReadableDataPath("norve.con", where), app.path() + "/norve.con");
}

TEST(DataPaths, UnwritableProgramFolderSendsWritesToTheConfigFolderWhichIsThenReadFirst)
{
    QTemporaryDir root;
    // A program folder that is a plain file cannot take new files, whoever runs the tests.
    writeRaw(root.path() + "/app", "x");
    const DataLocations where{root.path() + "/app/", root.path() + "/config/"};
    EXPECT_EQ(WritableDataPath("usetpage.txt", where), root.path() + "/config/usetpage.txt");
    // Nothing written yet: the copy beside the program is read.
    EXPECT_EQ(ReadableDataPath("usetpage.txt", where), root.path() + "/app/usetpage.txt");
    QDir().mkpath(root.path() + "/config");
    writeRaw(root.path() + "/config/usetpage.txt", "mine");
    EXPECT_EQ(ReadableDataPath("usetpage.txt", where), root.path() + "/config/usetpage.txt");
}

TEST(DataPaths, TheInstalledDataFolderIsNeverWrittenEvenWhenWritable)
{
    QTemporaryDir app, config;
    const DataLocations where{app.path() + '/', config.path() + '/', true};
    EXPECT_EQ(WritableDataPath("usetpage.txt", where), config.path() + "/usetpage.txt");
    writeRaw(app.path() + "/usetpage.txt", "left by an old version");
    EXPECT_EQ(ReadableDataPath("usetpage.txt", where), app.path() + "/usetpage.txt");
    writeRaw(config.path() + "/usetpage.txt", "mine");
    EXPECT_EQ(ReadableDataPath("usetpage.txt", where), config.path() + "/usetpage.txt");
}

TEST(DataPaths, DataBesideTheExecutableWinsOverTheInstalledFolder)
{
    QTemporaryDir root;
    const QString bin = root.path() + "/bin/", share = root.path() + "/share/velmora/";
    QDir().mkpath(bin);
    QDir().mkpath(share);
    // Neither has data: the executable's folder, where the messages about missing files then point.
    EXPECT_EQ(ProgramDataFolder(bin, share), bin);
    writeRaw(share + "msetpage.txt", "");
    EXPECT_EQ(ProgramDataFolder(bin, share), share);
    // The build folder: the data copied beside the executable.
    writeRaw(bin + "msetpage.txt", "");
    EXPECT_EQ(ProgramDataFolder(bin, share), bin);
}

TEST(WriteFileAtomically, CreatesFoldersAndReplacesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/a/b/file.bin";
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("first version, long")));
    EXPECT_EQ(readAll(path), "first version, long");
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("2nd")));
    EXPECT_EQ(readAll(path), "2nd");
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path() + "/a/b").entryList(QDir::Files), QStringList{"file.bin"});
}

TEST(WriteFileAtomically, ReportsAFolderThatCannotBeCreated)
{
    QTemporaryDir dir;
    writeRaw(dir.path() + "/plain", "x");
    QString error;
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/plain/sub/file", "data", &error));
    EXPECT_TRUE(error.contains("plain")) << error.toStdString();
    EXPECT_TRUE(error.startsWith(QStringLiteral("フォルダ \""))) << error.toStdString();
}

TEST(ReadWholeFile, AMissingFileIsAFileErrorInJapanese)
{
    QTemporaryDir dir;
    try {
        ReadWholeFile(dir.filePath("missing.zrd"));
        ADD_FAILURE() << "a missing file was read";
    } catch (const EFileError &e) {
        EXPECT_TRUE(e.message().startsWith(
            QStringLiteral("ファイル \"%1\" を開けません。").arg(dir.filePath("missing.zrd"))))
            << e.message().toStdString();
    }
}

TEST(WriteFileAtomically, LeavesADirectoryInTheWayAlone)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/target/inner");
    QString error;
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/target", "data", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.path() + "/target/inner").isDir());
}

TEST(WriteFileAtomically, AWriteCutShortKeepsThePreviousFile)
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
    EXPECT_EQ(readAll(path), "the previous contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"settings"});
}
