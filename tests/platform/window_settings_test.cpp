// The window settings record: its 72- and 60-byte forms, defaults and the file.
#include "platform/bytes.h"
#include "platform/errors.h"
#include "platform/window_settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

namespace {

QByteArray ints(std::initializer_list<std::int32_t> values)
{
    QByteArray out;
    for (auto v : values)
        AppendInt32(out, v);
    return out;
}

// A 72-byte record with every field set and junk in the reserved and padding bytes.
QByteArray fullRecord()
{
    QByteArray b(12, '\x11');
    b += ints({10, 20, 300, 400});
    b += QByteArray("\x01\xAA\xBB\xCC", 4);
    b += ints({11, 21, 301, 401});
    b += QByteArray("\x00\xDD\xEE\xFF", 4);
    b += ints({12, 22});
    b += QByteArray("reserved-12!", 12);
    return b;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

} // namespace

TEST(WindowSettings, DefaultsAreThePlacesOfAFirstStart)
{
    const WindowSettings s;
    EXPECT_EQ(s.MainLeft, 204);
    EXPECT_EQ(s.MainTop, 104);
    EXPECT_EQ(s.MainWidth, 576);
    EXPECT_EQ(s.MainHeight, 440);
    EXPECT_EQ(s.PreviewHeight, 402);
    EXPECT_EQ(s.PreviewWidth, 595);
    EXPECT_EQ(s.PageSetupTop, 104);
    EXPECT_EQ(s.PageSetupLeft, 204);
    const QByteArray bytes = SerializeWindowSettings(s);
    ASSERT_EQ(bytes.size(), 72);
    EXPECT_EQ(ReadInt32(bytes.constData() + 12), 104);
    EXPECT_EQ(ReadInt32(bytes.constData() + 40), 402);
    EXPECT_EQ(bytes.mid(60), QByteArray(12, '\0'));
}

TEST(WindowSettings, A72ByteRecordKeepsItsPaddingAndReservedBytesButNotTheLeadingTwelve)
{
    const WindowSettings s = ParseWindowSettings(fullRecord());
    EXPECT_EQ(s.MainTop, 10);
    EXPECT_EQ(s.MainLeft, 20);
    EXPECT_EQ(s.MainHeight, 300);
    EXPECT_EQ(s.MainWidth, 400);
    EXPECT_EQ(s.MainMaximized, 1);
    EXPECT_EQ(s.PreviewTop, 11);
    EXPECT_EQ(s.PreviewWidth, 401);
    EXPECT_EQ(s.PreviewMaximized, 0);
    EXPECT_EQ(s.PageSetupTop, 12);
    EXPECT_EQ(s.PageSetupLeft, 22);
    QByteArray expected = fullRecord();
    expected.replace(0, 12, QByteArray(12, '\0'));
    EXPECT_EQ(SerializeWindowSettings(s), expected);
}

TEST(WindowSettings, FileLengthsDecideTheForm)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/norve.con";

    // 59 bytes: the defaults.
    writeFile(path, fullRecord().left(59));
    EXPECT_EQ(ReadWindowSettingsFile(path), WindowSettings{});

    // 60 bytes: the older form, without maximized flags; written back as 72 bytes.
    QByteArray old(12, '\x7F');
    old += ints({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    old += QByteArray(8, '\x7F');
    ASSERT_EQ(old.size(), 60);
    writeFile(path, old);
    WindowSettings s = ReadWindowSettingsFile(path);
    EXPECT_EQ((std::vector<int>{s.MainTop, s.MainLeft, s.MainHeight, s.MainWidth, s.PreviewTop, s.PreviewLeft,
                                s.PreviewHeight, s.PreviewWidth, s.PageSetupTop, s.PageSetupLeft}),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(s.MainMaximized, 0);
    EXPECT_EQ(s.Reserved, (std::array<char, 12>{}));
    WriteWindowSettingsFile(path, s);
    const QByteArray rewritten = readFile(path);
    ASSERT_EQ(rewritten.size(), 72);
    EXPECT_EQ(ReadInt32(rewritten.constData() + 52), 9);
    EXPECT_EQ(ParseWindowSettings(rewritten), s);

    // 100 bytes: the first 72 are the record; writing gives exactly 72.
    writeFile(path, fullRecord() + QByteArray(28, 'z'));
    s = ReadWindowSettingsFile(path);
    EXPECT_EQ(s, ParseWindowSettings(fullRecord()));
    WriteWindowSettingsFile(path, s);
    EXPECT_EQ(readFile(path).size(), 72);
}

TEST(WindowSettings, AMissingFileGivesDefaultsAndClosingWritesOne)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/norve.con";
    EXPECT_EQ(ReadWindowSettingsFile(path), WindowSettings{});
    WindowSettings s;
    s.MainMaximized = 1; // maximized: the record keeps the size from before
    s.MainWidth = 800;
    WriteWindowSettingsFile(path, s);
    const WindowSettings back = ReadWindowSettingsFile(path);
    EXPECT_EQ(back.MainMaximized, 1);
    EXPECT_EQ(back.MainWidth, 800);
}

TEST(WindowSettings, AFailedWriteThrowsAFileError)
{
    QTemporaryDir dir;
    writeFile(dir.path() + "/file", "x");
    EXPECT_THROW(WriteWindowSettingsFile(dir.path() + "/file/norve.con", WindowSettings{}), EFileError);
}

TEST(FitWindowOnScreen, KeepsAFittingWindowAndPullsOthersOntoTheScreen)
{
    const QRect screen(0, 30, 1280, 994); // a panel above
    const QSize minimum(200, 120);
    EXPECT_EQ(FitWindowOnScreen(204, 104, 576, 440, screen, minimum), QRect(204, 104, 576, 440));
    // Too large: the whole available area.
    EXPECT_EQ(FitWindowOnScreen(204, 104, 100000, 100000, screen, minimum), screen);
    // Off to one side: moved in, size kept.
    EXPECT_EQ(FitWindowOnScreen(5000, -400, 576, 440, screen, minimum), QRect(704, 30, 576, 440));
    // Extremes of the stored numbers cannot overflow.
    EXPECT_EQ(FitWindowOnScreen(INT_MAX, INT_MIN, INT_MAX, INT_MIN, screen, minimum),
              QRect(0, 30, 1280, 120));
    // Nothing smaller than the minimum, however small the record says.
    EXPECT_EQ(FitWindowOnScreen(10, 40, 0, -5, screen, minimum).size(), minimum);
    // A minimum larger than the screen wins and stands at its corner.
    EXPECT_EQ(FitWindowOnScreen(10, 40, 50, 50, QRect(0, 0, 100, 100), minimum), QRect(0, 0, 200, 120));
}
