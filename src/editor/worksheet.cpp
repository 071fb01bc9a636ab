// TForm2: building the worksheet: the panel, its background picture, grid overlay and colour dialog.
#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "editor/cursors.h"
#include "editor/drawpanel.h"
#include "editor/unit2.h"

#include <QScrollArea>
#include <QToolButton>

void TForm2::RebuildWorkSheet(int widthPx, int heightPx)
{
    ResetTools();
    // The panel owns every card object; the references into it go with it.
    delete DrawPanel;
    DrawPanel = nullptr;
    BackgroundPicture = nullptr;
    GridOverlay = nullptr;
    ObjectList.clear();
    SelectedObject = nullptr;
    CurrentShape = nullptr;
    CurrentLabel = nullptr;
    CurrentPicture = nullptr;
    HasSelection = false;

    auto *panel = new TPanel(ScrollBoxClient);
    panel->SetColor(clWindow);
    panel->SetName(QStringLiteral("DrawPanel"));
    panel->SetBounds(10, 10, widthPx, heightPx);
    DrawPanel = panel;
    panel->SetCursor(TextButton->isChecked()                             ? TextCursorSlot
                     : PointButton->isChecked()                          ? crDefault
                     : imageButton->isChecked() || CFButton->isChecked() ? ImageCursorSlot
                                                                         : ShapeCursorSlot);

    BackgroundPicture = new TImage(panel);
    BackgroundPicture->SetBounds(0, 0, widthPx, heightPx);
    BackgroundPicture->SetEnabled(false);
    BackgroundPicture->SetAutoSize(false);
    BackgroundPicture->SetStretch(true);

    GridOverlay = new TGridShape(panel);
    GridOverlay->SetBounds(0, 0, widthPx, heightPx);
    GridOverlay->Brush().SetStyle(bsClear);
    GridOverlay->SetEnabled(false);
    GridOverlay->SetGridWidth(10);
    GridOverlay->Pen().SetColor(0xC0C0C0);

    delete ColorDialog;
    ColorDialog = new TColorDialog(this);

    ScrollBoxClient->setMinimumSize(widthPx + 20, heightPx + 20);
    panel->show();
}
