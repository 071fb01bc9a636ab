// The page setup dialog: preset or free layout, paper, card size, columns and rows, margins, the unit,
// crop marks and overhang, with a diagram of the sheet.
#pragma once

#include "layout/page_setup_data.h"
#include "layout/presets.h"
#include "layout/print_offset.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class TLayoutDiagram;
class TNumberMemo;

// The printer whose position offset page setup shows and edits.
struct PrinterCalibration
{
    QString Key;   // its entry in the offsets file
    QString Title; // as the dialog names it
    PrintOffset Offset;
};

class TPageSetDlg : public QDialog, public CardSize, public PaperSize, public CardGrid
{
    Q_OBJECT
public:
    // Loads the preset store at once; the controls are filled when the dialog is first activated.
    explicit TPageSetDlg(const PageSetupData &data, PresetFiles files = DefaultPresetFiles(),
                         QWidget *parent = nullptr);
    ~TPageSetDlg() override;

    // The values to take back after OK (the position is the caller's to read).
    PageSetupData Result() const;

    // Controls.
    QScrollArea *ScrollBox1;
    QComboBox *YousiCB;
    QComboBox *PaperSizeCB;
    QGroupBox *TanniGB;
    QRadioButton *TanniMmRB;
    QRadioButton *TanniInchRB;
    QRadioButton *TanniPixRB;
    QGroupBox *SizeGB;
    TNumberMemo *WidthMemo;
    TNumberMemo *HeightMemo;
    QGroupBox *LayoutGB;
    TNumberMemo *RetuMemo;
    TNumberMemo *DannMemo;
    TNumberMemo *TopMarginMemo;
    TNumberMemo *BottomMarginMemo;
    TNumberMemo *LMarginMemo;
    TNumberMemo *RMarginMemo;
    TNumberMemo *InsideMarginXMemo;
    TNumberMemo *InsideMarginYMemo;
    TLayoutDiagram *LayoutPanel;
    QCheckBox *TonboCB;
    QGroupBox *OverhangGB;
    QSlider *TrackBar;
    QPushButton *NewBtn;
    QPushButton *DeleteBtn;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *LayoutBtn;
    // The printer's position offset, below the layout: magnitudes in the unit, directions in the lists.
    QGroupBox *OffsetGB;
    TNumberMemo *OffsetXMemo;
    TNumberMemo *OffsetYMemo;
    QComboBox *OffsetXDirCB; // right, left
    QComboBox *OffsetYDirCB; // down, up
    QLabel *OffsetXUnitLabel;
    QLabel *OffsetYUnitLabel;
    QLabel *OffsetPrinterLabel;
    QPushButton *CalibSheetBtn;

    // Working values (the card size, paper and grid are the bases); lengths in millimetres, with
    // their worksheet-pixel and inch forms.
    float WorkSheetWidthInch = 0, WorkSheetHeightInch = 0;
    int LeftMarginPx = 0, TopMarginPx = 0, InsideMarginXPx = 0, InsideMarginYPx = 0;
    float LeftMarginInch = 0, TopMarginInch = 0, InsideMarginXInch = 0, InsideMarginYInch = 0;
    float RightMargin = 0, BottomMargin = 0;
    int RightMarginPx = 0, BottomMarginPx = 0;
    float RightMarginInch = 0, BottomMarginInch = 0;
    CardSize FreeWorkSheetSize; // the card size the free setting restores
    PresetNameField PresetName{};
    int PresetSource = FreeSetting;
    int MeasureUnit = UnitMillimetres;
    bool NewDocument = false;
    bool LegacyLayoutLoaded = false;
    TPresetStore Store;
    // The printer the offset group edits, and what prints the calibration sheet on the layout's paper:
    // the printer it was printed on, or nothing when it was not printed.
    PrinterCalibration Calibration;
    std::function<std::optional<PrinterCalibration>(const PaperSize &)> PrintCalibration;
    // Shows `calibration` in the offset group.
    void SetCalibration(const PrinterCalibration &calibration);

    // Handlers.
    void FormActivate();
    void YousiCBClick();
    void YousiCBChange();
    void PaperSizeCBClick();
    void PaperSizeCBChange();
    void TanniMmRBClick();
    void TanniInchRBClick();
    void TanniPixRBClick();
    void DigitsMemoChange(TNumberMemo *memo);
    void DecimalMemoChange(TNumberMemo *memo);
    void WidthMemoExit();
    void HeightMemoExit();
    void NewBtnClick();
    void DeleteBtnClick();
    void OKBtnClick();
    // Takes what was typed into an offset field (and the directions), then shows the offset again.
    void OffsetMemoExit();
    void CalibSheetBtnClick();
    // Recalculates the derived margins and redraws the diagram.
    void UpdateLayout();
    // Selects A4 or Letter in PaperSizeCB when the paper is exactly that size.
    void SelectPaperSize();

    // The designed size of the dialog's client area.
    static constexpr int ClientWidth = 612;
    static constexpr int ClientHeight = 446;
    // The offset group's strip under it.
    static constexpr int OffsetStripHeight = 84;

protected:
    // Closing with OK stays open, after message 1040, while the card has no size.
    void done(int result) override;
    void showEvent(QShowEvent *event) override;
    // Enter in a field moves on to the next one; only a button closes the dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct LengthField
    {
        TNumberMemo *memo;
        float *mm;
        int *px;
        float *inch;
    };
    void buildControls();
    void connectHandlers();
    void fillPresetList();
    void setEntryFieldsEnabled(bool enabled);
    void cardSizeExit(TNumberMemo *memo, float &mm, int &px, float &inch, float &freeMm, int &freePx);
    void showLengths();
    void switchUnit(int unit);
    void checkUnitButton();
    // The six entered lengths, and the same with the two derived margins.
    std::vector<LengthField> enteredLengths();
    std::vector<LengthField> allLengths();
    LayoutPreset documentPreset() const;
    void buildOffsetControls();
    void showOffset();

    bool activated_ = false;
};
