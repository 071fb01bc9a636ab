// The image size dialog's preview: the picture at the entered size in a panel with scroll bars.
#include "controls/image.h"
#include "dialogs/irdlg.h"

#include <QFrame>
#include <QScrollBar>
#include <algorithm>

namespace {
constexpr int PanelWidth = 185, PanelHeight = 185;
constexpr int VBarWidth = 16, HBarHeight = 14;
} // namespace

PreviewPlacement PreviewLayoutFor(int iw, int ih)
{
    constexpr int pw = PanelWidth, ph = PanelHeight, vw = VBarWidth, hh = HBarHeight;
    PreviewPlacement p;
    if ((iw > pw && ih > ph - hh - 1) || (iw <= pw && ih > ph && iw > pw - vw - 1)) {
        // Both bars: the picture starts at the corner and scrolls both ways.
        p.hBar = p.vBar = p.cover = true;
        p.hBarWidth = pw - vw - 3;
        p.vBarHeight = ph - hh - 3;
        p.image = {0, 0};
        p.hRange = iw - (pw - vw - 1);
        p.hLarge = pw - vw - 1;
        p.vRange = ih - (ph - hh - 1);
        p.vLarge = ph - hh - 1;
    } else if (iw > pw) {
        p.hBar = true;
        p.hBarWidth = pw - 2;
        p.image = {0, (ph - hh - 1 - ih) / 2};
        p.hRange = iw - pw;
        p.hLarge = pw;
        p.vLarge = ph - hh - 1;
    } else if (ih > ph) {
        p.vBar = true;
        p.vBarHeight = ph - 2;
        p.image = {(pw - vw - 1 - iw) / 2, 0};
        p.vRange = ih - ph;
        p.vLarge = ph;
        p.hLarge = pw - vw - 1;
    } else {
        p.image = {(pw - iw) / 2, (ph - ih) / 2};
    }
    return p;
}

void TImageReductionDlg::buildPreview()
{
    ImagePreviewPanel = new QFrame(this);
    ImagePreviewPanel->setObjectName(QStringLiteral("ImagePreviewPanel"));
    ImagePreviewPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ImagePreviewPanel->setGeometry(320, 8, PanelWidth, PanelHeight);
    PreviewImage = new TImage(ImagePreviewPanel);
    PreviewImage->SetAutoSize(false);
    PreviewImage->SetStretch(true);
    PreviewImage->SetEnabled(false);
    IPHScrollBar = new QScrollBar(Qt::Horizontal, ImagePreviewPanel);
    IPHScrollBar->setGeometry(1, PanelHeight - HBarHeight - 1, 168, HBarHeight);
    IPVScrollBar = new QScrollBar(Qt::Vertical, ImagePreviewPanel);
    IPVScrollBar->setGeometry(PanelWidth - VBarWidth - 1, 1, VBarWidth, 168);
    for (QScrollBar *bar : {IPHScrollBar, IPVScrollBar}) {
        bar->setSingleStep(10);
        bar->setPageStep(170);
        bar->hide();
    }
    MekakushiPanel = new QFrame(ImagePreviewPanel);
    MekakushiPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MekakushiPanel->setAutoFillBackground(true);
    MekakushiPanel->setGeometry(PanelWidth - VBarWidth, PanelHeight - VBarWidth, VBarWidth, VBarWidth);
    MekakushiPanel->hide();
}

void TImageReductionDlg::PreviewLayout()
{
    const PreviewPlacement p = PreviewLayoutFor(PreviewImage->width(), PreviewImage->height());
    PreviewImage->move(p.image);
    // A new layout starts scrolled to the picture's top-left corner.
    for (QScrollBar *bar : {IPHScrollBar, IPVScrollBar}) {
        const QSignalBlocker block(bar);
        bar->setValue(0);
    }
    IPHScrollBar->setVisible(p.hBar);
    IPVScrollBar->setVisible(p.vBar);
    MekakushiPanel->setVisible(p.cover);
    if (p.hBar)
        IPHScrollBar->resize(p.hBarWidth, HBarHeight);
    if (p.vBar)
        IPVScrollBar->resize(VBarWidth, p.vBarHeight);
    IPHScrollBar->setMaximum(p.hRange);
    IPHScrollBar->setPageStep(p.hLarge);
    IPVScrollBar->setMaximum(p.vRange);
    IPVScrollBar->setPageStep(p.vLarge);
    // The bars and the corner cover lie above the picture.
    IPHScrollBar->raise();
    IPVScrollBar->raise();
    MekakushiPanel->raise();
}

void TImageReductionDlg::ImagePreviewBtnClick()
{
    // Sizes the dialog would refuse are previewed at the nearest size it takes.
    PreviewImage->resize(std::clamp(WidthPx, 0, MaxSidePx), std::clamp(HeightPx, 0, MaxSidePx));
    PreviewLayout();
}

void TImageReductionDlg::IPHScrollBarChange()
{
    PreviewImage->move(-IPHScrollBar->value(), PreviewImage->y());
}

void TImageReductionDlg::IPVScrollBarChange()
{
    PreviewImage->move(PreviewImage->x(), -IPVScrollBar->value());
}
