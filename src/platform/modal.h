// The one seam for every modal interaction: message boxes, standard dialogs, the program's own dialogs.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// Button sets and answers of message boxes, as the Windows API numbers them.
enum MessageButtons { MB_OK = 0, MB_OKCANCEL = 1, MB_YESNOCANCEL = 3, MB_YESNO = 4 };
enum MessageResult { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct FileDialogRequest
{
    QString title;
    QString filter; // "description|pattern|description|pattern", patterns separated by ';'
    QString initialDir;
    QString fileName;
    bool picturePreview = false; // the open dialog shows the selected picture beside the list
};

struct ColorDialogRequest
{
    QColor color;
    QStringList customColors; // "ColorA=BBGGRR" entries (platform/custom_colors.h)
};

struct ColorDialogResult
{
    QColor color;
    QStringList customColors;
};

class ModalSeam
{
public:
    virtual ~ModalSeam() = default;
    // Returns one of MessageResult.
    virtual int messageBox(const QString &text, const QString &caption, int buttons) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFileName(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest &request) = 0;
    virtual std::optional<ColorDialogResult> chooseColor(const ColorDialogRequest &request) = 0;
    virtual bool printDialog(QPrinter &printer) = 0;
    // Runs one of the program's own dialogs; returns its result code.
    virtual int execDialog(QDialog &dialog) = 0;
    // Shows the help file at a topic (not modal, but an interaction with the user all the same).
    virtual void showHelp(const QString &helpFile, const QString &topic) = 0;
};

// The Qt dialogs.
class QtModalSeam : public ModalSeam
{
public:
    int messageBox(const QString &text, const QString &caption, int buttons) override;
    std::optional<QString> openFileName(const FileDialogRequest &request) override;
    std::optional<QString> saveFileName(const FileDialogRequest &request) override;
    std::optional<ColorDialogResult> chooseColor(const ColorDialogRequest &request) override;
    bool printDialog(QPrinter &printer) override;
    int execDialog(QDialog &dialog) override;
    void showHelp(const QString &helpFile, const QString &topic) override;
};

// The window a dialog belongs to, so it opens centred on it: the open dialog if there is one, else
// the main window (the active one first); null before any window is shown.
QWidget *DialogOwner();
// The top-left corner that centres a window of `size` on `owner`.
QPoint CenteredOn(const QRect &owner, const QSize &size);

// "desc|*.a;*.b|desc2|*.c" as Qt's filter list "desc (*.a *.b);;desc2 (*.c)".
QString QtFilterFromWindows(const QString &filter);
