// The console modal seam.
#include "platform/console_modal.h"

#include <QDialog>
#include <cstdio>

int ConsoleModalSeam::messageBox(const QString &text, const QString &, int buttons)
{
    messages << text;
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    switch (buttons) {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int ConsoleModalSeam::execDialog(QDialog &)
{
    return QDialog::Rejected;
}
