// The page setup dialog: its handlers and the recalculation of the layout.
#include "layout/pageset.h"

#include "dialogs/Function1.h"
#include "dialogs/number_memo.h"
#include "dialogs/units.h"
#include "layout/layout_diagram.h"
#include "layout/page_geometry.h"
#include "layout/setnamein.h"
#include "platform/application.h"
#include "platform/cp932.h"
#include "platform/memory_budget.h"
#include "platform/strings.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>

namespace {

constexpr float A4Width = 210.0f, A4Height = 297.0f;
constexpr float LetterWidth = 215.9f, LetterHeight = 279.4f;

} // namespace

TPageSetDlg::TPageSetDlg(const PageSetupData &data, PresetFiles files, QWidget *parent)
    : QDialog(parent), Store(std::move(files), data.ProgramVersion)
{
    setWindowTitle(data.NewDocument ? LoadStr(Str::NewDocument) : QStringLiteral("ページ設定"));
    setFixedSize(ClientWidth, ClientHeight + OffsetStripHeight);
    buildControls();
    buildOffsetControls();

    const PageLayout &l = data.Layout;
    FreeWorkSheetSize = data.Card();
    Card() = data.Card();
    Grid() = l.Grid();
    TrackBar->setValue(l.Overhang);
    TonboCB->setChecked(l.Tonbo);
    NewDocument = data.NewDocument;
    LegacyLayoutLoaded = data.LegacyLayoutLoaded;
    PresetName = l.PresetName;
    PresetSource = l.PresetSource;
    Paper() = l.Paper();
    MeasureUnit = l.MeasureUnit;

    Store.LoadPresets();
    connectHandlers();
}

TPageSetDlg::~TPageSetDlg() = default;

void TPageSetDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Activation work runs once the dialog is on the screen, so its messages stand over it.
    if (!activated_)
        QTimer::singleShot(0, this, Guarded(this, &TPageSetDlg::FormActivate));
}

void TPageSetDlg::checkUnitButton()
{
    (MeasureUnit == UnitInches ? TanniInchRB : TanniMmRB)->setChecked(true);
}

void TPageSetDlg::fillPresetList()
{
    YousiCB->clear();
    YousiCB->addItem(LoadStr(Str::FreeLayout));
    for (int i = 0; i < Store.Table.Total(); ++i)
        YousiCB->addItem(Cp932Decode(PresetNameText(Store.Table.Entries[size_t(i)].PresetName)));
    // Long names are shown whole in the open list, which may be wider than the box.
    YousiCB->view()->setMinimumWidth(YousiCB->view()->sizeHintForColumn(0) + 24);
}

LayoutPreset TPageSetDlg::documentPreset() const
{
    LayoutPreset p;
    p.PresetName = PresetName;
    p.Paper() = Paper();
    p.CardMM() = CardMM();
    p.Grid() = Grid();
    return p;
}

void TPageSetDlg::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    // Anything but millimetres (or no unit yet) is shown in inches.
    MeasureUnit = MeasureUnit == 0 || MeasureUnit == UnitMillimetres ? UnitMillimetres : UnitInches;
    checkUnitButton();
    fillPresetList();
    YousiCB->setCurrentIndex(
        Store.FindPresetForLayout(documentPreset(), PresetSource, NewDocument, LegacyLayoutLoaded));
    YousiCBClick();
    showOffset();
}

void TPageSetDlg::setEntryFieldsEnabled(bool enabled)
{
    for (TNumberMemo *m : {WidthMemo, HeightMemo, RetuMemo, DannMemo, LMarginMemo, TopMarginMemo,
                           InsideMarginXMemo, InsideMarginYMemo})
        m->setEnabled(enabled);
    PaperSizeCB->setEnabled(enabled);
}

