// The page setup dialog: controls, their handlers and the recalculation of the layout.
#include "layout/pageset.h"

#include "dialogs/Function1.h"
#include "dialogs/number_memo.h"
#include "dialogs/units.h"
#include "layout/layout_diagram.h"
#include "layout/page_geometry.h"
#include "layout/setnamein.h"
#include "platform/application.h"
#include "platform/cp932.h"
#include "platform/strings.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>

namespace {

constexpr int ClientWidth = 612;
constexpr int ClientHeight = 446;
constexpr float A4Width = 210.0f, A4Height = 297.0f;
constexpr float LetterWidth = 215.9f, LetterHeight = 279.4f;

QLabel *label(const QString &text, QWidget *parent, int x, int y, int w)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 22);
    return l;
}

TNumberMemo *memo(const char *name, int limit, QWidget *parent, int x, int y, int w)
{
    auto *m = new TNumberMemo(limit, parent);
    m->setObjectName(QLatin1String(name));
    m->setGeometry(x, y, w, 24);
    return m;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent, QRect geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TPageSetDlg::TPageSetDlg(const PageSetupData &data, PresetFiles files, QWidget *parent)
    : QDialog(parent), Store(std::move(files), data.ProgramVersion)
{
    setWindowTitle(data.NewDocument ? LoadStr(Str::NewDocument) : QStringLiteral("ページ設定"));
    setFixedSize(ClientWidth, ClientHeight);
    buildControls();

    const PageLayout &l = data.Layout;
    FreeWorkSheetSize = {data.WorkSheetWidthMM, data.WorkSheetHeightMM, data.WorkSheetWidthPx,
                         data.WorkSheetHeightPx};
    WorkSheetWidthMM = data.WorkSheetWidthMM;
    WorkSheetHeightMM = data.WorkSheetHeightMM;
    WorkSheetWidthPx = data.WorkSheetWidthPx;
    WorkSheetHeightPx = data.WorkSheetHeightPx;
    Retu = l.Retu;
    Dann = l.Dann;
    LeftMargin = l.LeftMargin;
    TopMargin = l.TopMargin;
    InsideMarginX = l.InsideMarginX;
    InsideMarginY = l.InsideMarginY;
    TrackBar->setValue(l.Overhang);
    TonboCB->setChecked(l.Tonbo);
    NewDocument = data.NewDocument;
    LegacyLayoutLoaded = data.LegacyLayoutLoaded;
    PresetName = l.PresetName;
    PresetSource = l.PresetSource;
    PaperWidth = l.PaperWidth;
    PaperHeight = l.PaperHeight;
    MeasureUnit = l.MeasureUnit;

    Store.LoadPresets();
    connectHandlers();
}

TPageSetDlg::~TPageSetDlg() = default;

void TPageSetDlg::buildControls()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setGeometry(0, 0, ClientWidth, ClientHeight);
    auto *box = new QWidget;
    box->resize(ClientWidth, ClientHeight);
    ScrollBox1->setWidget(box);

    label(QStringLiteral("ページ設定"), box, 8, 9, 70);
    YousiCB = new QComboBox(box);
    YousiCB->setObjectName(QStringLiteral("YousiCB"));
    YousiCB->setGeometry(80, 8, 236, 24);
    YousiCB->setMaxVisibleItems(20);

    label(QStringLiteral("用紙サイズ"), box, 8, 39, 70);
    PaperSizeCB = new QComboBox(box);
    PaperSizeCB->setObjectName(QStringLiteral("PaperSizeCB"));
    PaperSizeCB->setGeometry(80, 38, 236, 24);
    PaperSizeCB->setEditable(true);
    PaperSizeCB->setInsertPolicy(QComboBox::NoInsert);
    PaperSizeCB->addItems({QStringLiteral("A4 210 x 297 mm"), QStringLiteral("Letter 8 1/2 x 11 in")});
    PaperSizeCB->setCurrentIndex(-1);

    TanniGB = new QGroupBox(QStringLiteral("単位"), box);
    TanniGB->setGeometry(8, 68, 120, 50);
    TanniMmRB = new QRadioButton(QStringLiteral("ミリ"), TanniGB);
    TanniMmRB->setObjectName(QStringLiteral("TanniMmRB"));
    TanniMmRB->setGeometry(10, 22, 50, 22);
    TanniMmRB->setChecked(true);
    TanniInchRB = new QRadioButton(QStringLiteral("インチ"), TanniGB);
    TanniInchRB->setObjectName(QStringLiteral("TanniInchRB"));
    TanniInchRB->setGeometry(60, 22, 58, 22);
    TanniPixRB = new QRadioButton(QStringLiteral("ピクセル"), TanniGB);
    TanniPixRB->setObjectName(QStringLiteral("TanniPixRB"));
    TanniPixRB->setGeometry(10, 44, 80, 22);
    TanniPixRB->setEnabled(false);
    TanniPixRB->setVisible(false);

    OverhangGB = new QGroupBox(QStringLiteral("はみ出し調整"), box);
    OverhangGB->setGeometry(136, 68, 180, 66);
    TrackBar = new QSlider(Qt::Horizontal, OverhangGB);
    TrackBar->setObjectName(QStringLiteral("TrackBar"));
    TrackBar->setGeometry(10, 20, 160, 22);
    TrackBar->setRange(-3, 3);
    TrackBar->setSingleStep(1);
    TrackBar->setPageStep(1);
    TrackBar->setTickInterval(1);
    TrackBar->setTickPosition(QSlider::TicksBelow);
    TrackBar->setValue(0);
    label(QStringLiteral("-3mm"), OverhangGB, 6, 42, 40);
    auto *zero = label(QStringLiteral("0"), OverhangGB, 70, 42, 40);
    zero->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    auto *plus = label(QStringLiteral("+3mm"), OverhangGB, 134, 42, 40);
    plus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    TonboCB = new QCheckBox(QStringLiteral("トンボを印刷する"), box);
    TonboCB->setObjectName(QStringLiteral("TonboCB"));
    TonboCB->setGeometry(10, 122, 124, 22);
    TonboCB->setChecked(true);

    SizeGB = new QGroupBox(QStringLiteral("ワークシートのサイズ"), box);
    SizeGB->setGeometry(8, 148, 308, 56);
    label(QStringLiteral("幅（Ｗ）"), SizeGB, 10, 23, 56);
    WidthMemo = memo("WidthMemo", 6, SizeGB, 70, 22, 72);
    label(QStringLiteral("高さ（Ｈ）"), SizeGB, 162, 23, 60);
    HeightMemo = memo("HeightMemo", 6, SizeGB, 226, 22, 72);

    LayoutGB = new QGroupBox(QStringLiteral("レイアウト"), box);
    LayoutGB->setGeometry(8, 210, 308, 148);
    label(QStringLiteral("列"), LayoutGB, 10, 23, 56);
    RetuMemo = memo("RetuMemo", 2, LayoutGB, 70, 22, 40);
    label(QStringLiteral("段"), LayoutGB, 162, 23, 60);
    DannMemo = memo("DannMemo", 2, LayoutGB, 226, 22, 40);
    label(QStringLiteral("余白　上"), LayoutGB, 10, 53, 60);
    TopMarginMemo = memo("TopMarginMemo", 5, LayoutGB, 70, 52, 72);
    label(QStringLiteral("下"), LayoutGB, 162, 53, 60);
    BottomMarginMemo = memo("BottomMarginMemo", 5, LayoutGB, 226, 52, 72);
    label(QStringLiteral("　左"), LayoutGB, 10, 83, 60);
    LMarginMemo = memo("LMarginMemo", 5, LayoutGB, 70, 82, 72);
    label(QStringLiteral("　右"), LayoutGB, 162, 83, 60);
    RMarginMemo = memo("RMarginMemo", 5, LayoutGB, 226, 82, 72);
    label(QStringLiteral("中横"), LayoutGB, 10, 113, 60);
    InsideMarginXMemo = memo("InsideMarginXMemo", 5, LayoutGB, 70, 112, 72);
    label(QStringLiteral("中縦"), LayoutGB, 162, 113, 60);
    InsideMarginYMemo = memo("InsideMarginYMemo", 5, LayoutGB, 226, 112, 72);
    // The derived margins are shown, never entered.
    RMarginMemo->setEnabled(false);
    BottomMarginMemo->setEnabled(false);

    LayoutBtn = button("LayoutBtn", QStringLiteral("レイアウト表示"), box, {8, 368, 100, 28});
    NewBtn = button("NewBtn", QStringLiteral("設定登録"), box, {112, 368, 100, 28});
    NewBtn->setEnabled(false);
    DeleteBtn = button("DeleteBtn", QStringLiteral("設定削除"), box, {216, 368, 100, 28});
    DeleteBtn->setEnabled(false);
    OKBtn = button("OKBtn", QStringLiteral("OK"), box, {112, 406, 100, 28});
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"), box, {216, 406, 100, 28});

    LayoutPanel = new TLayoutDiagram(box);
}

