// The image size dialog: its controls and the size kept in three units while typing.
#include "dialogs/irdlg.h"

#include "controls/image.h"
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
#include <QScrollBar>

TImageReductionDlg::TImageReductionDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("イメージの拡大／縮小"));
    setFixedSize(ClientWidth, ClientHeight);
    buildControls();
    buildPreview();
    connectHandlers();
}

void TImageReductionDlg::buildControls()
{
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 297, 161);
    WidthLabel = new QLabel(QStringLiteral("幅（Ｗ）"), this);
    WidthLabel->setGeometry(24, 24, 54, 24);
    ImageWidthMemo = NewNumberMemo("ImageWidthMemo", 8, this, {80, 24, 57, 24});
    HeightLabel = new QLabel(QStringLiteral("高さ（Ｈ）"), this);
    HeightLabel->setGeometry(160, 24, 70, 24);
    ImageHeightMemo = NewNumberMemo("ImageHeightMemo", 8, this, {232, 24, 57, 24});
    FixedRateCB = new QCheckBox(QStringLiteral("縦横比を固定"), this);
    FixedRateCB->setObjectName(QStringLiteral("FixedRateCB"));
    FixedRateCB->setGeometry(56, 62, 200, 22);
    FixedRateCB->setChecked(true);
    const UnitButtons units = NewUnitGroup(this, {36, 104, 241, 57});
    GroupBox = units.group;
    TanniMmRB = units.mm;
    TanniInRB = units.inch;
    TanniPixRB = units.pix;
    OKBtn = NewDialogButton("OKBtn", QStringLiteral("OK"), this, {30, 178, 80, 28});
    OKBtn->setDefault(true);
    CancelBtn = NewDialogButton("CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"), this, {118, 178, 80, 28});
    ImagePreviewBtn =
        NewDialogButton("ImagePreviewBtn", QStringLiteral("プレビュー"), this, {207, 178, 90, 28});
    setTabOrder(ImageWidthMemo, ImageHeightMemo);
    setTabOrder(ImageHeightMemo, FixedRateCB);
    setTabOrder(FixedRateCB, TanniMmRB);
    setTabOrder(TanniMmRB, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, ImagePreviewBtn);
}

