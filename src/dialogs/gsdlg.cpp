// The grid setting dialog: its controls, the pitch kept in three units while typing, and the OK check.
#include "dialogs/gsdlg.h"

#include "dialogs/Function1.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/number_memo.h"
#include "dialogs/units.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

TGridSettingDlg::TGridSettingDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("グリッドの設定"));
    setFixedSize(ClientWidth, ClientHeight);
    buildControls();
    connectHandlers();
}

void TGridSettingDlg::buildControls()
{
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 297, 161);
    GridDspCheckBox = new QCheckBox(QStringLiteral("グリッドを表示"), this);
    GridDspCheckBox->setObjectName(QStringLiteral("GridDspCheckBox"));
    GridDspCheckBox->setGeometry(40, 22, 240, 22);
    FitGridCheckBox = new QCheckBox(QStringLiteral("オブジェクトをグリッドに合わせる"), this);
    FitGridCheckBox->setObjectName(QStringLiteral("FitGridCheckBox"));
    FitGridCheckBox->setGeometry(40, 46, 240, 22);
    GridLabel = new QLabel(QStringLiteral("グリッド間隔"), this);
    GridLabel->setGeometry(40, 72, 86, 24);
    GridMemo = NewNumberMemo("GridMemo", 8, this, {128, 72, 57, 24});
    const UnitButtons units = NewUnitGroup(this, {36, 104, 241, 57});
    GroupBox = units.group;
    TanniMmRB = units.mm;
    TanniInRB = units.inch;
    TanniPixRB = units.pix;
    OKBtn = NewDialogButton("OKBtn", QStringLiteral("OK"), this, {79, 178, 75, 28});
    OKBtn->setDefault(true);
    CancelBtn = NewDialogButton("CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"), this, {159, 178, 75, 28});
    setTabOrder(GridDspCheckBox, FitGridCheckBox);
    setTabOrder(FitGridCheckBox, GridMemo);
    setTabOrder(GridMemo, TanniMmRB);
}

void TGridSettingDlg::connectHandlers()
{
    connect(TanniPixRB, &QRadioButton::clicked, this, Guarded(this, &TGridSettingDlg::TanniPixRBClick));
    connect(TanniMmRB, &QRadioButton::clicked, this, Guarded(this, &TGridSettingDlg::TanniMmRBClick));
    connect(TanniInRB, &QRadioButton::clicked, this, Guarded(this, &TGridSettingDlg::TanniInRBClick));
    connect(GridMemo, &QLineEdit::textChanged, this, Guarded(this, &TGridSettingDlg::GridMemoChange));
    connect(GridMemo, &TNumberMemo::Exit, this, Guarded(this, &TGridSettingDlg::GridMemoExit));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TGridSettingDlg::TanniPixRBClick()
{
    UpdatingScope updating(Updating);
    GridMemo->SetText(QString::number(PitchPx));
}

void TGridSettingDlg::TanniMmRBClick()
{
    UpdatingScope updating(Updating);
    GridMemo->SetText(FormatMm(PitchMm));
}

void TGridSettingDlg::TanniInRBClick()
{
    UpdatingScope updating(Updating);
    GridMemo->SetText(FormatInch(PitchInch));
}

void TGridSettingDlg::GridMemoChange()
{
    if (Updating || GridMemo->text().isEmpty())
        return;
    UpdatingScope updating(Updating);
    // The typed value stays as typed; only the pixel form is rounded.
    if (TanniPixRB->isChecked()) {
        FilterDigits(GridMemo);
        PitchPx = StrToInt(GridMemo->text());
        PitchMm = float(PitchPx) / float(PixelsPerMm);
        PitchInch = float(PitchPx) * InchesPerPixel;
    } else if (TanniMmRB->isChecked()) {
        FilterDecimal(GridMemo);
        PitchMm = float(StrToFloat(GridMemo->text()));
        PitchPx = PixelsFromReal(float(PixelsPerMm) * PitchMm);
        PitchInch = PitchMm * InchesPerMm;
    } else {
        FilterDecimal(GridMemo);
        PitchInch = float(StrToFloat(GridMemo->text()));
        PitchPx = PixelsFromReal(PitchInch * PixelsPerInch);
        PitchMm = PitchInch * MmPerInch;
    }
}

void TGridSettingDlg::GridMemoExit()
{
    // On leaving the field the text becomes the whole-pixel pitch that will be used.
    UpdatingScope updating(Updating);
    if (TanniMmRB->isChecked()) {
        PitchMm = float(PitchPx) / float(PixelsPerMm);
        GridMemo->SetText(FormatMm(PitchMm));
    } else if (TanniInRB->isChecked()) {
        PitchInch = float(PitchPx) * InchesPerPixel;
        GridMemo->SetText(FormatInch(PitchInch));
    }
}

void TGridSettingDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        // OK pressed from the keyboard leaves the field without the exit; it shows the pitch all the same.
        if (!RunGuarded([&] { GridMemoExit(); }))
            return;
        if (PitchPx < 1) {
            // The grid is drawn and positions snap in steps of the pitch: it needs at least a pixel.
            Application().MessageBox(LoadStr(Str::GridPitchTooSmall), LoadStr(Str::MessageCaption), MB_OK);
            GridMemo->setFocus();
            GridMemo->selectAll();
            return;
        }
    }
    QDialog::done(result);
}
