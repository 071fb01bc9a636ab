// TForm1: the visual base of the main window, every control of its form layout and no behaviour.
#pragma once

#include <QMainWindow>

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QWidget;
class TCustomLabel;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // Font panel, row 1.
    QFrame *FontPanel;
    QComboBox *FontNameComboBox;
    QComboBox *FontSizeComboBox;
    QToolButton *BoldButton;
    QToolButton *ItalicButton;
    QToolButton *UnderlineButton;
    QLabel *Image1;
    QComboBox *GapComboBox;
    // Font panel, row 2: file and edit buttons.
    QToolButton *FileOpenButton;
    QToolButton *FileNewButton;
    QToolButton *FileSaveButton;
    QToolButton *PrintSetupButton;
    QToolButton *PrintPreviewButton;
    QToolButton *PrintButton;
    QToolButton *CutButton;
    QToolButton *CopyButton;
    QToolButton *PasteButton;
    QToolButton *UndoButton;
    QToolButton *RedoButton;
    QToolButton *BGImageButton;
    QToolButton *GridButton;
    QToolButton *HelpButton;

    // Tool box.
    QFrame *ToolBox;
    QToolButton *TextButton;
    QToolButton *PointButton;
    QToolButton *SquareButton;
    QToolButton *RectButton;
    QToolButton *CircleButton;
    QToolButton *EllipseButton;
    QToolButton *LineButton;
    QToolButton *imageButton;
    QToolButton *CFButton;
    QToolButton *psSolidButton;
    QToolButton *psDotButton;
    QToolButton *Width1;
    QToolButton *Width2;
    QToolButton *Width3;
    QToolButton *Width4;
    QToolButton *Width5;
    QToolButton *Width6;
    QButtonGroup *ToolGroup;      // group 1: the drawing tools
    QButtonGroup *LineWidthGroup; // group 2
    QButtonGroup *LineStyleGroup; // group 3

    // Colour panel and status bar.
    QFrame *ColorPanel;
    QLabel *ForColor;
    QLabel *BackColor;
    QStatusBar *StatusBar1;

    // The scroll box that holds the worksheet, and the client area the worksheet sits on.
    QScrollArea *ScrollBox0;
    QWidget *ScrollBoxClient;

    // Hidden helpers of the editor.
    QPlainTextEdit *TestMemo;
    TCustomLabel *TestLabel; // measures text as a plain label does
    QLabel *TestLabel1;

    // Main menu.
    QMenu *FileMenu;
    QAction *FileNew;
    QAction *FileOpen;
    QAction *FileSave;
    QAction *FileSaveAs;
    QAction *WorkSheetClear;
    QAction *FilePreview;
    QAction *FilePrint;
    QAction *FilePrintSetup;
    QAction *FileExit;
    QMenu *EditMenu;
    QAction *EditUndo;
    QAction *EditRedo;
    QAction *EditCut;
    QAction *EditCopy;
    QAction *EditPaste;
    QMenu *OtherMenu;
    QAction *OtherBGImage;
    QAction *OtherBGImageClear;
    QAction *BGGrid;
    QMenu *HelpMenu;
    QAction *Contents1;
    QAction *About1;

    // Context menu of the worksheet and its objects; every item starts hidden.
    QMenu *PopupMenu;
    QAction *PenColorChange;
    QAction *BrushColorChange;
    QAction *Brushed;
    QAction *FontColorChange;
    QAction *ImageChange;
    QAction *ImageReduction;
    QMenu *OrderMenu;
    QAction *Order;
    QAction *Front;
    QAction *Back;
    QAction *BGImageSetting;
    QAction *BGImageClear;
    QAction *GridSetting;

    // The size the form was designed at; the window settings may change it.
    static constexpr int DesignLeft = 256;
    static constexpr int DesignTop = 207;
    static constexpr int DesignWidth = 579;
    static constexpr int DesignHeight = 400;

private:
    void createFontPanel();
    void createToolBox();
    void createColorPanel();
    void createMenus();
    void buildPopupMenu();
};
