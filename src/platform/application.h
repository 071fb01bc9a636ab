// The application object: title, help file, the modal seam and the default exception box.
#pragma once

#include "platform/modal.h"

#include <QApplication>
#include <QString>
#include <concepts>
#include <exception>
#include <memory>
#include <utility>

class TApplication
{
public:
    QString Title;
    QString HelpFile;

    ModalSeam &Modal() { return *modal_; }
    // Installs another seam (tests install a scripted one); returns the previous.
    std::unique_ptr<ModalSeam> SetModal(std::unique_ptr<ModalSeam> seam);

    // Message box through the seam; returns one of MessageResult.
    int MessageBox(const QString &text, const QString &caption, int buttons);
    // The default exception handler: the exception's message in a box captioned with the title.
    void ShowException(const std::exception &error);
    // Opens the help file at a topic.
    void HelpJump(const QString &topic);

private:
    friend TApplication &Application();
    TApplication();
    std::unique_ptr<ModalSeam> modal_;
};

TApplication &Application();

// The folder of the program's own files (presets, templates, pictures, help), ending with '/': the
// executable's folder when they lie beside it (the build folder), otherwise the installed data folder
// (<prefix>/share/velmora/ beside <prefix>/bin/).
QString ApplicationDirectory();
// True when ApplicationDirectory() is the installed data folder, which the program only reads.
bool DataFolderIsInstalled();
// ApplicationDirectory() for an executable in `executableDir`, whose installed data folder is
// `installedDataDir` (each ending with '/').
QString ProgramDataFolder(const QString &executableDir, const QString &installedDataDir);

// The user's documents folder, where file dialogs start without a document of their own; the home
// folder while there is no documents folder.
QString UserDocumentsDirectory();

// Runs `action`; an exception that escapes it is shown by the default handler. Returns false then.
template <typename F> bool RunGuarded(F &&action)
{
    try {
        action();
        return true;
    } catch (const std::exception &error) {
        Application().ShowException(error);
        return false;
    }
}

// The guarded slot: every connection or callback that runs a handler goes through one of these two,
// so that a handler's failure is shown in the exception box and never escapes into the event loop.
// It covers the main window's menu items and tool buttons, the editor's tool buttons, card object
// and selection handle mouse callbacks, the in-place editor's key callback, and every handler of
// the page setup dialog; plain accept/reject connections run no handler of ours and need none.
// `action` runs guarded with the arguments it takes (a signal may carry more; Qt drops them).
template <typename F> auto Guarded(F action)
{
    return [action](auto &&...args) requires std::invocable<const F &, decltype(args)...>
    {
        RunGuarded([&] { action(std::forward<decltype(args)>(args)...); });
    };
}

// The member `handler` of `receiver` runs guarded with the arguments it takes (a signal may carry more;
// they are dropped as by a plain connection).
template <typename Object, typename Receiver, typename... Args>
auto Guarded(Receiver *receiver, void (Object::*handler)(Args...))
{
    return [receiver, handler](Args... args) { RunGuarded([&] { (receiver->*handler)(args...); }); };
}

// Catches what escapes an event handler and shows it, as the class library's application does.
class GuardedApplication : public QApplication
{
public:
    GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}
    bool notify(QObject *receiver, QEvent *event) override;
};
