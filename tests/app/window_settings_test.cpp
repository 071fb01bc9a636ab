// The main window and norve.con: placing the window, the maximized rule, the file written at close.
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "platform/application.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// Keeps the test's norve.con beside the test executable out of other tests' way.
class SettingsFile : public ::testing::Test
{
protected:
    QString path = WindowSettingsWritePath();
    void SetUp() override { QFile::remove(path); }
    void TearDown() override { QFile::remove(path); }
    void write(const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read()
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(SettingsFile, AFirstStartShowsTheWholeDefaultCardCentred)
{
    TForm3 form;
    form.StartupPending = false;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((QRect(form.pos(), form.size()).center() - free.center()).manhattanLength(), 2);
    EXPECT_GE(form.width(), 579); // never smaller than designed
    form.show();
    form.RebuildWorkSheet(455, 275);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.ScrollBox0->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(form.ScrollBox0->verticalScrollBar()->isVisible());
    EXPECT_TRUE(form.ScrollBox0->viewport()->rect().contains(
        QRect(form.DrawPanel->pos(), form.DrawPanel->size()).adjusted(-10, -10, 10, 10)));
    const QPoint placed = form.pos();
    form.close();
    EXPECT_EQ(read().size(), 72);
    EXPECT_EQ(ParseWindowSettings(read()).MainLeft, placed.x());
}

TEST_F(SettingsFile, ASizeFromTheFileIsTakenAsStoredEvenWhenSmall)
{
    WindowSettings s;
    s.MainLeft = 10;
    s.MainTop = 20;
    s.MainWidth = 400;
    s.MainHeight = 300;
    write(SerializeWindowSettings(s));
    TForm3 form;
    EXPECT_EQ(form.pos(), QPoint(10, 20));
    EXPECT_EQ(form.size(), QSize(400, 300));
}

TEST_F(SettingsFile, ADamagedFileGivesTheDefaultPlace)
{
    write(QByteArray(59, '\x7f'));
    TForm3 form;
    EXPECT_EQ(form.pos(), QPoint(204, 104));
    EXPECT_EQ(form.size(), QSize(576, 440));
}

TEST_F(SettingsFile, StoredGeometryIsAppliedAndWrittenBack)
{
    WindowSettings s;
    s.MainLeft = 30;
    s.MainTop = 40;
    s.MainWidth = 700;
    s.MainHeight = 500;
    s.PageSetupLeft = 11;
    QByteArray bytes = SerializeWindowSettings(s);
    bytes.append("trailing bytes are ignored");
    write(bytes);
    TForm3 form;
    EXPECT_EQ(form.pos(), QPoint(30, 40));
    EXPECT_EQ(form.size(), QSize(700, 500));
    form.move(50, 60);
    form.close();
    const WindowSettings back = ParseWindowSettings(read());
    EXPECT_EQ(read().size(), 72);
    EXPECT_EQ(back.MainLeft, 50);
    EXPECT_EQ(back.MainTop, 60);
    EXPECT_EQ(back.PageSetupLeft, 11);
}

TEST_F(SettingsFile, MaximizingKeepsTheNormalSizeForNextTime)
{
    {
        TForm3 form;
        form.StartupPending = false; // no wizard: only the window geometry matters here
        form.show();
        form.move(20, 30);
        form.resize(600, 420);
        form.showMaximized();
        ASSERT_TRUE(form.isMaximized());
        EXPECT_EQ(form.WindowSettings.MainMaximized, 1);
        form.close();
    }
    const WindowSettings stored = ParseWindowSettings(read());
    EXPECT_EQ(stored.MainMaximized, 1);
    EXPECT_EQ(stored.MainLeft, 20);
    EXPECT_EQ(stored.MainWidth, 600);
    EXPECT_EQ(stored.MainHeight, 420);

    TForm3 again;
    EXPECT_EQ(again.size(), QSize(600, 420));
    again.StartupPending = false;
    again.show();
    again.activateWindow();
    QApplication::processEvents();
    again.FormActivate();
    EXPECT_TRUE(again.isMaximized());
    again.showNormal();
    EXPECT_EQ(again.WindowSettings.MainMaximized, 0);
    again.close();
    EXPECT_EQ(ParseWindowSettings(read()).MainMaximized, 0);
}

TEST_F(SettingsFile, AnUnwritableSettingsFileIsReportedAndTheWindowStillCloses)
{
    ScopedScriptedModal modal;
    TForm3 form;
    form.StartupPending = false;
    form.show();
    // A folder where the file should be makes the write fail.
    ASSERT_TRUE(QDir().mkpath(path));
    modal->answerMessage(IDOK);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(modal->messagesShown().size(), 1u);
    QDir(path).removeRecursively();
}

} // namespace

namespace {

// The stored record with these main-window numbers.
QByteArray mainWindowRecord(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    WindowSettings s;
    s.MainLeft = left;
    s.MainTop = top;
    s.MainWidth = width;
    s.MainHeight = height;
    return SerializeWindowSettings(s);
}

} // namespace

TEST_F(SettingsFile, ADamagedRecordStillOpensAVisibleWindowOnTheScreen)
{
    const std::int32_t huge = 0x7fffffff;
    for (const QByteArray &record :
         {mainWindowRecord(204, 104, 100000, 100000), mainWindowRecord(huge, huge, huge, huge),
          mainWindowRecord(-50000, -50000, 0, -7), mainWindowRecord(-huge - 1, 3000, 300, 200)}) {
        write(record);
        TForm3 form;
        form.show();
        // The frame a window manager adds around the window is not the program's to count.
        const QRect screen = form.screen()->availableGeometry().adjusted(-8, -32, 8, 8);
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(screen.contains(form.geometry())) << form.geometry().x() << "," << form.geometry().y()
                                                      << " " << form.width() << "x" << form.height();
        EXPECT_GE(form.width(), 200);
        EXPECT_GE(form.height(), 120);
        form.hide();
    }
}
