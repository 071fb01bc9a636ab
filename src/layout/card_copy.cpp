// The card copy: background and objects copied through component streams onto a hidden panel.
#include "layout/card_copy.h"

#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/drawpanel.h"
#include "platform/scaling.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// trunc(M * value / D + 0.5), as the copies' own geometry is scaled.
int scaled(int value, int m, int d)
{
    return int(double(m) * value / d + 0.5);
}

template <typename T> T *copyOf(const T &original, QWidget *parent)
{
    auto *copy = new T(parent);
    ReadComponent(WriteComponent(original), *copy);
    return copy;
}

void widenForPrint(TLabelEx &label)
{
    label.SetAutoSize(true);
    const int fitted = label.width();
    label.SetAutoSize(false);
    label.SetWidth(fitted + label.TextWidth(QStringLiteral("aaaa")));
}

// Text does not grow in proportion with its box (whole points, hinting), so a scaled label can end up
// narrower than its own text: it is made at least as large as the text at its new size, and nothing of
// a glyph is clipped.
void keepTextInside(TLabelEx &label)
{
    const QRect box = label.geometry();
    const bool autoSize = label.AutoSize();
    label.SetAutoSize(true);
    const QSize text = label.size();
    label.SetAutoSize(autoSize);
    label.SetBounds(box.x(), box.y(), std::max(box.width(), text.width()),
                    std::max(box.height(), text.height()));
}

} // namespace

std::unique_ptr<TPanel> ComposeCardCopy(const TImage &background, const QList<QWidget *> &objects,
                                        int widthPx, int heightPx, const CardCopyOptions &options)
{
    auto panel = std::make_unique<TPanel>();
    panel->SetColor(clWindow);
    panel->SetName(QStringLiteral("PrintPanel"));
    panel->resize(widthPx, heightPx);
    copyOf(background, panel.get());
    for (QWidget *object : objects) {
        if (auto *shape = dynamic_cast<TQVShape *>(object)) {
            copyOf(*shape, panel.get());
        } else if (auto *label = dynamic_cast<TLabelEx *>(object)) {
            TLabelEx *copy = copyOf(*label, panel.get());
            if (options.widenLabels)
                widenForPrint(*copy);
        } else if (auto *picture = dynamic_cast<TImage *>(object)) {
            copyOf(*picture, panel.get())->SetStretch(true);
        }
    }
    return panel;
}

void ScaleCardCopy(TPanel &copy, int m, int d)
{
    ScaleBy(&copy, m, d);
    for (QObject *child : copy.children()) {
        if (auto *shape = dynamic_cast<TQVShape *>(child)) {
            shape->SetTop(scaled(shape->Top(), m, d));
            shape->SetLeft(scaled(shape->Left(), m, d));
            shape->SetWidth(scaled(shape->Width(), m, d));
            shape->SetHeight(scaled(shape->Height(), m, d));
            shape->Pen().SetWidth(scaled(shape->Pen().Width(), m, d));
        } else if (auto *label = dynamic_cast<TLabelEx *>(child)) {
            label->SetGap(scaled(label->Gap(), m, d));
            keepTextInside(*label);
        }
    }
}

QImage RenderCardImage(const TImage &background, const QList<QWidget *> &objects, int widthPx, int heightPx,
                       int dpi)
{
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
