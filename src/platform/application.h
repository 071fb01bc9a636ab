// The application object: title, help file, the modal seam and the default exception box.
#pragma once

#include "platform/modal.h"

#include <QApplication>
#include <QString>
#include <exception>
#include <memory>

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

// The folder of the executable, ending with '/'.
QString ApplicationDirectory();

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

// A slot that runs `action` guarded: for connecting commands whose failures the user must see.
template <typename F> auto Guarded(F action)
{
    return [action] { RunGuarded(action); };
}

// Catches what escapes an event handler and shows it, as the class library's application does.
class GuardedApplication : public QApplication
{
public:
    GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}
    bool notify(QObject *receiver, QEvent *event) override;
};
