// TForm2: the card editor on top of the visual base: worksheet, object list, settings and editing state.
#pragma once

#include "editor/unit1.h"
#include "platform/colors.h"
#include "platform/graphics.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <array>

class QLabel;
class TColorDialog;
class TGraphicControl;
class TGridShape;
class TImage;
class TLabelEx;
class TQVShape;

// Units of the grid and image size dialogs.
enum TMeasureUnit { muPixel = 0, muMillimetre = 1, muInch = 2 };

class TForm2 : public TForm1
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // Worksheet.
    QWidget *DrawPanel = nullptr;
    TImage *BackgroundPicture = nullptr;
    TGridShape *GridOverlay = nullptr;
    TColorDialog *ColorDialog = nullptr;
    // The card objects, bottom first; the panel owns them.
    QList<QWidget *> ObjectList;
    std::array<QLabel *, 16> ColorPalette{};

    // Settings for new objects.
    TColor PenColor = clBlack;
    TColor BrushColor = 0xC0C0C0;
    TBrushStyle BrushStyle = bsClear;
    int PenWidth = 0;
    TPenStyle PenStyle = psSolid;
    QString FontName;
    int FontSize = 12;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    int CharGap = 0;
    bool SnapToGrid = true;
    bool KeepImageRatio = true;
    TMeasureUnit MeasureUnit = muPixel;

    // Conversion constants handed to the measuring dialogs.
    int PixelsPerMm = 5;
    float PixelsPerInch = 127.000254f;
    float InchesPerPixel = 0.007874f;
    float InchesPerMm = 0.03937f;
    float MmPerInch = 25.4f;

    // Tools.
    int CurrentTool = 0;
    bool ShapeToolOn = false;
    bool TextToolOn = false;
    bool PictureToolOn = false;
    bool CatchPhraseToolOn = false;
    bool TextEditOpen = false;
    bool EditingLabel = false;

    // Selection.
    QWidget *SelectedObject = nullptr;
    bool HasSelection = false;
    TQVShape *CurrentShape = nullptr;
    TLabelEx *CurrentLabel = nullptr;
    TImage *CurrentPicture = nullptr;
    std::array<TQVShape *, 8> SelectionHandles{};
    TQVShape *LabelFrame = nullptr;

    // Dragging.
    bool ButtonDown = false;
    bool Dragging = false;
    bool PressedOnObject = false;
    QPoint PressPoint;
    QPoint MousePoint;
    QRect DragRect;
    struct
    {
        int left = 0, top = 0, right = 0, bottom = 0, width = 0, height = 0;
    } ResizeOrigin;
    float ImageAspect = 1.0f;

    // Change tracking.
    bool Modified = false;
    int ModificationCount = 0;

    // Folders.
    QString PictureDirectory;
    QString CatchPhraseDirectory;
    QString BackgroundDirectory;

    // Records one change to the card.
    void NoteModified();
    // Discards the worksheet with everything on it and builds an empty one of the given size, with a
    // new background picture and grid overlay unless they are handed in (a loaded document's).
    void RebuildWorkSheet(int widthPx, int heightPx, TImage *background = nullptr,
                          TGridShape *grid = nullptr);
    // The worksheet's background picture and grid overlay as a new worksheet has them.
    static TImage *NewBackgroundPicture(QWidget *parent, int widthPx, int heightPx);
    static TGridShape *NewGridOverlay(QWidget *parent, int widthPx, int heightPx);
    // Puts a card object on the worksheet above the others and appends it to ObjectList.
    void AttachCardObject(TGraphicControl *object);
    // Paste is offered when the clipboard holds something a card can take and a worksheet exists.
    void UpdatePasteCommand();
    // Shows a colour on the F or B panel with its caption in the contrast colour.
    static void ShowPanelColor(QLabel *panel, TColor color);

protected:
    // The tool-bar and selection state a new worksheet starts from.
    virtual void ResetTools();

private:
    void createColorPalette();
};
