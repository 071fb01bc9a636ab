// The image size dialog: a picture's new width and height in one unit, the ratio box and a preview.
#pragma once

#include "dialogs/units.h"

#include <QDialog>
#include <QPoint>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TImage;
class TNumberMemo;

// Where the preview's picture and scroll bars go for a picture of IW x IH in the 185 x 185 panel.
struct PreviewPlacement
{
    bool hBar = false, vBar = false, cover = false;
    int hBarWidth = 0, vBarHeight = 0;
    QPoint image;
    int hRange = 100, vRange = 100;
    int hLarge = 170, vLarge = 170;
};
PreviewPlacement PreviewLayoutFor(int imageWidth, int imageHeight);

class TImageReductionDlg : public QDialog, public ConversionConstants
{
    Q_OBJECT
public:
    explicit TImageReductionDlg(QWidget *parent = nullptr);

    // Controls.
    QFrame *Bevel1;
    QLabel *WidthLabel;
    TNumberMemo *ImageWidthMemo;
    QLabel *HeightLabel;
    TNumberMemo *ImageHeightMemo;
    QCheckBox *FixedRateCB;
    QGroupBox *GroupBox;
    QRadioButton *TanniMmRB;
    QRadioButton *TanniInRB;
    QRadioButton *TanniPixRB;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *ImagePreviewBtn;
    QFrame *ImagePreviewPanel;
    TImage *PreviewImage;
    QScrollBar *IPHScrollBar;
    QScrollBar *IPVScrollBar;
    QFrame *MekakushiPanel;

    // The size in its three forms; the caller takes WidthPx and HeightPx after OK.
    int WidthPx = 0, HeightPx = 0;
    float WidthMm = 0, HeightMm = 0;
    float WidthInch = 0, HeightInch = 0;
    // Width over height when the dialog opened.
    float WidthToHeight = 1;
    // Set while the dialog writes its own fields.
    bool Updating = false;

    // Handlers.
    void TanniPixRBClick();
    void TanniMmRBClick();
    void TanniInRBClick();
    void ImageWidthMemoChange();
    void ImageHeightMemoChange();
    void ImageWidthMemoExit();
    void ImageHeightMemoExit();
    void FixedRateCBClick();
    void ImagePreviewBtnClick();
    void IPHScrollBarChange();
    void IPVScrollBarChange();
    // Places the preview's picture and bars for the picture's present size.
    void PreviewLayout();

    // The largest side a picture may be given, in pixels.
    static constexpr int MaxSidePx = 32767;
    static constexpr int ClientWidth = 518;
    static constexpr int ClientHeight = 214;

protected:
    // OK is refused, with a message, while a side is outside 1 to MaxSidePx pixels.
    void done(int result) override;

private:
    // One side's three forms.
    struct Side
    {
        int &px;
        float &mm;
        float &inch;
    };
    enum class Unit { Pixel, Millimetre, Inch };
    Side width() { return {WidthPx, WidthMm, WidthInch}; }
    Side height() { return {HeightPx, HeightMm, HeightInch}; }
    Unit unit() const;
    void buildControls();
    void buildPreview();
    void connectHandlers();
    // The typed text of `memo`, filtered, as the side's value in the chosen unit; the other forms follow.
    void takeTyped(Side side, TNumberMemo *memo);
    // `to` from `from` in the chosen unit, by the ratio (divided by it, or multiplied).
    void deriveSide(Side from, Side to, bool divide);
    void realFormsFromPixels(Side side);
    void write(Side side, TNumberMemo *memo);
    void memoChange(Side typed, TNumberMemo *typedMemo, Side other, TNumberMemo *otherMemo, bool divide);
};