std::vector<TPageSetDlg::LengthField> TPageSetDlg::enteredLengths()
{
    return {{WidthMemo, &WorkSheetWidthMM, &WorkSheetWidthPx, &WorkSheetWidthInch},
            {HeightMemo, &WorkSheetHeightMM, &WorkSheetHeightPx, &WorkSheetHeightInch},
            {TopMarginMemo, &TopMargin, &TopMarginPx, &TopMarginInch},
            {LMarginMemo, &LeftMargin, &LeftMarginPx, &LeftMarginInch},
            {InsideMarginXMemo, &InsideMarginX, &InsideMarginXPx, &InsideMarginXInch},
            {InsideMarginYMemo, &InsideMarginY, &InsideMarginYPx, &InsideMarginYInch}};
}

std::vector<TPageSetDlg::LengthField> TPageSetDlg::allLengths()
{
    auto lengths = enteredLengths();
    lengths.push_back({RMarginMemo, &RightMargin, &RightMarginPx, &RightMarginInch});
    lengths.push_back({BottomMarginMemo, &BottomMargin, &BottomMarginPx, &BottomMarginInch});
    return lengths;
}

void TPageSetDlg::showLengths()
{
    for (const LengthField &f : enteredLengths()) {
        *f.px = MmToPx(*f.mm);
        *f.inch = PxToInch(*f.px);
        f.memo->SetText(MeasureUnit == UnitInches ? FormatInch(*f.inch) : FormatMm(*f.mm));
    }
    RetuMemo->SetText(QString::number(Retu));
    DannMemo->SetText(QString::number(Dann));
}

void TPageSetDlg::YousiCBClick()
{
    const int item = YousiCB->currentIndex();
    if (item >= 1 && item <= Store.Table.Total()) {
        const LayoutPreset &p = Store.Table.Entries[size_t(item) - 1];
        CardMM() = p.CardMM();
        PresetName = p.PresetName;
        Paper() = p.Paper();
        Grid() = p.Grid();
        SelectPaperSize();
        const bool maker = Store.IsMakerItem(item);
        PresetSource = maker ? MakerPreset : UserPreset;
        DeleteBtn->setEnabled(!maker);
        // A preset is changed only by switching to the free setting, which keeps its values.
        setEntryFieldsEnabled(false);
        NewBtn->setEnabled(false);
    } else {
        if (FreeWorkSheetSize.WorkSheetWidthMM != 0)
            Card() = FreeWorkSheetSize;
        WidthMemo->SetText(FormatMm(WorkSheetWidthMM));
        HeightMemo->SetText(FormatMm(WorkSheetHeightMM));
        PresetName = {};
        PresetSource = FreeSetting;
        SelectPaperSize();
        setEntryFieldsEnabled(true);
        NewBtn->setEnabled(Store.Table.Total() < PresetTableSize);
        DeleteBtn->setEnabled(false);
    }
    YousiCB->setToolTip(YousiCB->currentText());
    showLengths();
    UpdateLayout();
}

void TPageSetDlg::YousiCBChange()
{
    UpdateLayout();
}

void TPageSetDlg::SelectPaperSize()
{
    if (PaperWidth == A4Width && PaperHeight == A4Height)
        PaperSizeCB->setCurrentIndex(0);
    else if (PaperWidth == LetterWidth && PaperHeight == LetterHeight)
        PaperSizeCB->setCurrentIndex(1);
}

void TPageSetDlg::PaperSizeCBClick()
{
    switch (PaperSizeCB->currentIndex()) {
    case 0:
        PaperWidth = A4Width;
        PaperHeight = A4Height;
        break;
    case 1:
        PaperWidth = LetterWidth;
        PaperHeight = LetterHeight;
        break;
    default:
        break;
    }
    UpdateLayout();
}

void TPageSetDlg::PaperSizeCBChange()
{
    UpdateLayout();
}

void TPageSetDlg::TanniInchRBClick()
{
    if (MeasureUnit == UnitMillimetres)
        switchUnit(UnitInches);
}

void TPageSetDlg::TanniMmRBClick()
{
    if (MeasureUnit == UnitInches)
        switchUnit(UnitMillimetres);
}

