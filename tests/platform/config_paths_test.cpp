// Where rewritten files go.
#include "platform/config_paths.h"

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
