// TForm2: construction of the editor and change tracking.
#include "editor/unit2.h"

#include "controls/card_classes.h"
#include "editor/tool_cursors.h"
#include "platform/application.h"
#include "platform/font_families.h"
#include "platform/strings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr TColor kPaletteColors[16] = {0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080, 0x0000FF, 0x000080,
                                       0x00FFFF, 0x008080, 0x00FF00, 0x008000, 0xFFFF00, 0x808000,
                                       0xFF0000, 0x800000, 0xFF00FF, 0x800080};
} // namespace

TForm2::TForm2(QWidget *parent) : TForm1(parent)
{
    RegisterCardClasses();
    LoadToolCursors();

    ShowPanelColor(ForColor, clBlack);
    PenColor = clBlack;
    ShowPanelColor(BackColor, 0xC0C0C0);
    BrushColor = 0xC0C0C0;

    PictureDirectory = UserDocumentsDirectory();
    CatchPhraseDirectory = ApplicationDirectory() + QStringLiteral("CPhrase");
    BackgroundDirectory = ApplicationDirectory() + QStringLiteral("bkimages");
    Application().HelpFile = ApplicationDirectory() + LoadStr(Str::HelpFileName);

    FontNameComboBox->addItems(ScreenFontNames());
    fitFontListWidth();
    FontNameComboBox->setCurrentText(LoadStr(Str::DefaultFontName));
    FontName = FontNameComboBox->currentText();
    FontSizeComboBox->setCurrentText(QStringLiteral("12"));
    FontSize = 12;
    GapComboBox->setCurrentText(QStringLiteral("0"));
    CharGap = 0;

    createColorPalette();
    connectGridCommands();
    connectPictureCommands();
    connectToolButtons();
    setUpPopupMenu();
    connectEditingCommands();
}

TForm2::~TForm2()
{
    // The pop-up menu goes with the base form, after this part of the editor.
    PopupMenu->disconnect(this);
}

void TForm2::createColorPalette()
{
    for (int i = 0; i < 16; ++i) {
        auto *swatch = new QLabel(ColorPanel);
        swatch->setGeometry((i / 2) * 15 + ToolBox->width(), i % 2 == 0 ? 5 : 20, 15, 15);
        swatch->setFrameStyle(QFrame::Panel | QFrame::Raised);
        swatch->setToolTip(LoadStr(Str::ColorButton));
        swatch->setAutoFillBackground(true);
        QPalette pal = swatch->palette();
        pal.setColor(QPalette::Window, ToQColor(kPaletteColors[i]));
        swatch->setPalette(pal);
        ColorPalette[i] = swatch;
    }
}

void TForm2::fitFontListWidth()
{
    // The combo keeps its place on the tool bar; only its drop-down widens to the longest name.
    QAbstractItemView *list = FontNameComboBox->view();
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < FontNameComboBox->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(FontNameComboBox->itemText(i)));
    const int frame = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(std::max(FontNameComboBox->width(), widest + frame + 16));
}

void TForm2::ShowPanelColor(QLabel *panel, TColor color)
{
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    pal.setColor(QPalette::WindowText, ToQColor(ContrastColor(color)));
    panel->setPalette(pal);
}

void TForm2::NoteModified()
{
    Modified = true;
    ++ModificationCount;
    TestLabel1->setText(QString::number(ModificationCount));
    CardChanged();
}
