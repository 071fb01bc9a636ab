// TForm2: the card editor on top of the visual base: worksheet, object list, settings and editing state.
#pragma once

#include "controls/card_classes.h"
#include "controls/graphiccontrol.h"
#include "dialogs/units.h"
#include "editor/attribute_rules.h"
#include "editor/edit_geometry.h"
#include "editor/unit1.h"
#include "platform/colors.h"
#include "platform/graphics.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <array>
#include <optional>
#include <span>

class QComboBox;
class QImage;
class QLabel;
class QRadioButton;
class TColorDialog;
class TGraphicControl;
class TGridShape;
class TImage;
class TInPlaceEditor;
class TLabelEx;
class TPicture;
class TQVShape;

// Units of the grid and image size dialogs.
enum TMeasureUnit { muPixel = 0, muMillimetre = 1, muInch = 2 };

// The picture dialog's filter: bitmaps or JPEG files first, then PNG files, then every picture format.
QString PictureFilter(bool bitmapFirst);

// The conversion constants are the editor's own, handed to the measuring dialogs.
class TForm2 : public TForm1, public ConversionConstants
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
    std::array<TQVShape *, HandleCount> SelectionHandles{};
    TQVShape *LabelFrame = nullptr;
    // The edit box of in-place text editing; exists while TextEditOpen.
    TInPlaceEditor *InPlaceEditor = nullptr;

    // Dragging.
    bool ButtonDown = false;
    bool Dragging = false;
    bool PressedOnObject = false;
    QPoint PressPoint;
    QPoint MousePoint;
    EditRect DragRect;
    TResizeOrigin ResizeOrigin;
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
    // Discards the worksheet with everything on it and builds a new one of the given size, with a
    // new background picture and grid overlay unless they are handed in (a loaded document's), and
    // the objects handed in attached in their order, bottom first.
    void RebuildWorkSheet(int widthPx, int heightPx, TImage *background = nullptr, TGridShape *grid = nullptr,
                          std::span<TGraphicControl *const> objects = {});
    // Resets the tools and destroys the worksheet with everything on it; nothing keeps pointing into it.
    void DestroyWorkSheet();
    // The worksheet's background picture and grid overlay as a new worksheet has them.
    static TImage *NewBackgroundPicture(QWidget *parent, int widthPx, int heightPx);
    static TGridShape *NewGridOverlay(QWidget *parent, int widthPx, int heightPx);
    // Shows the grid when it is hidden and hides it when it is shown.
    void GridButtonClick();
    // Paste is offered when the clipboard holds something a card can take and a worksheet exists.
    void UpdatePasteCommand();
    // Shows a colour on the F or B panel with its caption in the contrast colour.
    static void ShowPanelColor(QLabel *panel, TColor color);

    // Card objects. Puts the object on the worksheet above the others (an object read off the worksheet
    // moves onto it), attaches the press, drag and release handlers of its kind (and the double-click
    // of a label) and appends it to ObjectList; anything but a shape, label or picture is
    // refused with a VelmoraError.
    void AttachCardObject(TGraphicControl *object);
    // Takes an object off the worksheet and out of ObjectList, deselecting first; counts a change.
    void RemoveCardObject(QWidget *object);

    // Tools (unit2_mouse_tools.cpp).
    // Clears the tool flags, deselects, takes the focus off the tool bar and puts the tool hints back.
    virtual void ResetTools();
    // A point rounded to the grid pitch.
    QPoint SnapPoint(int x, int y) const;
    void PointButtonClick();
    void RectButtonClick();
    void SquareButtonClick();
    void EllipseButtonClick();
    void CircleButtonClick();
    void LineButtonClick();
    void TextButtonClick();
    void imageButtonClick();
    void CFButtonClick();

    // Mouse events of the worksheet, the card objects and the handles; coordinates are the receiving
    // control's own.
    void DrawPanelMouseDown(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                            int x, int y);
    void DrawPanelMouseMove(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                            int x, int y);
    void DrawPanelMouseUp(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                          int y);
    void ObjectMouseDown(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                         int y);
    void ObjectMouseMove(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                         int y);
    void ObjectMouseUp(TGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                       int y);
    void HandleMouseDown(int handle, Qt::KeyboardModifiers shift, int x, int y);
    void HandleMouseMove(int handle, Qt::KeyboardModifiers shift, int x, int y);
    void HandleMouseUp(int handle);
    // Double-click on a label: open it for editing.
    void LabelDblClick(TGraphicControl *sender);

    // Selection (unit2_selection.cpp).
    void SelectObject(QWidget *object, int top, int left, int height, int width);
    void Deselect();

    // In-place text editing (unit2_textedit.cpp).
    void OpenEditorForNewLabel(int x, int y);
    void FitEditorToText();
    void CommitTextEdit();
    void BeginLabelEdit();
    // Sets bold, italic and underline of a font as the three style buttons show.
    void ApplyFontButtons(TFont &font);

    // Pictures and the background (unit2_pictures.cpp).
    // Places a picture (kind 0) or catch-phrase picture (kind 1) chosen in the picture dialog with its
    // top-left corner at PressPoint.
    void PlacePicture(int kind);
    // Replaces the selected picture's picture with a chosen file; it takes the file's size.
    void ImageChangeClick();
    // Resizes CurrentPicture to the size entered in the image size dialog.
    void ImageReductionClick();
    // Loads a chosen file as the background picture, stretched over the whole card.
    void ChooseBackground();
    // Puts an empty, hidden background picture in place of the present one.
    void ClearBackground();
    // Enables the その他 menu's items for the worksheet's state; runs when the menu opens.
    void OtherMenuClick();

    // Grid (unit2_grid.cpp): the grid setting dialog's round trip.
    void EditGridSettings();

    // Attribute commands (unit2_colors.cpp, unit2_attributes.cpp). Each acts on the text being typed,
    // the selected label, the selected shape or else the settings for new objects.
    void ForColorClick();
    void BackColorClick();
    // A press on a palette swatch: the left button picks a line or text colour, any other a fill colour.
    void ColorPaletteMouseDown(QLabel *swatch, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                               QPoint point);
    void PenColorChangeClick();
    void BrushColorChangeClick();
    void BrushedClick();
    void FontColorChangeClick();
    void Width1Click();
    void Width2Click();
    void Width3Click();
    void Width4Click();
    void Width5Click();
    void Width6Click();
    void psSolidButtonClick();
    void psDotButtonClick();
    // The style buttons act after their down state has toggled.
    void BoldButtonClick();
    void ItalicButtonClick();
    void UnderlineButtonClick();
    // The font combos act when the keyboard focus leaves them.
    void FontNameComboBoxExit();
    void FontSizeComboBoxExit();
    void GapComboBoxExit();

    // Clipboard and deletion (unit2_clipboard.cpp).
    // A key press seen before the focused control gets it: Delete removes the selected object.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    // The copy step of Cut and Copy: the editor's selected text, or the selected object.
    void CopySelection();
    void EditCutClick();
    void EditCopyClick();
    // Pastes the component format, else text as a label, else an image as a picture; "Clipboard
    // Error" and nothing added when none of them can be taken.
    void EditPasteClick();

    // Stacking order (unit2_stacking.cpp): the selected object above or below all other card objects.
    void FrontClick();
    void BackClick();

