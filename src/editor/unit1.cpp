// TForm1: builds the main window's controls at their designed places and sizes.
#include "editor/unit1.h"

#include "controls/customlabel.h"
#include "editor/glyphs.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>

namespace {

QToolButton *speedButton(QWidget *parent, int x, int y, int w, int h, const QString &hint,
                         const QIcon &icon = {})
{
    auto *button = new QToolButton(parent);
    button->setGeometry(x, y, w, h);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setIconSize(icon.availableSizes().value(0, QSize(w - 4, h - 4)));
    }
    return button;
}

QComboBox *comboBox(QWidget *parent, int x, int y, int w, const QString &hint, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setGeometry(x, y, w, 20);
    combo->setToolTip(hint);
    combo->addItems(items);
    return combo;
}

QFrame *panel(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

QLabel *colorBox(QWidget *parent, int x, const QString &caption, const QString &hint)
{
    auto *box = new QLabel(caption, parent);
    box->setGeometry(x, 8, 25, 25);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setAutoFillBackground(true);
    box->setToolTip(hint);
    return box;
}

QAction *menuItem(QMenu *menu, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction *popupItem(QMenu *menu, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setVisible(false);
    return action;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    QFont formFont(QStringLiteral("ＭＳ Ｐゴシック"));
    formFont.setPixelSize(12);
    setFont(formFont);
    setGeometry(DesignLeft, DesignTop, DesignWidth, DesignHeight);

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Takes the keyboard focus away from the tool bar; the font panel covers it.
    TestMemo = new QPlainTextEdit(central);
    TestMemo->setGeometry(0, 0, 8, 8);

    createFontPanel();
    column->addWidget(FontPanel);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(0);
    createToolBox();
    middle->addWidget(ToolBox);
    ScrollBox0 = new QScrollArea(central);
    ScrollBox0->setObjectName(QStringLiteral("ScrollBox0"));
    ScrollBox0->setFrameStyle(QFrame::Box | QFrame::Plain);
    ScrollBox0->setLineWidth(1);
    ScrollBoxClient = new QWidget;
    ScrollBoxClient->setAutoFillBackground(true);
    QPalette workspace = ScrollBoxClient->palette();
    workspace.setColor(QPalette::Window, QColor(0xAB, 0xAB, 0xAB));
    ScrollBoxClient->setPalette(workspace);
    ScrollBox0->setWidget(ScrollBoxClient);
    ScrollBox0->setWidgetResizable(true);
    middle->addWidget(ScrollBox0, 1);
    column->addLayout(middle, 1);

    createColorPanel();
    column->addWidget(ColorPanel);

    StatusBar1 = statusBar();
    StatusBar1->setFixedHeight(19);

    FontPanel->raise();
    createMenus();
    buildPopupMenu();
}

void TForm1::createFontPanel()
{
    FontPanel = panel(centralWidget());
    FontPanel->setObjectName(QStringLiteral("FontPanel"));
    FontPanel->setFixedHeight(57);
    FontPanel->setAutoFillBackground(true);

    FontNameComboBox = comboBox(FontPanel, 8, 6, 145, QStringLiteral("フォント選択"), {});
    QStringList sizes;
    for (int s : {5,  6,  7,  8,  9,  10, 11, 12, 14, 16, 18, 20, 22, 24,
                  26, 28, 32, 36, 40, 44, 48, 54, 60, 66, 72, 80, 88, 96})
        sizes << QString::number(s);
    FontSizeComboBox = comboBox(FontPanel, 160, 6, 49, QStringLiteral("フォントサイズ選択"), sizes);
    BoldButton = speedButton(FontPanel, 224, 5, 25, 25, QStringLiteral("太線"), GlyphIcon(Glyph::Bold));
    ItalicButton = speedButton(FontPanel, 249, 5, 25, 25, QStringLiteral("斜体"), GlyphIcon(Glyph::Italic));
    UnderlineButton =
        speedButton(FontPanel, 274, 5, 25, 25, QStringLiteral("下線"), GlyphIcon(Glyph::Underline));
    for (QToolButton *b : {BoldButton, ItalicButton, UnderlineButton})
        b->setCheckable(true); // each its own group that may be all up
    Image1 = new QLabel(FontPanel);
    Image1->setGeometry(312, 6, 24, 22);
    Image1->setPixmap(GlyphIcon(Glyph::Gap).pixmap(22, 22));
    QStringList gaps;
    for (int g = 0; g <= 20; ++g)
        gaps << QString::number(g);
    for (int g : {22, 24, 26, 28, 30})
        gaps << QString::number(g);
    GapComboBox = comboBox(FontPanel, 344, 6, 49, QStringLiteral("字間調整"), gaps);

    struct Row2
    {
        QToolButton **button;
        const char *hint;
        Glyph glyph;
    };
    const Row2 row2[] = {
        {&FileOpenButton, "開く", Glyph::Open},
        {&FileNewButton, "新規作成", Glyph::New},
        {&FileSaveButton, "保存", Glyph::Save},
        {&PrintSetupButton, "ページ設定", Glyph::PageSetup},
        {&PrintPreviewButton, "印刷プレビュー", Glyph::Preview},
        {&PrintButton, "印刷", Glyph::Print},
        {&CutButton, "切り取り", Glyph::Cut},
        {&CopyButton, "コピー", Glyph::Copy},
        {&PasteButton, "張り付け", Glyph::Paste},
        {&UndoButton, "元に戻す", Glyph::Undo},
        {&RedoButton, "やり直し", Glyph::Redo},
        {&BGImageButton, "背景画像の選択", Glyph::Background},
        {&GridButton, "グリッドの表示／非表示", Glyph::Grid},
    };
    int x = 8;
    for (const Row2 &entry : row2) {
        *entry.button =
            speedButton(FontPanel, x, 32, 32, 25, QString::fromUtf8(entry.hint), GlyphIcon(entry.glyph));
        x += 32;
    }
    HelpButton = speedButton(FontPanel, x, 32, 32, 25, QStringLiteral("ヘルプ"));
    HelpButton->setText(QStringLiteral("？"));
    QFont helpFont = HelpButton->font();
    helpFont.setBold(true);
    helpFont.setPixelSize(14);
    HelpButton->setFont(helpFont);
    HelpButton->setStyleSheet(QStringLiteral("QToolButton { color: #c8a000; }"));
    for (QToolButton *b : {CutButton, CopyButton, PasteButton, UndoButton, RedoButton})
        b->setEnabled(false);

    TestLabel = new TCustomLabel(FontPanel);
    TestLabel->SetVisible(false);
    TestLabel1 = new QLabel(FontPanel);
    TestLabel1->setVisible(false);
}

void TForm1::createToolBox()
{
    ToolBox = panel(centralWidget());
    ToolBox->setObjectName(QStringLiteral("ToolBox"));
    ToolBox->setFixedWidth(65);
    QFont small = font();
    small.setPixelSize(11);
    ToolBox->setFont(small);

    TextButton = speedButton(ToolBox, 8, 8, 25, 25, QStringLiteral("テキスト"), GlyphIcon(Glyph::Text));
    PointButton = speedButton(ToolBox, 32, 8, 25, 25, QStringLiteral("ポインタ"), GlyphIcon(Glyph::Pointer));
    SquareButton =
        speedButton(ToolBox, 8, 32, 25, 25, QStringLiteral("矩形（正方形）"), GlyphIcon(Glyph::Square));
    RectButton =
        speedButton(ToolBox, 32, 32, 25, 25, QStringLiteral("矩形（長方形）"), GlyphIcon(Glyph::Rect));
    CircleButton = speedButton(ToolBox, 8, 56, 25, 25, QStringLiteral("円"), GlyphIcon(Glyph::Circle));
    EllipseButton = speedButton(ToolBox, 32, 56, 25, 25, QStringLiteral("楕円"), GlyphIcon(Glyph::Ellipse));
    LineButton = speedButton(ToolBox, 8, 80, 25, 25, QStringLiteral("直線"), GlyphIcon(Glyph::Line));
    imageButton =
        speedButton(ToolBox, 32, 80, 25, 25, QStringLiteral("画像の読み込み"), GlyphIcon(Glyph::Picture));
    CFButton = speedButton(ToolBox, 8, 104, 49, 17, QStringLiteral("キャッチフレーズの読み込み"));
    CFButton->setText(QStringLiteral("Cﾌﾚｰｽﾞ"));

    ToolGroup = new QButtonGroup(this);
    for (QToolButton *b : {PointButton, TextButton, SquareButton, RectButton, CircleButton, EllipseButton,
                           LineButton, imageButton, CFButton}) {
        b->setCheckable(true);
        ToolGroup->addButton(b);
    }
    PointButton->setChecked(true);

    psSolidButton = speedButton(ToolBox, 3, 136, 59, 11, QStringLiteral("実線"), GlyphIcon(Glyph::LineSolid));
    psDotButton = speedButton(ToolBox, 3, 146, 59, 11, QStringLiteral("点線"), GlyphIcon(Glyph::LineDot));
    LineStyleGroup = new QButtonGroup(this);
    for (QToolButton *b : {psSolidButton, psDotButton}) {
        b->setCheckable(true);
        LineStyleGroup->addButton(b);
    }
    psSolidButton->setChecked(true);

    QToolButton **widths[] = {&Width1, &Width2, &Width3, &Width4, &Width5, &Width6};
    const int tops[] = {168, 178, 188, 198, 208, 218};
    LineWidthGroup = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        *widths[i] = speedButton(ToolBox, 3, tops[i], 59, 11, QStringLiteral("%1Point").arg(i + 1),
                                 GlyphIcon(Glyph(int(Glyph::LineWidth1) + i)));
        (*widths[i])->setCheckable(true);
        LineWidthGroup->addButton(*widths[i], i + 1);
    }
    Width1->setChecked(true);
}

void TForm1::createColorPanel()
{
    ColorPanel = panel(centralWidget());
    ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    ColorPanel->setFixedHeight(41);
    ForColor = colorBox(ColorPanel, 8, QStringLiteral("F"), QStringLiteral("描画色"));
    BackColor = colorBox(ColorPanel, 32, QStringLiteral("B"), QStringLiteral("背景色"));
}

void TForm1::createMenus()
{
    QMenuBar *bar = menuBar();
    FileMenu = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    FileNew = menuItem(FileMenu, QStringLiteral("新規作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    FileOpen = menuItem(FileMenu, QStringLiteral("開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    FileSave = menuItem(FileMenu, QStringLiteral("上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
    FileSaveAs = menuItem(FileMenu, QStringLiteral("名前をつけて保存(&A)..."));
    FileMenu->addSeparator();
    WorkSheetClear = menuItem(FileMenu, QStringLiteral("ワークシートクリア"));
    FileMenu->addSeparator();
    FilePreview = menuItem(FileMenu, QStringLiteral("印刷プレビュー(&V)..."));
    FilePrint = menuItem(FileMenu, QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    FilePrintSetup = menuItem(FileMenu, QStringLiteral("ﾍﾟｰｼﾞ設定(&R)..."));
    FileMenu->addSeparator();
    FileExit = menuItem(FileMenu, QStringLiteral("終了(&X)"));

    EditMenu = bar->addMenu(QStringLiteral("編集(&E)"));
    EditUndo = menuItem(EditMenu, QStringLiteral("元に戻す"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EditRedo = menuItem(EditMenu, QStringLiteral("やり直し"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *a : {EditUndo, EditRedo})
        a->setEnabled(false);
    EditMenu->addSeparator();
    EditCut = menuItem(EditMenu, QStringLiteral("切り取り(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    EditCopy = menuItem(EditMenu, QStringLiteral("ｺﾋﾟｰ(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    EditPaste = menuItem(EditMenu, QStringLiteral("貼り付け(&P)"), QKeySequence(Qt::CTRL | Qt::Key_V));
    for (QAction *a : {EditCut, EditCopy, EditPaste})
        a->setEnabled(false);

    OtherMenu = bar->addMenu(QStringLiteral("その他"));
    OtherBGImage = menuItem(OtherMenu, QStringLiteral("背景画像の選択..."));
    OtherBGImageClear = menuItem(OtherMenu, QStringLiteral("背景画像をクリア"));
    BGGrid = menuItem(OtherMenu, QStringLiteral("グリッドの設定...."));

    HelpMenu = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    Contents1 = menuItem(HelpMenu, QStringLiteral("目次(&C)"));
    About1 = menuItem(HelpMenu, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
}

void TForm1::buildPopupMenu()
{
    PopupMenu = new QMenu(this);
    PenColorChange = popupItem(PopupMenu, QStringLiteral("線色を変更...."));
    BrushColorChange = popupItem(PopupMenu, QStringLiteral("背景色を変更...."));
    Brushed = popupItem(PopupMenu, QStringLiteral("塗りつぶし"));
    FontColorChange = popupItem(PopupMenu, QStringLiteral("フォントの色を変更...."));
    ImageChange = popupItem(PopupMenu, QStringLiteral("画像の変更...."));
    ImageReduction = popupItem(PopupMenu, QStringLiteral("拡大／縮小...."));
    OrderMenu = new QMenu(QStringLiteral("順序"), PopupMenu);
    Order = PopupMenu->addMenu(OrderMenu);
    Order->setVisible(false);
    Front = OrderMenu->addAction(QStringLiteral("最前面に移動"));
    Back = OrderMenu->addAction(QStringLiteral("最後面に移動"));
    BGImageSetting = popupItem(PopupMenu, QStringLiteral("背景画像の選択...."));
    BGImageClear = popupItem(PopupMenu, QStringLiteral("背景画像をクリア"));
    GridSetting = popupItem(PopupMenu, QStringLiteral("グリッドの設定...."));
}
