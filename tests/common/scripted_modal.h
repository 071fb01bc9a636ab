// A modal seam for tests: answers in the order given and records what was asked.
#pragma once

#include "platform/modal.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

struct AskedInteraction
{
    QString kind; // "message", "open", "save", "color", "print", "dialog", "help"
    QString text;
    QString caption;
    int buttons = -1;
    FileDialogRequest file;
};

class ScriptedModal : public ModalSeam
{
public:
    std::vector<AskedInteraction> asked;
    // What each colour dialog was opened with.
    std::vector<ColorDialogRequest> colorRequests;

    // Queue answers; each interaction takes the next one of its kind.
    void answerMessage(int result) { messages.push_back(result); }
    void answerFile(std::optional<QString> path) { files.push_back(std::move(path)); }
    void answerColor(std::optional<ColorDialogResult> c) { colors.push_back(std::move(c)); }
    void answerPrint(bool ok)
    {
        prints.push_back([ok](QPrinter &) { return ok; });
    }
    // Sets the printer up as the user would in the dialog; returns whether the dialog was confirmed.
    void answerPrint(std::function<bool(QPrinter &)> choose) { prints.push_back(std::move(choose)); }
    // Acts on the dialog while it would be shown; returns its result code.
    void answerDialog(std::function<int(QDialog &)> act) { dialogs.push_back(std::move(act)); }

    int messageBox(const QString &text, const QString &caption, int buttons) override;
    std::optional<QString> openFileName(const FileDialogRequest &request) override;
    std::optional<QString> saveFileName(const FileDialogRequest &request) override;
    std::optional<ColorDialogResult> chooseColor(const ColorDialogRequest &request) override;
    bool printDialog(QPrinter &printer) override;
    int execDialog(QDialog &dialog) override;
    void showHelp(const QString &helpFile, const QString &topic) override;

    std::vector<QString> messagesShown() const;

private:
    std::deque<int> messages;
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<ColorDialogResult>> colors;
    std::deque<std::function<bool(QPrinter &)>> prints;
    std::deque<std::function<int(QDialog &)>> dialogs;
};

// Installs a ScriptedModal for the lifetime of the object and puts the previous seam back after.
class ScopedScriptedModal
{
public:
    ScopedScriptedModal();
    ~ScopedScriptedModal();
    ScriptedModal &operator*() { return *modal_; }
    ScriptedModal *operator->() { return modal_; }

private:
    ScriptedModal *modal_;
    std::unique_ptr<ModalSeam> previous_;
};
