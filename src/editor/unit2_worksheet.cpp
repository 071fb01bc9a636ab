// TForm2: building the worksheet: the panel, its background picture, grid overlay and colour dialog.
#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "editor/drawpanel.h"
#include "editor/tool_cursors.h"
#include "editor/unit2.h"
#include "platform/application.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QScopeGuard>
#include <QScrollArea>
#include <QToolButton>

TImage *TForm2::NewBackgroundPicture(QWidget *parent, int widthPx, int heightPx)
{
    auto *picture = new TImage(parent);
    picture->SetBounds(0, 0, widthPx, heightPx);
    picture->SetEnabled(false);
    picture->SetAutoSize(false);
    picture->SetStretch(true);
    return picture;
}

TGridShape *TForm2::NewGridOverlay(QWidget *parent, int widthPx, int heightPx)
{
    auto *grid = new TGridShape(parent);
    grid->SetBounds(0, 0, widthPx, heightPx);
    grid->Brush().SetStyle(bsClear);
    grid->SetEnabled(false);
    grid->SetGridWidth(10);
    grid->Pen().SetColor(0xC0C0C0);
    return grid;
}

void TForm2::DestroyWorkSheet()
{
    // Every tool is off on a new worksheet, and the tool bar shows it: the pointer, not a tool
    // button left pressed from before.
    returnToPointer();
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
    // The transient controls went with the panel; text being typed on the old card is dropped.
    SelectionHandles.fill(nullptr);
    LabelFrame = nullptr;
    InPlaceEditor = nullptr;
    if (TextEditOpen) {
        TextEditOpen = false;
        TextToolOn = false;
        EditingLabel = false;
        enableFontCombos(true);
        enableLineControls(true);
        enableCutCopy(false);
        showFontDefaults();
    }
    ButtonDown = false;
    Dragging = false;
    PressedOnObject = false;
}

void TForm2::RebuildWorkSheet(int widthPx, int heightPx, TImage *background, TGridShape *grid,
                              std::span<TGraphicControl *const> objects)
{
    DestroyWorkSheet();

    auto *panel = new TPanel(ScrollBoxClient);
    panel->SetColor(clWindow);
    panel->SetName(QStringLiteral("DrawPanel"));
    panel->SetBounds(10, 10, widthPx, heightPx);
    DrawPanel = panel;
    panel->OnMouseDown = mouseHook(&TForm2::DrawPanelMouseDown);
    panel->OnMouseMove = mouseHook(&TForm2::DrawPanelMouseMove);
    panel->OnMouseUp = mouseHook(&TForm2::DrawPanelMouseUp);
    panel->SetCursor(TextButton->isChecked()                             ? TextCursorSlot
                     : PointButton->isChecked()                          ? crDefault
                     : imageButton->isChecked() || CFButton->isChecked() ? ImageCursorSlot
                                                                         : ShapeCursorSlot);

    // A loaded document brings its own background and grid, read before the old worksheet went.
    BackgroundPicture = background ? background : NewBackgroundPicture(panel, widthPx, heightPx);
    BackgroundPicture->SetParent(panel);
    GridOverlay = grid ? grid : NewGridOverlay(panel, widthPx, heightPx);
    GridOverlay->SetParent(panel);

    delete ColorDialog;
    ColorDialog = new TColorDialog(this);

    ScrollBoxClient->setMinimumSize(widthPx + 20, heightPx + 20);
    showWithObjects(panel, objects);
}

void TForm2::showWithObjects(QWidget *panel, std::span<TGraphicControl *const> objects)
{
    // Attached to a shown panel, every object would ask its parent to lay out again, and each ask
    // searches Qt's whole event queue; shown, every object asks to be repainted on its own, and Qt
    // clips each such repaint by all the siblings above it. Both grow with the square of the number
    // of objects. So the objects go onto the hidden panel, their repaint requests are spent while
    // the panel's updates are held, and the panel is repainted once, whole.
    panel->hide(); // a new control shows itself
    panel->setUpdatesEnabled(false);
    const auto resumeUpdates = qScopeGuard([panel] { panel->setUpdatesEnabled(true); });
    for (TGraphicControl *object : objects)
        AttachCardObject(object);
    panel->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}
