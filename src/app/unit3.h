// TForm3: the main window: documents, files, page setup, printing, window settings, help, About.
#pragma once

#include "editor/unit2.h"

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

    // Enables the document buttons as DocumentOpen says, then the paste command.
    void UpdateDocumentCommands();
    // The version text without its padding, for display.
    QString ProgramVersionText() const;

    void Contents1Click();
    void About1Click();
    void FileExitClick();

protected:
    void changeEvent(QEvent *event) override;
    // Runs each time the window becomes the active window.
    virtual void FormActivate();

private:
    QStringList arguments_;
};
