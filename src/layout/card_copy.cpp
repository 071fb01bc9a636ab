// The card copy: background and objects copied through component streams onto a hidden panel.
#include "layout/card_copy.h"

#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/image.h"
#include "editor/drawpanel.h"
#include "platform/errors.h"
#include "platform/memory_budget.h"
#include "platform/scaling.h"
#include "platform/strings.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

void WidenLabelForPrint(TLabelEx &label)
{
    label.SetAutoSize(true);
    const int fitted = label.width();
    label.SetAutoSize(false);
    label.SetWidth(fitted + label.TextWidth(QStringLiteral("aaaa")));
}

std::unique_ptr<TPanel> ComposeCardCopy(const TImage &background, const QList<QWidget *> &objects,
                                        int widthPx, int heightPx, const CardCopyOptions &options)
{
    auto panel = std::make_unique<TPanel>();
    panel->SetColor(clWindow);
    panel->SetName(QStringLiteral("PrintPanel"));
    panel->resize(widthPx, heightPx);
    static_cast<TImage *>(CopyCardObject(background, panel.get()))->Description = background.Describe();
    for (QWidget *object : objects) {
        TGraphicControl *copy = CopyCardObject(*object, panel.get());
        if (auto *picture = dynamic_cast<TImage *>(copy))
            picture->Description = static_cast<const TImage *>(object)->Describe();
        switch (KindOf(copy)) {
        case CardKind::Label:
            if (options.widenLabels)
                WidenLabelForPrint(static_cast<TLabelEx &>(*copy));
            break;
        case CardKind::Picture:
            static_cast<TImage &>(*copy).SetStretch(true);
            break;
        default:
            break;
        }
    }
    // Each new control posts a polish request. Delivered now, they do not pile up where no event loop
    // runs (batch modes), making each control's destruction search a queue as long as the card.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    return panel;
}

void ScaleCardCopy(TPanel &copy, int m, int d, GapScaling gaps)
{
    ScaleBy(&copy, m, d);
    ScaleCardCopies(copy, m, d, gaps);
}

void ScaleCardCopies(TPanel &copy, int m, int d, GapScaling gaps)
{
    for (QObject *child : copy.children()) {
        auto *control = dynamic_cast<TGraphicControl *>(child);
        if (!control)
            continue;
        // What the control scaling does not reach: a shape's figure and pen, a label's gap, which the
        // wizard's preview keeps as stored.
        if (gaps == GapScaling::Kept && dynamic_cast<TLabelEx *>(control))
            continue;
        control->ScaleFigure(m, d);
    }
}

QImage RenderCardImage(const TImage &background, const QList<QWidget *> &objects, int widthPx, int heightPx,
                       int dpi)
{
    // The image is charged first, so the pictures decode in what it leaves of the budget.
    const qint64 w = ScaleClamped(widthPx, dpi, 127), h = ScaleClamped(heightPx, dpi, 127);
    const PixelChargeHandle charge = ChargePixelBudget(PixelBytes(w, h));
    if (!charge)
        throw EInvalidGraphic(LoadStr(Str::CardImageTooLarge)
                                  .arg(w)
                                  .arg(h)
                                  .arg((PixelBytes(w, h) + (1 << 20) - 1) >> 20)
                                  .arg(PixelBudgetLeft() >> 20));
    std::unique_ptr<TPanel> copy = ComposeCardCopy(background, objects, widthPx, heightPx);
    // The worksheet has five pixels per millimetre: 127 dots per inch.
    if (dpi != 127)
        ScaleCardCopy(*copy, dpi, 127);
    QImage image(copy->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    copy->render(&painter);
    return image;
}
