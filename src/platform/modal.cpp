// The Qt implementation of the modal seam.
#include "platform/modal.h"

#include "platform/help_window.h"
#include "platform/picture_file_dialog.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
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
        // Descriptions often show the patterns already; Qt reads the last parenthesis as the pattern list.
        entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

int QtModalSeam::messageBox(const QString &text, const QString &caption, int buttons)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text);
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
    if (request.initialDir.isEmpty())
        return request.fileName;
    if (request.fileName.isEmpty())
        return request.initialDir;
    return request.initialDir + u'/' + request.fileName;
}

std::optional<QString> QtModalSeam::openFileName(const FileDialogRequest &request)
{
    QString path =
        request.picturePreview
            ? OpenPictureFileName(request.title, startPath(request), QtFilterFromWindows(request.filter))
            : QFileDialog::getOpenFileName(nullptr, request.title, startPath(request),
                                           QtFilterFromWindows(request.filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtModalSeam::saveFileName(const FileDialogRequest &request)
{
    // The callers ask about overwriting themselves, with their own message.
    QString path = QFileDialog::getSaveFileName(nullptr, request.title, startPath(request),
                                                QtFilterFromWindows(request.filter), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<ColorDialogResult> QtModalSeam::chooseColor(const ColorDialogRequest &request)
{
    QColorDialog dialog(request.color);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    for (int i = 0; i < request.customColors.size() && i < QColorDialog::customCount(); ++i) {
        const QString &entry = request.customColors[i];
        const QString value = entry.section(u'=', 1);
        bool ok = false;
        const uint bgr = value.toUInt(&ok, 16);
        if (ok)
            QColorDialog::setCustomColor(i, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ColorDialogResult result{dialog.selectedColor(), {}};
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        const QColor c = QColorDialog::customColor(i);
        const uint bgr = uint(c.red()) | uint(c.green()) << 8 | uint(c.blue()) << 16;
        result.customColors
            << QStringLiteral("Color%1=%2").arg(QChar(u'A' + i)).arg(bgr, 6, 16, QChar(u'0')).toUpper();
    }
    return result;
}

bool QtModalSeam::printDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer);
    return dialog.exec() == QDialog::Accepted;
}

int QtModalSeam::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

void QtModalSeam::showHelp(const QString &helpFile, const QString &topic)
{
    ShowHelpWindow(helpFile, topic);
}
