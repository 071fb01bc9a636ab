// The real main window with Qt's own dialogs: a message box, the open dialog, the colour dialog and
// the font list, all in Japanese. With VELMORA_SCREENSHOT_DIR set (under xvfb-run), each is also
// saved there as a screenshot of the whole screen.
#include "app/entry.h"
#include "app/unit3.h"
#include "common/japanese_text.h"
#include "platform/application.h"
#include "platform/help_window.h"
#include "platform/strings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// "OK", "HTML:": read the same in Japanese.
bool isAcronym(const QString &text)
{
    QString letters = text;
    letters.remove(u'&').remove(u':');
    for (QChar c : letters)
        if (c < u'A' || c > u'Z')
            return false;
    return !letters.isEmpty();
}

// The texts of a dialog's buttons and of the labels that name its fields.
QStringList captions(QWidget *dialog)
{
    QStringList out;
    for (auto *b : dialog->findChildren<QPushButton *>())
        if (b->isVisible() && !b->text().isEmpty() && !isAcronym(b->text()))
            out << b->text();
    for (auto *l : dialog->findChildren<QLabel *>())
        if (l->isVisible() && l->buddy() && !l->text().isEmpty() && !isAcronym(l->text()))
            out << l->text();
    return out;
}

class JapaneseScreens : public ::testing::Test
{
protected:
    void SetUp() override
    {
        name = QCoreApplication::applicationName();
        font = QApplication::font();
        SetUpApplication();
    }
    void TearDown() override
    {
        QCoreApplication::setApplicationName(name);
        QApplication::setFont(font);
        QFile::remove(WindowSettingsWritePath());
    }

    void shot(const char *what)
    {
        QCoreApplication::processEvents();
        if (shotDir.isEmpty())
            return;
        QTest::qWait(300);
        QDir().mkpath(shotDir);
        const QString file = QStringLiteral("%1/%2.png").arg(shotDir, QLatin1String(what));
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file});
    }
    // Runs `look` on the modal dialog once it is shown.
    static void whenShown(std::function<void(QWidget *)> look)
    {
        QTimer::singleShot(50, [look] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            look(modal);
        });
    }

    QString shotDir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    QString name;
    QFont font;
};

TEST_F(JapaneseScreens, BoxesDialogsAndTheFontListReadInJapanese)
{
    TForm3 form;
    form.StartupPending = false;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.RebuildWorkSheet(455, 275);
    form.DocumentOpen = true;
    form.UpdateDocumentCommands();
    QtModalSeam seam;

    QStringList boxButtons;
    whenShown([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton *b : box->buttons())
            boxButtons << b->text();
        shot("message_box_yes_no_cancel");
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(seam.messageBox(LoadStr(Str::ChangedSavePrompt), LoadStr(Str::MessageCaption), MB_YESNOCANCEL),
              IDCANCEL);
    ASSERT_EQ(boxButtons.size(), 3);
    for (const QString &text : boxButtons)
        EXPECT_TRUE(HasJapanese(text)) << text.toStdString();

    QTemporaryDir folder;
    QString shownFolder;
    QStringList openTexts;
    whenShown([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        shownFolder = dialog->directory().absolutePath();
        openTexts = captions(dialog);
        shot("open_dialog");
        dialog->reject();
    });
    FileDialogRequest open{QString(), LoadStr(Str::DocumentFilter), folder.path(), QString()};
    EXPECT_FALSE(seam.openFileName(open).has_value());
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
    ASSERT_FALSE(openTexts.isEmpty());
    for (const QString &text : openTexts)
        EXPECT_TRUE(HasJapanese(text)) << text.toStdString();

    QStringList colourTexts;
    whenShown([&](QWidget *w) {
        auto *dialog = qobject_cast<QColorDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        colourTexts = captions(dialog);
        shot("colour_dialog");
        dialog->reject();
    });
    EXPECT_FALSE(seam.chooseColor({QColor(Qt::red), {}}).has_value());
    ASSERT_FALSE(colourTexts.isEmpty());
    for (const QString &text : colourTexts)
        EXPECT_TRUE(HasJapanese(text)) << text.toStdString();

    // The font list, dropped down: wide enough for its longest name.
    QComboBox *fonts = form.FontNameComboBox;
    fonts->showPopup();
    QCoreApplication::processEvents();
    int widest = 0;
    for (int i = 0; i < fonts->count(); ++i)
        widest = std::max(widest, fonts->view()->fontMetrics().horizontalAdvance(fonts->itemText(i)));
    EXPECT_GE(fonts->view()->viewport()->width(), widest);
    shot("font_list");
    fonts->hidePopup();

    // The help window, the first time: beside the main window, not over it, where the screen has room.
    QFile::remove(HelpWindowSettingsPath());
    const QRect free = form.screen()->availableGeometry();
    form.move(free.topLeft());
    QCoreApplication::processEvents();
    form.HelpButton->click();
    QWidget *help = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QTextBrowser *>(w) && w->isVisible())
            help = w;
    ASSERT_NE(help, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(free.contains(help->frameGeometry()));
    if (free.right() - form.frameGeometry().right() >= 400 + 16) {
        EXPECT_FALSE(help->frameGeometry().intersects(form.frameGeometry()));
    }
    shot("help_window");
    const QRect helpPlace = help->geometry();
    help->close();
    EXPECT_EQ(ReadHelpWindowGeometry(HelpWindowSettingsPath()), helpPlace);
    QFile::remove(HelpWindowSettingsPath());
    form.Modified = false;
    form.close();
}

} // namespace
