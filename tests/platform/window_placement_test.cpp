// Where dialogs and the help window open: centred on the main window, the help window beside it.
#include "platform/help_window.h"
#include "platform/modal.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QRect screen(0, 0, 1280, 1024);

TEST(HelpWindowPlace, BesideTheMainWindowOnTheScreen)
{
    const QSize size = HelpWindowSize(440, screen);
    EXPECT_GE(size.width(), 600);
    EXPECT_GE(size.height(), 440);
    // Room on the right: it stands there, top aligned with the main window.
    const QRect right = HelpWindowPlace(QRect(20, 150, 579, 440), screen, size);
    EXPECT_GT(right.left(), 20 + 579);
    EXPECT_EQ(right.top(), 150);
    EXPECT_TRUE(screen.contains(right));
    // No room on the right: on the left.
    const QRect left = HelpWindowPlace(QRect(660, 150, 579, 440), screen, size);
    EXPECT_LT(left.right(), 660);
    EXPECT_TRUE(screen.contains(left));
    // Not quite room on the right: narrower, still beside it.
    const QRect narrow = HelpWindowPlace(QRect(0, 150, 700, 440), screen, size);
    EXPECT_EQ(narrow.left(), 708);
    EXPECT_EQ(narrow.right(), screen.right());
    EXPECT_GE(narrow.width(), 400);
    // Room on neither side: inside the screen at its right edge, over the main window.
    const QRect over = HelpWindowPlace(QRect(300, 900, 700, 400), screen, size);
    EXPECT_EQ(over.right(), screen.right());
    EXPECT_TRUE(screen.contains(over));
    // A screen smaller than the help window's size.
    const QRect small(0, 0, 500, 400);
    EXPECT_TRUE(small.contains(HelpWindowPlace(QRect(0, 0, 300, 300), small, HelpWindowSize(300, small))));
}

TEST(HelpWindowPlace, ThePlaceIsRememberedInItsOwnFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/help_window.ini"));
    EXPECT_FALSE(ReadHelpWindowGeometry(path).has_value());
    WriteHelpWindowGeometry(path, QRect(700, 80, 640, 520));
    EXPECT_EQ(ReadHelpWindowGeometry(path), QRect(700, 80, 640, 520));
    EXPECT_TRUE(HelpWindowSettingsPath().endsWith(QStringLiteral("/help_window.ini")));
    EXPECT_FALSE(HelpWindowSettingsPath().contains(QStringLiteral("norve.con")));
}

// Runs `look` on the modal widget once it is shown, then closes it.
void whenShown(std::function<void(QWidget *)> look)
{
    QTimer::singleShot(0, [look] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        look(modal);
        modal->close();
    });
}

TEST(DialogPlace, BoxesAndDialogsOpenCentredOnTheMainWindow)
{
    QMainWindow main;
    main.setGeometry(60, 90, 600, 420);
    main.show();
    ASSERT_EQ(DialogOwner(), &main);
    const QPoint centre = main.frameGeometry().center();
    QtModalSeam seam;

    QPoint boxCentre;
    whenShown([&](QWidget *box) { boxCentre = box->frameGeometry().center(); });
    EXPECT_EQ(seam.messageBox(QStringLiteral("よろしいですか？"), QStringLiteral("ヴェルモラ Message"),
                              MB_YESNOCANCEL),
              IDCANCEL);
    EXPECT_LE((boxCentre - centre).manhattanLength(), 2);

    QDialog dialog;
    dialog.setFixedSize(200, 100);
    QPoint dialogCentre;
    whenShown([&](QWidget *shown) { dialogCentre = shown->frameGeometry().center(); });
    seam.execDialog(dialog);
    EXPECT_LE((dialogCentre - centre).manhattanLength(), 2);

    // A dialog the caller placed keeps its place.
    QDialog placed;
    placed.setFixedSize(200, 100);
    placed.move(5, 7);
    QPoint placedAt;
    whenShown([&](QWidget *shown) { placedAt = shown->pos(); });
    seam.execDialog(placed);
    EXPECT_EQ(placedAt, QPoint(5, 7));
}

} // namespace

namespace {

TEST(FileDialogFilter, PatternsShownOnceInQtsForm)
{
    EXPECT_EQ(QtFilterFromWindows(QStringLiteral("ヴェルモラファイル (*.zrd)|*.zrd")),
              QStringLiteral("ヴェルモラファイル (*.zrd)"));
    EXPECT_EQ(QtFilterFromWindows(QStringLiteral("JPEG (*.jpg, *.jpeg)|*.jpg;*.jpeg|ビットマップ|*.bmp")),
              QStringLiteral("JPEG (*.jpg *.jpeg);;ビットマップ (*.bmp)"));
}

} // namespace