// Every length goes through its pixel form: a field the user changed is read in the old unit, the
// others keep the pixels they had; all eight are then shown in the new unit.
void TPageSetDlg::switchUnit(int unit)
{
    OffsetMemoExit();
    const bool toInches = unit == UnitInches;
    // Read every changed field before touching anything, so that a field that is no number leaves
    // the dialog as it was.
    const auto entered = enteredLengths();
    std::vector<int> pixels;
    for (const LengthField &f : entered) {
        if (!f.memo->Modified)
            pixels.push_back(*f.px);
        else
            pixels.push_back(toInches ? MmToPx(StrToFloat(f.memo->text()))
                                      : InchToPx(StrToFloat(f.memo->text())));
    }
    for (size_t i = 0; i < entered.size(); ++i)
        *entered[i].px = pixels[i];
    MeasureUnit = unit;
    for (const LengthField &f : allLengths()) {
        if (toInches) {
            *f.inch = PxToInch(*f.px);
            f.memo->SetText(FormatInch(*f.inch));
        } else {
            *f.mm = PxToMm(*f.px);
            f.memo->SetText(FormatMm(*f.mm));
        }
    }
    for (const LengthField &f : entered)
        f.memo->Modified = false;
    showOffset();
}

void TPageSetDlg::TanniPixRBClick()
{
    // Pixels are never offered as a unit; the button stays hidden.
}

void TPageSetDlg::DigitsMemoChange(TNumberMemo *m)
{
    FilterDigits(m);
    m->Modified = true;
}

void TPageSetDlg::DecimalMemoChange(TNumberMemo *m)
{
    FilterDecimal(m);
    m->Modified = true;
}

void TPageSetDlg::cardSizeExit(TNumberMemo *m, float &mm, int &px, float &inch, float &freeMm, int &freePx)
{
    if (m->text().isEmpty())
        m->SetText(QStringLiteral("0"));
    if (MeasureUnit == UnitInches) {
        if (m->Modified) {
            const double inches = StrToFloat(m->text());
            const float f = float(inches * Units::PxPerInch);
            px = PixelsFromReal(f);
            mm = float(f * Units::MmPerPx);
            inch = float(inches);
            freeMm = mm;
            freePx = px;
        }
        m->SetText(FormatInch(inch));
    } else {
        if (m->Modified) {
            m->SetText(FormatMm(StrToFloat(m->text())));
            mm = float(StrToFloat(m->text()));
            px = MmToPx(mm);
            freeMm = mm;
            freePx = px;
        }
        m->SetText(FormatMm(mm));
    }
    m->Modified = false;
    UpdateLayout();
}

void TPageSetDlg::WidthMemoExit()
{
    cardSizeExit(WidthMemo, WorkSheetWidthMM, WorkSheetWidthPx, WorkSheetWidthInch,
                 FreeWorkSheetSize.WorkSheetWidthMM, FreeWorkSheetSize.WorkSheetWidthPx);
}

void TPageSetDlg::HeightMemoExit()
{
    cardSizeExit(HeightMemo, WorkSheetHeightMM, WorkSheetHeightPx, WorkSheetHeightInch,
                 FreeWorkSheetSize.WorkSheetHeightMM, FreeWorkSheetSize.WorkSheetHeightPx);
}

