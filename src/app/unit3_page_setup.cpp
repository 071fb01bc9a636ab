// TForm3: the page setup command: the dialog with the document's layout, and its results taken back.
#include "app/unit3.h"

#include "controls/gridshape.h"
#include "controls/image.h"
#include "layout/page_setup_data.h"
#include "layout/pageset.h"
#include "platform/application.h"

PageSetupData TForm3::pageSetupData() const
{
    PageSetupData document;
    document.Layout = PageLayout;
    document.Card() = Card();
    document.ProgramVersion = ProgramVersion;
    document.LegacyLayoutLoaded = LegacyLayoutLoaded;
    return document;
}

void TForm3::takePageSetupData(const PageSetupData &document)
{
    PageLayout = document.Layout;
    Card() = document.Card();
    LegacyLayoutLoaded = false;
}

void TForm3::FilePrintSetupClick()
{
    PageSetupData document = pageSetupData();
    TPageSetDlg dialog(document);
    placeDialog(dialog, WindowSettings.PageSetupLeft, WindowSettings.PageSetupTop);
    const bool accepted = Application().Modal().execDialog(dialog) == QDialog::Accepted;
    if (accepted) {
        const PageSetupChanges changes = TakePageSetupResults(dialog.Result(), document);
        takePageSetupData(document);
        if (changes.cardSize && DrawPanel) {
            DrawPanel->resize(WorkSheetWidthPx, WorkSheetHeightPx);
            BackgroundPicture->resize(DrawPanel->size());
            GridOverlay->resize(DrawPanel->size());
            ScrollBoxClient->setMinimumSize(WorkSheetWidthPx + 20, WorkSheetHeightPx + 20);
        }
        if (changes.modified)
            Modified = true;
        // The layout and card size are stored in the document: a change of them is an undo step.
        CardChanged();
    }
    WindowSettings.PageSetupTop = dialog.y();
    WindowSettings.PageSetupLeft = dialog.x();
}