protected:
    // A change to what the document stores (every NoteModified, and the grid pitch, which is not
    // counted as a change); the main window keeps the card's states for undo.
    virtual void CardChanged() {}
    // Palette presses, the F and B panels' clicks, the combos' exits, and key presses before the
    // focused control takes them.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Shows the pop-up items for a card object, or for the worksheet when `object` is null, and opens
    // the pop-up menu at a point on the screen.
    void showPopupFor(QWidget *object, QPoint globalPos);

private:
    // Attaches the objects to the new, hidden worksheet panel and shows it, repainted once.
    void showWithObjects(QWidget *panel, std::span<TGraphicControl *const> objects);
    void createColorPalette();
    // Widens the font drop-down to its longest name.
    void fitFontListWidth();
    void connectPictureCommands();
    void connectGridCommands();
    // The picture dialog in a folder, listing JPEG files first for catch-phrases, else bitmaps.
    std::optional<QString> choosePictureFile(bool catchPhraseFirst, const QString &folder);
    // Opens the picture dialog for a picture (tag 0) or catch-phrase picture and loads the chosen file;
    // false when cancelled. Loading a picture makes its folder the next picture dialog's.
    bool loadPictureOfKind(int tag, TPicture &loaded);
    // Gives the object the picture at its natural size, stretched.
    static void takePicture(TImage *picture, const TPicture &loaded);
    // The measuring dialogs' unit buttons from and to MeasureUnit.
    void showMeasureUnit(QRadioButton *pix, QRadioButton *mm, QRadioButton *inch) const;
    static TMeasureUnit chosenMeasureUnit(const QRadioButton *pix, const QRadioButton *inch);
    void connectToolButtons();
    void setUpPopupMenu();
    void hidePopupItems();
    // Wires the attribute, clipboard and stacking commands to their controls (unit2_commands.cpp).
    void connectEditingCommands();
    void setPasteEnabled(bool on);

    // Attribute commands.
    TLabelEx *selectedLabel() const;
    TQVShape *selectedShape() const;
    TColorDialog *colorDialog();
    // The colour dialog on `present`: the chosen colour, or nothing when cancelled.
    std::optional<TColor> runColorDialog(TColor present);
    // The same, giving a colour only when the user confirmed one other than `present`.
    std::optional<TColor> changedColorFromDialog(TColor present);
    void lineCommandClick(LineCommand button);
    void styleButtonClick(QToolButton *button, bool &setting);
    // Keeps only the combo's digits (`whenEmpty` for none) and shows them; returns them.
    QString cleanNumberCombo(QComboBox *combo, const QString &whenEmpty);

    // Clipboard.
    void pasteComponent(const QByteArray &stream);
    void pasteText(const QString &text);
    void pastePicture(const QImage &image);

    // Tools.
    void chooseTool(int tool, bool *flag, TCursor cursor, int prompt, QToolButton *button);
    void returnToPointer();
    void setWorksheetCursor(TCursor cursor);
    void showWorksheetHint(bool on);
    bool snapApplies(Qt::KeyboardModifiers shift) const;
    int snapPitch(Qt::KeyboardModifiers shift) const;
    QPoint snapIfApplies(Qt::KeyboardModifiers shift, int x, int y) const;

    // Card objects.
    using MouseHandler = void (TForm2::*)(TGraphicControl *, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                          int);
    // A control's mouse hook running one of the handlers above; what escapes the handler is shown by
    // the default exception box and ends that handler.
    TMouseEvent mouseHook(MouseHandler handler);
    void attachHandlers(TGraphicControl *object);
    void forgetObject(QWidget *object);

    // Selection.
    void createHandles(const EditRect &box, bool line, TQVShapeType shape);
    void placeHandles(const EditRect &box);
    void destroyHandles();
    void createLabelFrame(const EditRect &box);
    void applyCombosToLabel(TLabelEx *label);

    // Tool-bar state (unit2_toolbar_state.cpp).
    void enableCutCopy(bool on);
    void enableStyleButtons(bool on);
    void enableFontCombos(bool on);
    void enableLineControls(bool on);
    void showLineSettings(int width, TPenStyle style);
    void showFontState(bool bold, bool italic, bool underline);
    void showFontTexts(const QString &name, int size, int gap);
    void showFontDefaults();

    // Text editing.
    QSize measurePlainLabel(const TFont &font, const QString &text);
    TInPlaceEditor *createEditor(int left, int top);
    void closeEditor();
    void fitLabelToText(TLabelEx *label);

    // The shape a press on the worksheet began with a shape tool, until its release.
    QPointer<QWidget> drawingShape_;
    // The handle being dragged, or -1.
    int resizeHandle_ = -1;
};
