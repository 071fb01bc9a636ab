// The Qt implementation of the modal seam.
#include "platform/modal.h"

#include "platform/colors.h"
#include "platform/help_window.h"
#include "platform/picture_file_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

QString QtFilterFromWindows(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        QString description = parts[i];
        // Qt reads the last parenthesis as the pattern list. A description that shows the patterns
        // already ("JPEG (*.jpg, *.jpeg)") ends with them in Qt's form rather than with them twice.
        const qsizetype open = description.lastIndexOf(u'(');
        if (open >= 0 && description.endsWith(u')')) {
            QString shown = description.mid(open + 1, description.size() - open - 2);
            shown.replace(u',', u' ').replace(u';', u' ');
            if (shown.simplified() == patterns.simplified())
                description = description.left(open).trimmed();
        }
        entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

QWidget *DialogOwner()
{
    // A dialog that is open asks its own questions over itself; otherwise the main window does.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    QWidget *fallback = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !qobject_cast<QMainWindow *>(w))
            continue;
        if (w->isActiveWindow())
            return w;
        if (!fallback)
            fallback = w;
    }
    return fallback;
}

QPoint CenteredOn(const QRect &owner, const QSize &size)
{
    return owner.center() - QPoint(size.width() / 2, size.height() / 2) + QPoint(1, 1);
}

int QtModalSeam::messageBox(const QString &text, const QString &caption, int buttons)
{
    // Parented, so the box opens centred on the window that asks.
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, DialogOwner());
    switch (buttons) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setEscapeButton(buttons == MB_YESNO ? QMessageBox::No
                        : buttons == MB_OK  ? QMessageBox::Ok
                                            : QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

static QString startPath(const FileDialogRequest &request)
{
    if (request.initialDir.isEmpty() || QFileInfo(request.fileName).isAbsolute())
        return request.fileName;
    if (request.fileName.isEmpty())
        return request.initialDir;
    return request.initialDir + u'/' + request.fileName;
}

std::optional<QString> QtModalSeam::openFileName(const FileDialogRequest &request)
{
    QString path = request.picturePreview
                       ? OpenPictureFileName(DialogOwner(), request.title, startPath(request),
                                             QtFilterFromWindows(request.filter))
                       : QFileDialog::getOpenFileName(DialogOwner(), request.title, startPath(request),
                                                      QtFilterFromWindows(request.filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtModalSeam::saveFileName(const FileDialogRequest &request)
{
    // The callers ask about overwriting themselves, with their own message.
    QString path = QFileDialog::getSaveFileName(DialogOwner(), request.title, startPath(request),
                                                QtFilterFromWindows(request.filter), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<ColorDialogResult> QtModalSeam::chooseColor(const ColorDialogRequest &request)
{
    // Qt keeps one set of custom colours for the whole program; each dialog shows the document's own.
    QColorDialog dialog(request.color, DialogOwner());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    QList<QColor> shown;
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        if (const auto color =
                i < request.customColors.size() ? CustomColorOf(request.customColors[i]) : std::nullopt)
            QColorDialog::setCustomColor(i, *color);
        else // a slot the document leaves unnamed must not show the previous document's colour
            QColorDialog::setCustomColor(i, Qt::white);
        shown << QColorDialog::customColor(i);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<QColor> chosen;
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        chosen << QColorDialog::customColor(i);
    return ColorDialogResult{dialog.selectedColor(), MergeCustomColors(request.customColors, shown, chosen)};
}

bool QtModalSeam::printDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, DialogOwner());
    return dialog.exec() == QDialog::Accepted;
}

int QtModalSeam::execDialog(QDialog &dialog)
{
    // A dialog without an owner would open in the middle of the screen; one that was placed keeps
    // its place.
    QWidget *owner = DialogOwner();
    if (!dialog.parentWidget() && !dialog.testAttribute(Qt::WA_Moved) && owner && owner != &dialog) {
        const QSize size = dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint();
        // Its frame is not there before it is shown; the owner's is the best guess of it.
        const QSize frame = owner->frameGeometry().size() - owner->size();
        dialog.move(CenteredOn(owner->frameGeometry(), size + frame));
    }
    return dialog.exec();
}

void QtModalSeam::showHelp(const QString &helpFile, const QString &topic)
{
    ShowHelpWindow(helpFile, topic);
}
