// The dialog that asks for the name under which a layout is registered as a user preset.
#pragma once

#include "layout/presets.h"

#include <QByteArray>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TSetNameInDlg : public QDialog
{
    Q_OBJECT
public:
    // `table` holds the names already taken.
    explicit TSetNameInDlg(const PresetTable &table, QWidget *parent = nullptr);

    QLabel *PromptLabel;
    QLineEdit *NameEdit;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    // Trims blanks and control characters from both ends of the name.
    void NameEditExit();
    // The name as the preset file stores it (CP932 bytes); valid after the dialog closed with OK.
    QByteArray Name() const;

    // Why a name cannot be registered: the string number of the message, or 0 when it can.
    static int RefusalFor(const QString &name, const PresetTable &table);

protected:
    // Closing with OK keeps the dialog open, after a message, while the name cannot be registered.
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const PresetTable &table_;
};
