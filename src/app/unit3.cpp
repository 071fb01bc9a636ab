// TForm3: construction of the main window, its document commands' state, activation, help, About.
#include "app/unit3.h"

#include "app/about.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QAction>
#include <QEvent>
#include <QToolButton>

TForm3::TForm3(const QStringList &arguments, QWidget *parent) : TForm2(parent), arguments_(arguments)
{
    CurrentFileName.clear();
    DefaultFileName.clear();
    ProgramVersion = QByteArray("2.0j", 4) + QByteArray(4, '\0');
    DefaultFileName = QStringLiteral("newfile.zrd");
    setWindowTitle(LoadStr(Str::AppTitle));
    setWindowIcon(ProgramIconImage());
    Modified = false;
    DocumentOpen = false;
    UpdateDocumentCommands();
    StartupPending = true;

    connect(Contents1, &QAction::triggered, this, &TForm3::Contents1Click);
    connect(HelpButton, &QToolButton::clicked, this, &TForm3::Contents1Click);
    connect(About1, &QAction::triggered, this, &TForm3::About1Click);
    connect(FileExit, &QAction::triggered, this, &TForm3::FileExitClick);
}

QString TForm3::ProgramVersionText() const
{
    const int end = ProgramVersion.indexOf('\0');
    return QString::fromLatin1(end < 0 ? ProgramVersion : ProgramVersion.left(end));
}

void TForm3::UpdateDocumentCommands()
{
    for (QToolButton *b :
         {FileSaveButton, PrintSetupButton, PrintPreviewButton, PrintButton, BGImageButton, GridButton})
        b->setEnabled(DocumentOpen);
    UpdatePasteCommand();
}

void TForm3::changeEvent(QEvent *event)
{
    TForm2::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm3::FormActivate()
{
    UpdatePasteCommand();
    if (StartupPending)
        StartupPending = false;
}

void TForm3::Contents1Click()
{
    Application().HelpJump(QStringLiteral("top"));
}

void TForm3::About1Click()
{
    TAboutBox box(ProgramVersionText(), this);
    Application().Modal().execDialog(box);
}

void TForm3::FileExitClick()
{
    close();
}
