// The scripted modal seam of the tests.
#include "scripted_modal.h"

#include "platform/application.h"

#include <gtest/gtest.h>

namespace {
template <typename T> T takeFront(std::deque<T> &queue)
{
    T value(std::move(queue.front()));
    queue.pop_front();
    return value;
}
} // namespace

int ScriptedModal::messageBox(const QString &text, const QString &caption, int buttons)
{
    asked.push_back({QStringLiteral("message"), text, caption, buttons, {}});
    if (messages.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        return buttons == MB_OK ? IDOK : IDCANCEL;
    }
    const int r = messages.front();
    messages.pop_front();
    return r;
}

std::optional<QString> ScriptedModal::openFileName(const FileDialogRequest &request)
{
    asked.push_back({QStringLiteral("open"), request.title, {}, -1, request});
    if (files.empty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return std::nullopt;
    }
    return takeFront(files);
}

std::optional<QString> ScriptedModal::saveFileName(const FileDialogRequest &request)
{
    asked.push_back({QStringLiteral("save"), request.title, {}, -1, request});
    if (files.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return std::nullopt;
    }
    return takeFront(files);
}

std::optional<ColorDialogResult> ScriptedModal::chooseColor(const ColorDialogRequest &request)
{
    colorRequests.push_back(request);
    asked.push_back({QStringLiteral("color"), {}, {}, -1, {}});
    if (colors.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    return takeFront(colors);
}

bool ScriptedModal::printDialog(QPrinter &printer)
{
    asked.push_back({QStringLiteral("print"), {}, {}, -1, {}});
    if (prints.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    const auto choose = std::move(prints.front());
    prints.pop_front();
    return choose(printer);
}

int ScriptedModal::execDialog(QDialog &dialog)
{
    asked.push_back({QStringLiteral("dialog"), dialog.windowTitle(), {}, -1, {}});
    if (dialogs.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    auto act = std::move(dialogs.front());
    dialogs.pop_front();
    return act(dialog);
}

void ScriptedModal::showHelp(const QString &helpFile, const QString &topic)
{
    asked.push_back({QStringLiteral("help"), helpFile, topic, -1, {}});
}

std::vector<QString> ScriptedModal::messagesShown() const
{
    std::vector<QString> texts;
    for (const AskedInteraction &a : asked)
        if (a.kind == QLatin1String("message"))
            texts.push_back(a.text);
    return texts;
}

ScopedScriptedModal::ScopedScriptedModal()
{
    auto modal = std::make_unique<ScriptedModal>();
    modal_ = modal.get();
    previous_ = Application().SetModal(std::move(modal));
}

ScopedScriptedModal::~ScopedScriptedModal()
{
    Application().SetModal(std::move(previous_));
}