void TImageReductionDlg::connectHandlers()
{
    connect(TanniPixRB, &QRadioButton::clicked, this, Guarded(this, &TImageReductionDlg::TanniPixRBClick));
    connect(TanniMmRB, &QRadioButton::clicked, this, Guarded(this, &TImageReductionDlg::TanniMmRBClick));
    connect(TanniInRB, &QRadioButton::clicked, this, Guarded(this, &TImageReductionDlg::TanniInRBClick));
    connect(ImageWidthMemo, &QLineEdit::textChanged, this,
            Guarded(this, &TImageReductionDlg::ImageWidthMemoChange));
    connect(ImageHeightMemo, &QLineEdit::textChanged, this,
            Guarded(this, &TImageReductionDlg::ImageHeightMemoChange));
    connect(ImageWidthMemo, &TNumberMemo::Exit, this, Guarded(this, &TImageReductionDlg::ImageWidthMemoExit));
    connect(ImageHeightMemo, &TNumberMemo::Exit, this,
            Guarded(this, &TImageReductionDlg::ImageHeightMemoExit));
    connect(FixedRateCB, &QCheckBox::clicked, this, Guarded(this, &TImageReductionDlg::FixedRateCBClick));
    connect(ImagePreviewBtn, &QPushButton::clicked, this,
            Guarded(this, &TImageReductionDlg::ImagePreviewBtnClick));
    connect(IPHScrollBar, &QScrollBar::valueChanged, this, &TImageReductionDlg::IPHScrollBarChange);
    connect(IPVScrollBar, &QScrollBar::valueChanged, this, &TImageReductionDlg::IPVScrollBarChange);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TImageReductionDlg::Unit TImageReductionDlg::unit() const
{
    return TanniPixRB->isChecked() ? Unit::Pixel : TanniInRB->isChecked() ? Unit::Inch : Unit::Millimetre;
}

void TImageReductionDlg::takeTyped(Side side, TNumberMemo *memo)
{
    switch (unit()) {
    case Unit::Pixel:
        FilterDigits(memo);
        side.px = StrToInt(memo->text());
        realFormsFromPixels(side);
        break;
    case Unit::Millimetre:
        FilterDecimal(memo);
        side.mm = float(StrToFloat(memo->text()));
        side.px = PixelsFromReal(float(PixelsPerMm) * side.mm);
        side.inch = side.mm * InchesPerMm;
        break;
    case Unit::Inch:
        FilterDecimal(memo);
        side.inch = float(StrToFloat(memo->text()));
        side.px = PixelsFromReal(side.inch * PixelsPerInch);
        side.mm = side.inch * MmPerInch;
        break;
    }
}

void TImageReductionDlg::deriveSide(Side from, Side to, bool divide)
{
    const auto scaled = [&](float value) { return divide ? value / WidthToHeight : value * WidthToHeight; };
    switch (unit()) {
    case Unit::Pixel:
        to.px = PixelsFromReal(scaled(float(from.px)));
        realFormsFromPixels(to);
        break;
    case Unit::Millimetre:
        to.mm = scaled(from.mm);
        to.px = PixelsFromReal(float(PixelsPerMm) * to.mm);
        to.inch = to.mm * InchesPerMm;
        break;
    case Unit::Inch:
        to.inch = scaled(from.inch);
        to.px = PixelsFromReal(to.inch * PixelsPerInch);
        to.mm = to.inch * MmPerInch;
        break;
    }
}

void TImageReductionDlg::realFormsFromPixels(Side side)
{
    side.mm = float(side.px) / float(PixelsPerMm);
    side.inch = float(side.px) * InchesPerPixel;
}

void TImageReductionDlg::write(Side side, TNumberMemo *memo)
{
    switch (unit()) {
    case Unit::Pixel:
        memo->SetText(QString::number(side.px));
        break;
    case Unit::Millimetre:
        memo->SetText(FormatMm(side.mm));
        break;
    case Unit::Inch:
        memo->SetText(FormatInch(side.inch));
        break;
    }
}

void TImageReductionDlg::TanniPixRBClick()
{
    UpdatingScope updating(Updating);
    write(width(), ImageWidthMemo);
    write(height(), ImageHeightMemo);
}

void TImageReductionDlg::TanniMmRBClick()
{
    TanniPixRBClick(); // writes the forms of the unit now chosen
}

void TImageReductionDlg::TanniInRBClick()
{
    TanniPixRBClick();
}

void TImageReductionDlg::memoChange(Side typed, TNumberMemo *typedMemo, Side other, TNumberMemo *otherMemo,
                                    bool divide)
{
    if (Updating || typedMemo->text().isEmpty())
        return;
    UpdatingScope updating(Updating);
    takeTyped(typed, typedMemo);
    if (FixedRateCB->isChecked()) {
        deriveSide(typed, other, divide);
        write(other, otherMemo);
    }
}

void TImageReductionDlg::ImageWidthMemoChange()
{
    memoChange(width(), ImageWidthMemo, height(), ImageHeightMemo, true);
}

void TImageReductionDlg::ImageHeightMemoChange()
{
    memoChange(height(), ImageHeightMemo, width(), ImageWidthMemo, false);
}

void TImageReductionDlg::ImageWidthMemoExit()
{
    UpdatingScope updating(Updating);
    if (unit() != Unit::Pixel) {
        realFormsFromPixels(width());
        realFormsFromPixels(height());
    }
    // A landscape picture's longer side follows the rounded shorter one, keeping the ratio in whole pixels.
    if (FixedRateCB->isChecked() && WidthToHeight > 1) {
        WidthPx = PixelsFromReal(float(HeightPx) * WidthToHeight);
        realFormsFromPixels(width());
    }
    write(width(), ImageWidthMemo);
    if (unit() != Unit::Pixel)
        write(height(), ImageHeightMemo);
}

void TImageReductionDlg::ImageHeightMemoExit()
{
    UpdatingScope updating(Updating);
    if (unit() != Unit::Pixel) {
        realFormsFromPixels(width());
        realFormsFromPixels(height());
    }
    if (FixedRateCB->isChecked() && WidthToHeight < 1) {
        HeightPx = PixelsFromReal(float(WidthPx) / WidthToHeight);
        realFormsFromPixels(height());
    }
    write(height(), ImageHeightMemo);
    if (unit() != Unit::Pixel)
        write(width(), ImageWidthMemo);
}

void TImageReductionDlg::FixedRateCBClick()
{
    if (!FixedRateCB->isChecked())
        return;
    UpdatingScope updating(Updating);
    // The height follows the width again.
    deriveSide(width(), height(), true);
    if (unit() == Unit::Millimetre)
        realFormsFromPixels(height());
    write(height(), ImageHeightMemo);
    if (WidthToHeight > 1) {
        WidthPx = PixelsFromReal(WidthToHeight * float(HeightPx));
        realFormsFromPixels(width());
    }
    write(width(), ImageWidthMemo);
}

void TImageReductionDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        // A field left by pressing OK from the keyboard gets its exit all the same.
        if (ImageWidthMemo->hasFocus() && !RunGuarded([&] { ImageWidthMemoExit(); }))
            return;
        if (ImageHeightMemo->hasFocus() && !RunGuarded([&] { ImageHeightMemoExit(); }))
            return;
        const auto fits = [](int px) { return px >= 1 && px <= MaxSidePx; };
        if (!fits(WidthPx) || !fits(HeightPx)) {
            Application().MessageBox(LoadStr(Str::ImageSizeOutOfRange), LoadStr(Str::MessageCaption), MB_OK);
            ImageWidthMemo->setFocus();
            return;
        }
    }
    QDialog::done(result);
}
