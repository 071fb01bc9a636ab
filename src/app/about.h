// The About box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    TAboutBox(const QString &versionText, QWidget *parent = nullptr);

    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QPushButton *OKButton;
};

// The program icon, drawn in code: a business card with a pen stroke.
QIcon ProgramIconImage();
