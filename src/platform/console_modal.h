// A modal seam for runs without a window: messages go to stderr and every question is answered "no".
#pragma once

#include "platform/modal.h"

#include <QStringList>

class ConsoleModalSeam : public ModalSeam
{
public:
    int messageBox(const QString &text, const QString &caption, int buttons) override;
    std::optional<QString> openFileName(const FileDialogRequest &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest &) override { return std::nullopt; }
    std::optional<ColorDialogResult> chooseColor(const ColorDialogRequest &) override { return std::nullopt; }
    bool printDialog(QPrinter &) override { return false; }
    int execDialog(QDialog &) override;
    void showHelp(const QString &, const QString &) override {}

    // Every message shown so far, in order.
    QStringList messages;
};
