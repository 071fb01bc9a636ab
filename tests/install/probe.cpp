// A probe preloaded into the installed program (LD_PRELOAD) to drive and read its real windows, so the
// install tests check the program as installed, not a test build of it. VELMORA_PROBE lists the steps,
// comma-separated:
//   templates     print the wizard's template list ("template: NAME"), then cancel the wizard
//   pagesetup     open page setup from the tool bar
//   presets       print page setup's preset list ("preset: NAME")
//   add=NAME      register the present layout under NAME (the name dialog), then list the presets again
//   cancel        close page setup with its cancel button
//   quit          close the main window
// and, for screenshots:
//   tool=HINT     press the main window's tool button with that hint
//   click=NAME    press the visible button of that object name
//   pick=N        select row N of the wizard's template list
//   size=WxH      resize the main window
//   wait=S        wait S seconds
// Each step waits for its window; a step that finds nothing in 60 seconds ends the program with 3.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

template <typename W> W *findVisible(const char *name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (W *w = top->findChild<W *>(QLatin1String(name)))
            return w;
    }
    return nullptr;
}

QToolButton *toolButton(const QString &hint)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<QMainWindow *>(top); window && window->isVisible())
            for (QToolButton *b : window->findChildren<QToolButton *>())
                if (b->toolTip() == hint && b->isEnabled())
                    return b;
    return nullptr;
}

// The button `name` in the dialog that holds `marker`, so two dialogs' OK buttons are told apart.
QAbstractButton *buttonBeside(QWidget *marker, const char *name)
{
    return marker ? marker->window()->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
}

void clickLater(QAbstractButton *button)
{
    QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
}

void listPresets(QComboBox *box)
{
    for (int i = 0; i < box->count(); ++i)
        say(QStringLiteral("preset: ") + box->itemText(i));
}

using Step = std::function<bool()>; // true when done

Step makeStep(const QString &word)
{
    if (word == QLatin1String("templates"))
        return [] {
            auto *list = findVisible<QListWidget>("TemplateListBox");
            if (!list)
                return false;
            for (int i = 0; i < list->count(); ++i)
                say(QStringLiteral("template: ") + list->item(i)->text());
            if (auto *dialog = qobject_cast<QDialog *>(list->window()))
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return true;
        };
    if (word == QLatin1String("pagesetup") || word.startsWith(QLatin1String("tool=")))
        return [hint = word == QLatin1String("pagesetup") ? QStringLiteral("ページ設定") : word.mid(5)] {
            QToolButton *b = toolButton(hint);
            if (b)
                clickLater(b);
            return b != nullptr;
        };
    if (word.startsWith(QLatin1String("click=")))
        return [name = word.mid(6).toLatin1()] {
            auto *b = findVisible<QAbstractButton>(name.constData());
            if (!b || !b->isVisible() || !b->isEnabled())
                return false;
            clickLater(b);
            return true;
        };
    if (word.startsWith(QLatin1String("pick=")))
        return [row = word.mid(5).toInt()] {
            auto *list = findVisible<QListWidget>("TemplateListBox");
            if (!list || !list->isVisible() || row >= list->count())
                return false;
            list->setCurrentRow(row);
            return true;
        };
    if (word.startsWith(QLatin1String("size=")))
        return [size = word.mid(5).split(u'x')] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *w = qobject_cast<QMainWindow *>(top); w && w->isVisible()) {
                    w->resize(size.value(0).toInt(), size.value(1).toInt());
                    return true;
                }
            return false;
        };
    if (word.startsWith(QLatin1String("wait="))) {
        auto clock = std::make_shared<QElapsedTimer>();
        return [clock, ms = word.mid(5).toInt() * 1000] {
            if (!clock->isValid())
                clock->start();
            return clock->elapsed() >= ms;
        };
    }
    if (word == QLatin1String("presets"))
        return [] {
            auto *box = findVisible<QComboBox>("YousiCB");
            if (box)
                listPresets(box);
            return box != nullptr;
        };
    if (word.startsWith(QLatin1String("add="))) {
        const QString name = word.mid(4);
        auto stage = std::make_shared<int>(0);
        return [name, stage] {
            auto *box = findVisible<QComboBox>("YousiCB");
            if (*stage == 0) {
                QAbstractButton *b = buttonBeside(box, "NewBtn");
                if (b) {
                    clickLater(b);
                    *stage = 1;
                }
                return false;
            }
            if (*stage == 1) {
                auto *edit = findVisible<QLineEdit>("NameEdit");
                if (QAbstractButton *ok = buttonBeside(edit, "OKBtn")) {
                    edit->setText(name);
                    clickLater(ok);
                    *stage = 2;
                }
                return false;
            }
            if (!box || box->findText(name, Qt::MatchStartsWith) < 0 || findVisible<QLineEdit>("NameEdit"))
                return false;
            listPresets(box);
            return true;
        };
    }
    if (word == QLatin1String("cancel"))
        return [] {
            QAbstractButton *b = buttonBeside(findVisible<QComboBox>("YousiCB"), "CancelBtn");
            if (b)
                clickLater(b);
            return b != nullptr;
        };
    if (word == QLatin1String("quit"))
        return [] {
            // Only once no dialog is left open over the main window.
            QMainWindow *main = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (!top->isVisible())
                    continue;
                if (auto *w = qobject_cast<QMainWindow *>(top))
                    main = w;
                else if (top->isModal())
                    return false;
            }
            if (main)
                QMetaObject::invokeMethod(main, "close", Qt::QueuedConnection);
            return main != nullptr;
        };
    say(QStringLiteral("probe: unknown step ") + word);
    ::_exit(4);
}

void runProbe()
{
    const QStringList words = qEnvironmentVariable("VELMORA_PROBE").split(u',', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    auto steps = std::make_shared<QList<Step>>();
    for (const QString &w : words)
        steps->append(makeStep(w));
    auto next = std::make_shared<qsizetype>(0);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto *timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (*next >= steps->size())
            return;
        if ((*steps)[*next]()) {
            ++*next;
            clock->restart();
        } else if (clock->elapsed() > 60000) {
            say(QStringLiteral("probe: gave up waiting at ") + words[*next]);
            ::_exit(3);
        }
    });
    timer->start(100);
}

// Called while the application object is being made: the steps start once its event loop runs.
void startProbe()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &runProbe, Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
