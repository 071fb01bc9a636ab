// The page setup dialog: building its controls at their places and connecting their handlers.
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
    const auto guarded = [this](void (TPageSetDlg::*handler)()) { return Guarded(this, handler); };
    connect(YousiCB, &QComboBox::activated, this, Guarded([this] {
                YousiCBClick();
                YousiCBChange();
            }));
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
        connect(m, &QLineEdit::textChanged, this, Guarded([this, m] { DigitsMemoChange(m); }));
    for (TNumberMemo *m :
         {WidthMemo, HeightMemo, TopMarginMemo, LMarginMemo, InsideMarginXMemo, InsideMarginYMemo})
        connect(m, &QLineEdit::textChanged, this, Guarded([this, m] { DecimalMemoChange(m); }));
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
