// TForm3: the main window: documents, files, page setup, printing, window settings, help, About.
#pragma once

#include "editor/unit2.h"
#include "layout/page_layout.h"
#include "platform/window_settings.h"

#include <QByteArray>
#include <QString>

class TForm3 : public TForm2
{
    Q_OBJECT
public:
    explicit TForm3(const QStringList &arguments = {}, QWidget *parent = nullptr);

    QString CurrentFileName;
    QString DefaultFileName;
    bool DocumentOpen = false;
    bool StartupPending = true;
    QByteArray ProgramVersion; // 8 bytes: "2.0j" and zero bytes
    float WorkSheetWidthMM = 91.0f;
    float WorkSheetHeightMM = 55.0f;
    qint32 WorkSheetWidthPx = 455;
    qint32 WorkSheetHeightPx = 275;
    bool LegacyLayoutLoaded = false;
    QByteArray LoadedFileVersion;
    ::PageLayout PageLayout;
    ::WindowSettings WindowSettings;

    // Enables the document buttons as DocumentOpen says, then the paste command.
    void UpdateDocumentCommands();
    // The version text without its padding, for display.
    QString ProgramVersionText() const;

    // Runs each time the window becomes the active window.
    void FormActivate();
    void Contents1Click();
    void About1Click();
    void FileExitClick();
    void FilePrintSetupClick();

    // Reads norve.con and places the window as it says.
    void ReadWindowSettings();
    // Writes norve.con; a maximized window keeps the geometry it had before it was maximized.
    void WriteWindowSettings();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The window's place and size while it was last neither maximized nor minimized.
    QRect normalGeometry_;
    void rememberNormalGeometry();
    QStringList arguments_;
};