void TPageSetDlg::UpdateLayout()
{
    const QRect panel = DiagramPanelRect(PaperWidth, PaperHeight, LayoutGB->geometry().right() + 1,
                                         ScrollBox1->width(), ScrollBox1->height(), CancelBtn->y());
    LayoutPanel->setGeometry(panel);
    // A panel larger than the room makes the scroll box scroll rather than cut it off.
    QWidget *box = ScrollBox1->widget();
    box->resize(std::max(ClientWidth, panel.right() + 9), std::max(ClientHeight, panel.bottom() + 9));

    for (TNumberMemo *m : {RetuMemo, DannMemo})
        if (m->text().isEmpty())
            m->SetText(QStringLiteral("0"));
    for (TNumberMemo *m : {LMarginMemo, TopMarginMemo, InsideMarginXMemo, InsideMarginYMemo})
        if (m->text().isEmpty())
            m->SetText(QStringLiteral("0.0"));
    Retu = StrToInt(RetuMemo->text());
    Dann = StrToInt(DannMemo->text());

    for (const LengthField &f : enteredLengths()) {
        if (f.memo == WidthMemo || f.memo == HeightMemo || !f.memo->Modified)
            continue;
        if (MeasureUnit == UnitInches) {
            f.memo->SetText(FormatInch(StrToFloat(f.memo->text())));
            *f.inch = float(StrToFloat(f.memo->text()));
            *f.mm = float(*f.inch * Units::MmPerInch);
        } else {
            f.memo->SetText(FormatMm(StrToFloat(f.memo->text())));
            *f.mm = float(StrToFloat(f.memo->text()));
        }
    }

    RightMargin = TrailingMargin(PaperWidth, Retu, WorkSheetWidthMM, LeftMargin, InsideMarginX);
    BottomMargin = TrailingMargin(PaperHeight, Dann, WorkSheetHeightMM, TopMargin, InsideMarginY);
    RightMarginPx = MmToPx(RightMargin);
    BottomMarginPx = MmToPx(BottomMargin);
    if (MeasureUnit == UnitInches) {
        RightMarginInch = float(RightMargin * Units::InchPerMm);
        BottomMarginInch = float(BottomMargin * Units::InchPerMm);
        RMarginMemo->SetText(FormatInch(RightMarginInch));
        BottomMarginMemo->SetText(FormatInch(BottomMarginInch));
    } else {
        RMarginMemo->SetText(FormatMm(RightMargin));
        BottomMarginMemo->SetText(FormatMm(BottomMargin));
    }

    DiagramLayout d;
    d.CardMM() = CardMM();
    d.Grid() = Grid();
    LayoutPanel->SetCells(DiagramCells(d, panel.size()));
}

void TPageSetDlg::NewBtnClick()
{
    TSetNameInDlg names(Store.Table, this);
    if (Application().Modal().execDialog(names) != QDialog::Accepted)
        return;
    LayoutPreset values = documentPreset();
    const int item = Store.AddUserPreset(names.Name(), values);
    fillPresetList();
    YousiCB->setCurrentIndex(item);
    YousiCBClick();
}

void TPageSetDlg::DeleteBtnClick()
{
    const int item = Store.DeleteUserPreset(YousiCB->currentIndex());
    fillPresetList();
    YousiCB->setCurrentIndex(item);
    YousiCBClick();
}

void TPageSetDlg::OKBtnClick()
{
    OffsetMemoExit();
    WidthMemoExit();
    HeightMemoExit();
    UpdateLayout();
}

void TPageSetDlg::done(int result)
{
    if (result == QDialog::Accepted && (WorkSheetWidthPx <= 0 || WorkSheetHeightPx <= 0)) {
        Application().MessageBox(LoadStr(Str::NoWorksheetSize), LoadStr(Str::MessageCaption), MB_OK);
        return;
    }
    // A card no document could hold (documents declaring more are refused when opened).
    if (result == QDialog::Accepted &&
        (WorkSheetWidthPx > MaxWorkSheetPx || WorkSheetHeightPx > MaxWorkSheetPx)) {
        Application().MessageBox(LoadStr(Str::CardTooLarge).arg(MaxWorkSheetPx).arg(MaxWorkSheetPx / 5),
                                 LoadStr(Str::MessageCaption), MB_OK);
        return;
    }
    QDialog::done(result);
}

PageSetupData TPageSetDlg::Result() const
{
    PageSetupData r;
    r.Card() = Card();
    PageLayout &l = r.Layout;
    l.PresetIndex = YousiCB->currentIndex();
    l.Grid() = Grid();
    l.Overhang = TrackBar->value();
    l.Tonbo = TonboCB->isChecked();
    l.Paper() = Paper();
    l.PresetSource = PresetSource;
    l.MeasureUnit = MeasureUnit;
    l.PresetName = PresetName;
    r.ProgramVersion = Store.ProgramVersion();
    r.LegacyLayoutLoaded = LegacyLayoutLoaded;
    r.NewDocument = NewDocument;
    return r;
}

void TPageSetDlg::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton *>(focusWidget())) {
        focusNextChild();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
