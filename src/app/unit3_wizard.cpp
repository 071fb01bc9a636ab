// TForm3: the start-up wizard shown and its choice carried out.
#include "app/unit3.h"

#include "dialogs/wizard.h"
#include "editor/drawpanel.h"
#include "layout/card_copy.h"
#include "platform/application.h"
#include "platform/strings.h"

void TForm3::ShowWizard(int startPage)
{
    // The preview is the card copy's, which lives above the dialogs; the wizard only places it.
    TWizardDlg wizard(
        [](const QByteArray &file) -> std::unique_ptr<QWidget> { return ComposeTemplatePreview(file); },
        ApplicationDirectory(), this);
    wizard.setWindowTitle(LoadStr(Str::WizardCaption));
    wizard.StartPage = startPage;
    if (Application().Modal().execDialog(wizard) != QDialog::Accepted)
        return;
    switch (wizard.WizardChoice) {
    case 1:
        FileOpenClick();
        break;
    case 2:
        NewFromPageSetup();
        break;
    case 3:
        // The template is read as a new document: it never becomes the current file.
        if (LoadDocument(wizard.TemplatePath) != 0) {
            DiscardFailedDocument();
            break;
        }
        CurrentFileName = DefaultFileName;
        ShowTitleLine();
        DocumentOpen = true;
        UpdateDocumentCommands();
        break;
    default:
        break;
    }
}
