// The grid setting dialog: whether the grid shows, whether objects snap to it, and its pitch in one unit.
#pragma once

#include "dialogs/units.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TNumberMemo;

class TGridSettingDlg : public QDialog, public ConversionConstants
{
    Q_OBJECT
public:
    explicit TGridSettingDlg(QWidget *parent = nullptr);

    // Controls.
    QFrame *Bevel1;
    QCheckBox *GridDspCheckBox;
    QCheckBox *FitGridCheckBox;
    QLabel *GridLabel;
    TNumberMemo *GridMemo;
    QGroupBox *GroupBox;
    QRadioButton *TanniMmRB;
    QRadioButton *TanniInRB;
    QRadioButton *TanniPixRB;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    // The pitch in its three forms; the caller takes PitchPx after OK.
    int PitchPx = 0;
    float PitchMm = 0;
    float PitchInch = 0;
    // Set while the dialog writes GridMemo itself.
    bool Updating = false;

    // Handlers.
    void TanniPixRBClick();
    void TanniMmRBClick();
    void TanniInRBClick();
    void GridMemoChange();
    void GridMemoExit();

    static constexpr int ClientWidth = 313;
    static constexpr int ClientHeight = 214;

protected:
    // OK is refused, with a message, while the pitch is less than one pixel.
    void done(int result) override;

private:
    void buildControls();
    void connectHandlers();
};
