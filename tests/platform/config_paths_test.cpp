// Where rewritten files go and where the program's data is found.
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