void TPageSetDlg::connectHandlers()
{
    // Handlers run guarded: a value that cannot be read is reported and leaves the dialog open.
    const auto guarded = [this](void (TPageSetDlg::*handler)()) {
        return [this, handler] { RunGuarded([&] { (this->*handler)(); }); };
    };
    connect(YousiCB, &QComboBox::activated, this, [this] {
        RunGuarded([&] {
            YousiCBClick();
            YousiCBChange();
        });
    });
    connect(PaperSizeCB, &QComboBox::activated, this, guarded(&TPageSetDlg::PaperSizeCBClick));
    connect(PaperSizeCB->lineEdit(), &QLineEdit::textEdited, this, guarded(&TPageSetDlg::PaperSizeCBChange));
    connect(TanniMmRB, &QRadioButton::clicked, this, [this] {
        if (!RunGuarded([&] { TanniMmRBClick(); }))
            checkUnitButton();
    });
    connect(TanniInchRB, &QRadioButton::clicked, this, [this] {
        if (!RunGuarded([&] { TanniInchRBClick(); }))
            checkUnitButton();
    });
    connect(TanniPixRB, &QRadioButton::clicked, this, guarded(&TPageSetDlg::TanniPixRBClick));
    for (TNumberMemo *m : {RetuMemo, DannMemo})
        connect(m, &QLineEdit::textChanged, this, [this, m] { DigitsMemoChange(m); });
    for (TNumberMemo *m :
         {WidthMemo, HeightMemo, TopMarginMemo, LMarginMemo, InsideMarginXMemo, InsideMarginYMemo})
        connect(m, &QLineEdit::textChanged, this, [this, m] { DecimalMemoChange(m); });
    connect(WidthMemo, &TNumberMemo::Exit, this, guarded(&TPageSetDlg::WidthMemoExit));
    connect(HeightMemo, &TNumberMemo::Exit, this, guarded(&TPageSetDlg::HeightMemoExit));
    for (TNumberMemo *m : {RetuMemo, DannMemo, TopMarginMemo, BottomMarginMemo, LMarginMemo, RMarginMemo,
                           InsideMarginXMemo, InsideMarginYMemo})
        connect(m, &TNumberMemo::Exit, this, guarded(&TPageSetDlg::UpdateLayout));
    connect(NewBtn, &QPushButton::clicked, this, guarded(&TPageSetDlg::NewBtnClick));
    connect(DeleteBtn, &QPushButton::clicked, this, guarded(&TPageSetDlg::DeleteBtnClick));
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (RunGuarded([&] { OKBtnClick(); }))
            accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TPageSetDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Activation work runs once the dialog is on the screen, so its messages stand over it.
    if (!activated_)
        QTimer::singleShot(0, this, [this] { RunGuarded([&] { FormActivate(); }); });
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
    p.PaperWidth = PaperWidth;
    p.PaperHeight = PaperHeight;
    p.WorkSheetWidthMM = WorkSheetWidthMM;
    p.WorkSheetHeightMM = WorkSheetHeightMM;
    p.Retu = Retu;
    p.Dann = Dann;
    p.LeftMargin = LeftMargin;
    p.TopMargin = TopMargin;
    p.InsideMarginX = InsideMarginX;
    p.InsideMarginY = InsideMarginY;
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
        WorkSheetWidthMM = p.WorkSheetWidthMM;
        WorkSheetHeightMM = p.WorkSheetHeightMM;
        PresetName = p.PresetName;
        PaperWidth = p.PaperWidth;
        PaperHeight = p.PaperHeight;
        Retu = p.Retu;
        Dann = p.Dann;
        LeftMargin = p.LeftMargin;
        TopMargin = p.TopMargin;
        InsideMarginX = p.InsideMarginX;
        InsideMarginY = p.InsideMarginY;
        SelectPaperSize();
        const bool maker = Store.IsMakerItem(item);
        PresetSource = maker ? MakerPreset : UserPreset;
        DeleteBtn->setEnabled(!maker);
        // A preset is changed only by switching to the free setting, which keeps its values.
        setEntryFieldsEnabled(false);
        NewBtn->setEnabled(false);
    } else {
        if (FreeWorkSheetSize.WidthMM != 0) {
            WorkSheetWidthMM = FreeWorkSheetSize.WidthMM;
            WorkSheetHeightMM = FreeWorkSheetSize.HeightMM;
            WorkSheetWidthPx = FreeWorkSheetSize.WidthPx;
            WorkSheetHeightPx = FreeWorkSheetSize.HeightPx;
        }
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
    cardSizeExit(WidthMemo, WorkSheetWidthMM, WorkSheetWidthPx, WorkSheetWidthInch, FreeWorkSheetSize.WidthMM,
                 FreeWorkSheetSize.WidthPx);
}

