// TForm3: the file commands: New, Open, Save, Save As, Clear worksheet, the File menu and the close query.
#include "app/unit3.h"

#include "app/command_line.h"
#include "controls/image.h"
#include "layout/page_setup_data.h"
#include "layout/pageset.h"
#include "platform/application.h"
#include "platform/help_window.h"
#include "platform/strings.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

int ask(int text, int buttons)
{
    return Application().MessageBox(LoadStr(text), LoadStr(Str::MessageCaption), buttons);
}

} // namespace

FileDialogRequest TForm3::documentDialog(const QString &title, const QString &fileName) const
{
    return {title, LoadStr(Str::DocumentFilter), DocumentDialogFolder(), fileName};
}

QString TForm3::DocumentDialogFolder() const
{
    // A document that was opened or saved has a path; a new one ("newfile.zrd") has none.
    if (!CurrentFileName.isEmpty() && CurrentFileName != DefaultFileName) {
        const QFileInfo file(CurrentFileName);
        if (file.absoluteDir().exists())
            return file.absolutePath();
    }
    return UserDocumentsDirectory();
}

QString EnsureExtension(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".zrd")) ? fileName : fileName + QStringLiteral(".zrd");
}

void TForm3::ShowTitleLine()
{
    setWindowTitle(LoadStr(Str::AppTitle) + QStringLiteral("  ") + CurrentFileName);
}

void TForm3::DiscardFailedDocument()
{
    DestroyWorkSheet();
    Modified = false;
    DocumentOpen = false;
    startHistory();
    // No document is left, so the title names none.
    setWindowTitle(LoadStr(Str::AppTitle));
    UpdateDocumentCommands();
}

bool TForm3::QuerySaveChanges()
{
    while (Modified) {
        switch (ask(Str::ChangedSavePrompt, MB_YESNOCANCEL)) {
        case IDYES:
            if (CurrentFileName != DefaultFileName) {
                if (!RunGuarded([&] { SaveDocument(CurrentFileName); }))
                    return false;
                return true;
            }
            if (SaveDocumentAs() == 0)
                return true;
            break; // the save dialog was cancelled: ask again
        case IDNO:
            return true;
        default:
            return false;
        }
    }
    return true;
}

void TForm3::FileMenuClick()
{
    for (QAction *a : {FileSave, FileSaveAs, WorkSheetClear, FilePrint, FilePrintSetup, FilePreview})
        a->setEnabled(DocumentOpen);
}

void TForm3::FileNewClick()
{
    if (QuerySaveChanges())
        ShowWizard(2);
}

void TForm3::NewFromPageSetup()
{
    LegacyLayoutLoaded = false;
    TPageSetDlg dialog(NewDocumentPageSetup(ProgramVersion));
    dialog.setWindowTitle(LoadStr(Str::NewDocument));
    placeDialog(dialog, WindowSettings.PageSetupLeft, WindowSettings.PageSetupTop);
    if (Application().Modal().execDialog(dialog) == QDialog::Accepted) {
        PageSetupData document;
        TakePageSetupResults(dialog.Result(), document);
        takePageSetupData(document);
        RebuildWorkSheet(WorkSheetWidthPx, WorkSheetHeightPx);
        BackgroundPicture->SetVisible(false);
        CurrentFileName = DefaultFileName;
        ShowTitleLine();
        DocumentOpen = true;
        UpdateDocumentCommands();
        Modified = true;
        startHistory();
    }
    WindowSettings.PageSetupTop = dialog.y();
    WindowSettings.PageSetupLeft = dialog.x();
}

void TForm3::FileOpenClick()
{
    if (!QuerySaveChanges())
        return;
    const auto path = Application().Modal().openFileName(documentDialog({}, {}));
    if (!path)
        return;
    OpenDocument(*path);
}

bool TForm3::OpenDocument(const QString &path)
{
    if (LoadDocument(path) != 0) {
        DiscardFailedDocument();
        return false;
    }
    CurrentFileName = path;
    ShowTitleLine();
    DocumentOpen = true;
    UpdateDocumentCommands();
    return true;
}

void TForm3::FileSaveClick()
{
    if (CurrentFileName != DefaultFileName)
        SaveDocument(CurrentFileName);
    else
        SaveDocumentAs();
}

void TForm3::FileSaveAsClick()
{
    SaveDocumentAs();
}

std::optional<QString> TForm3::ChooseSaveName()
{
    for (;;) {
        const auto chosen = Application().Modal().saveFileName(
            documentDialog(LoadStr(Str::SaveDialogTitle), CurrentFileName));
        if (!chosen)
            return std::nullopt;
        const QString name = EnsureExtension(*chosen);
        if (!QFile::exists(name) || ask(Str::OverwritePrompt, MB_OKCANCEL) == IDOK)
            return name;
    }
}

int TForm3::SaveDocumentAs()
{
    const auto name = ChooseSaveName();
    if (!name)
        return -1;
    SaveDocument(*name);
    if (CurrentFileName == DefaultFileName) {
        CurrentFileName = *name;
        ShowTitleLine();
    } else if (CurrentFileName != *name && ask(Str::AdoptNamePrompt, MB_YESNO) == IDYES) {
        CurrentFileName = *name;
        ShowTitleLine();
    }
    return 0;
}

void TForm3::WorkSheetClearClick()
{
    if (ask(Str::ClearWorksheetPrompt, MB_OKCANCEL) != IDOK)
        return;
    RebuildWorkSheet(WorkSheetWidthPx, WorkSheetHeightPx);
    BackgroundPicture->SetVisible(false);
    Modified = true;
    startHistory();
}

bool TForm3::FormCloseQuery()
{
    if (!Modified)
        return true;
    switch (ask(Str::ChangedSavePrompt, MB_YESNOCANCEL)) {
    case IDYES:
        if (CurrentFileName != DefaultFileName)
            return RunGuarded([&] { SaveDocument(CurrentFileName); });
        {
            const auto name = ChooseSaveName();
            return name && RunGuarded([&] { SaveDocument(*name); });
        }
    case IDNO:
        return true;
    default:
        return false;
    }
}

void TForm3::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written is reported, but it does not keep the window open.
    RunGuarded([this] { WriteWindowSettings(); });
    CloseHelpWindow();
    event->accept();
}

int TForm3::OpenFromCommandLine()
{
    int result = 1;
    // The path is used as given: lower-casing it would lose files on a case-sensitive file system.
    if (arguments_.size() == 1 && IsDocumentPath(arguments_[0]) && QFileInfo(arguments_[0]).isFile()) {
        if (LoadDocument(arguments_[0]) == 0) {
            CurrentFileName = arguments_[0];
            ShowTitleLine();
            DocumentOpen = true;
            result = 0;
        } else {
            DiscardFailedDocument();
        }
    }
    UpdateDocumentCommands();
    return result;
}
