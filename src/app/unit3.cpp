// TForm3: construction of the main window, its document commands' state, activation, help, About.
#include "app/unit3.h"

#include "app/about.h"
#include "app/version_text.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWindowStateChangeEvent>

TForm3::TForm3(const QStringList &arguments, QWidget *parent) : TForm2(parent), arguments_(arguments)
{
    CurrentFileName.clear();
    DefaultFileName.clear();
    ReadWindowSettings();
    ProgramVersion = QByteArray(ProgramVersionName).leftJustified(8, '\0');
    PageLayout = {};
    Card() = CardSize{};
    DefaultFileName = QStringLiteral("newfile.zrd");
    setWindowTitle(LoadStr(Str::AppTitle));
    setWindowIcon(ProgramIconImage());
    Modified = false;
    DocumentOpen = false;
    UpdateDocumentCommands();
    StartupPending = true;

    const auto command = [this](void (TForm3::*handler)()) { return Guarded(this, handler); };
    connect(Contents1, &QAction::triggered, this, command(&TForm3::Contents1Click));
    connect(HelpButton, &QToolButton::clicked, this, command(&TForm3::Contents1Click));
    connect(About1, &QAction::triggered, this, command(&TForm3::About1Click));
    connect(FileExit, &QAction::triggered, this, command(&TForm3::FileExitClick));
    connect(FileMenu, &QMenu::aboutToShow, this, command(&TForm3::FileMenuClick));
    connect(FilePrint, &QAction::triggered, this, command(&TForm3::FilePrintClick));
    connect(PrintButton, &QToolButton::clicked, this, command(&TForm3::FilePrintClick));
    connect(FilePrintSetup, &QAction::triggered, this, command(&TForm3::FilePrintSetupClick));
    connect(PrintSetupButton, &QToolButton::clicked, this, command(&TForm3::FilePrintSetupClick));
    connect(FilePreview, &QAction::triggered, this, command(&TForm3::FilePreviewClick));
    connect(PrintPreviewButton, &QToolButton::clicked, this, command(&TForm3::FilePreviewClick));
    connect(FileNew, &QAction::triggered, this, command(&TForm3::FileNewClick));
    connect(FileNewButton, &QToolButton::clicked, this, command(&TForm3::FileNewClick));
    connect(FileOpen, &QAction::triggered, this, command(&TForm3::FileOpenClick));
    connect(FileOpenButton, &QToolButton::clicked, this, command(&TForm3::FileOpenClick));
    connect(FileSave, &QAction::triggered, this, command(&TForm3::FileSaveClick));
    connect(FileSaveButton, &QToolButton::clicked, this, command(&TForm3::FileSaveClick));
    connect(FileSaveAs, &QAction::triggered, this, command(&TForm3::FileSaveAsClick));
    connect(WorkSheetClear, &QAction::triggered, this, command(&TForm3::WorkSheetClearClick));
    connect(EditUndo, &QAction::triggered, this, command(&TForm3::EditUndoClick));
    connect(UndoButton, &QToolButton::clicked, this, command(&TForm3::EditUndoClick));
    connect(EditRedo, &QAction::triggered, this, command(&TForm3::EditRedoClick));
    connect(RedoButton, &QToolButton::clicked, this, command(&TForm3::EditRedoClick));
    connect(EditMenu, &QMenu::aboutToShow, this, command(&TForm3::UpdateUndoCommands));
}

QString TForm3::ProgramVersionText() const
{
    const int end = ProgramVersion.indexOf('\0');
    return QString::fromLatin1(end < 0 ? ProgramVersion : ProgramVersion.left(end));
}

void TForm3::UpdateDocumentCommands()
{
    for (QToolButton *b : {FileSaveButton, PrintSetupButton, PrintPreviewButton, PrintButton, BGImageButton,
                           GridButton})
        b->setEnabled(DocumentOpen);
    // The menu items follow too, so their shortcuts cannot act on a document that is not there.
    FileMenuClick();
    UpdatePasteCommand();
}

void TForm3::changeEvent(QEvent *event)
{
    TForm2::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    if (event->type() == QEvent::WindowStateChange) {
        const bool wasMaximized =
            static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMaximized;
        if (isMaximized() && !wasMaximized) {
            // Remember the normal geometry, so the next start restores to it and then maximizes.
            WindowSettings.MainMaximized = 1;
            WindowSettings.MainTop = normalGeometry_.top();
            WindowSettings.MainLeft = normalGeometry_.left();
            WindowSettings.MainHeight = normalGeometry_.height();
            WindowSettings.MainWidth = normalGeometry_.width();
        } else if (!isMaximized() && !isMinimized() && wasMaximized) {
            WindowSettings.MainMaximized = 0;
        }
    }
}

void TForm3::showEvent(QShowEvent *event)
{
    TForm2::showEvent(event);
    // Without a window manager the window may never be activated; the start-up step runs all the same.
    if (StartupPending)
        QTimer::singleShot(0, this, [this] {
            if (StartupPending)
                FormActivate();
        });
}

void TForm3::FormActivate()
{
    if (WindowSettings.MainMaximized && !isMaximized())
        showMaximized();
    UpdatePasteCommand();
    if (StartupPending) {
        StartupPending = false;
        if (OpenFromCommandLine() == 1)
            ShowWizard(1);
    }
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