void TPageSetDlg::HeightMemoExit()
{
    cardSizeExit(HeightMemo, WorkSheetHeightMM, WorkSheetHeightPx, WorkSheetHeightInch,
                 FreeWorkSheetSize.HeightMM, FreeWorkSheetSize.HeightPx);
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
    d.cardWidth = WorkSheetWidthMM;
    d.cardHeight = WorkSheetHeightMM;
    d.retu = Retu;
    d.dann = Dann;
    d.leftMargin = LeftMargin;
    d.topMargin = TopMargin;
    d.insideMarginX = InsideMarginX;
    d.insideMarginY = InsideMarginY;
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
    QDialog::done(result);
}

PageSetupData TPageSetDlg::Result() const
{
    PageSetupData r;
    r.WorkSheetWidthMM = WorkSheetWidthMM;
    r.WorkSheetHeightMM = WorkSheetHeightMM;
    r.WorkSheetWidthPx = WorkSheetWidthPx;
    r.WorkSheetHeightPx = WorkSheetHeightPx;
    PageLayout &l = r.Layout;
    l.PresetIndex = YousiCB->currentIndex();
    l.Retu = Retu;
    l.Dann = Dann;
    l.LeftMargin = LeftMargin;
    l.TopMargin = TopMargin;
    l.InsideMarginX = InsideMarginX;
    l.InsideMarginY = InsideMarginY;
    l.Overhang = TrackBar->value();
    l.Tonbo = TonboCB->isChecked();
    l.PaperWidth = PaperWidth;
    l.PaperHeight = PaperHeight;
    l.PresetSource = PresetSource;
    l.MeasureUnit = MeasureUnit;
    l.PresetName = PresetName;
    r.ProgramVersion = Store.ProgramVersion();
    r.LegacyLayoutLoaded = LegacyLayoutLoaded;
    r.NewDocument = NewDocument;
    return r;
}
