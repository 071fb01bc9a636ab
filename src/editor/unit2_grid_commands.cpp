// TForm2: the grid button shows and hides the grid overlay; the grid setting dialog sets its pitch,
// visibility and snapping.
#include "controls/gridshape.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/gsdlg.h"
#include "dialogs/number_memo.h"
#include "dialogs/units.h"
#include "editor/unit2.h"
#include "platform/application.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

void TForm2::connectGridCommands()
{
    connect(GridButton, &QToolButton::clicked, this, Guarded(this, &TForm2::GridButtonClick));
    connect(BGGrid, &QAction::triggered, this, Guarded(this, &TForm2::EditGridSettings));
    connect(GridSetting, &QAction::triggered, this, Guarded(this, &TForm2::EditGridSettings));
}

void TForm2::GridButtonClick()
{
    // A view setting, not a change to the card: nothing is marked modified.
    if (GridOverlay)
        GridOverlay->SetVisible(!GridOverlay->Visible());
}

void TForm2::EditGridSettings()
{
    if (!GridOverlay)
        return;
    TGridSettingDlg dialog(this);
    const int pitch = GridOverlay->GridWidth();
    dialog.PitchPx = pitch;
    dialog.PitchMm = float(pitch) / float(PixelsPerMm);
    dialog.PitchInch = float(pitch) * InchesPerPixel;
    static_cast<ConversionConstants &>(dialog) = *this;
    dialog.GridDspCheckBox->setChecked(GridOverlay->Visible());
    dialog.FitGridCheckBox->setChecked(SnapToGrid);
    showMeasureUnit(dialog.TanniPixRB, dialog.TanniMmRB, dialog.TanniInRB);
    {
        const UpdatingScope updating(dialog.Updating);
        dialog.GridMemo->SetText(MeasureUnit == muPixel        ? QString::number(pitch)
                                 : MeasureUnit == muMillimetre ? FormatMm(dialog.PitchMm)
                                                               : FormatInch(dialog.PitchInch));
    }
    if (Application().Modal().execDialog(dialog) != QDialog::Accepted)
        return;
    // Editor settings, not changes to the card: nothing is marked modified.
    GridOverlay->SetVisible(dialog.GridDspCheckBox->isChecked());
    SnapToGrid = dialog.FitGridCheckBox->isChecked();
    MeasureUnit = chosenMeasureUnit(dialog.TanniPixRB, dialog.TanniInRB);
    GridOverlay->SetGridWidth(dialog.PitchPx);
    if (GridOverlay->GridWidth() != pitch)
        CardChanged();
}

void TForm2::showMeasureUnit(QRadioButton *pix, QRadioButton *mm, QRadioButton *inch) const
{
    (MeasureUnit == muPixel ? pix : MeasureUnit == muInch ? inch : mm)->setChecked(true);
}

TMeasureUnit TForm2::chosenMeasureUnit(const QRadioButton *pix, const QRadioButton *inch)
{
    return pix->isChecked() ? muPixel : inch->isChecked() ? muInch : muMillimetre;
}
