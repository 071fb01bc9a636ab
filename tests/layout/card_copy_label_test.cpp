// Labels in scaled card copies: at 127, 300 and 600 dpi every glyph is drawn whole, as the same text
// drawn at that scale without any clipping.
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "layout/card_copy.h"
#include "platform/graphics.h"
#include "platform/scaling.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct Caption
{
    const char *font;
    TFontStyles style;
    QString text;
};

int scaled(int value, int dpi)
{
    return int(double(dpi) * value / 127 + 0.5);
}

// The text drawn at `dpi` straight onto a white image: font and gap scaled as a card copy scales them.
QImage drawFree(const Caption &c, int points, int gap, QPoint at, QSize size, int dpi)
{
    TFont f;
    f.SetName(QString::fromUtf8(c.font));
    f.SetSize(MulDiv(points, dpi, 127));
    f.SetStyle(c.style);
    QFont font = f.ToQFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, scaled(gap, dpi));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(at + QPoint(0, QFontMetrics(font).ascent()), c.text);
    return image;
}

// Pixels dark in one image and not in the other.
int differing(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (qGray(a.pixel(x, y)) < 160) != (qGray(b.pixel(x, y)) < 160);
    return n;
}

} // namespace

TEST(CardCopyLabels, GlyphsAreDrawnWholeAtEveryScale)
{
    InstallFontSubstitutions();
    const QString dump = qEnvironmentVariable("VELMORA_INK_DIR");
    QWidget worksheet;
    TImage background(&worksheet);
    background.SetVisible(false);
    int index = 0;
    for (const Caption &c : {Caption{"ＭＳ Ｐ明朝", 0, QStringLiteral("Taro Yamada / Sales Dept.")},
                             Caption{"ＭＳ Ｐゴシック", 0, QStringLiteral("iiIl1| WMW@ mm")},
                             Caption{"ＭＳ Ｐ明朝", fsItalic, QStringLiteral("fjord ffi Wavy jj")},
                             Caption{"ＭＳ Ｐゴシック", 0, QStringLiteral("株式会社ヴェルモラ 営業部「」")}})
        for (int gap : {0, 2, 5})
            for (int dpi : {127, 300, 600}) {
                auto *label = new TLabelEx(&worksheet);
                label->SetTransparent(true);
                label->Font().SetName(QString::fromUtf8(c.font));
                label->Font().SetSize(12);
                label->Font().SetStyle(c.style);
                label->SetGap(gap);
                label->SetCaption(c.text);
                label->SetLeft(20);
                label->SetTop(30);
                label->SetAutoSize(true);
                label->SetAutoSize(false);
                const QImage card = RenderCardImage(background, {label}, 455, 100, dpi);
                const QImage free =
                    drawFree(c, 12, gap, QPoint(scaled(20, dpi), scaled(30, dpi)), card.size(), dpi);
                if (!dump.isEmpty()) {
                    card.save(QStringLiteral("%1/s%2-card.png").arg(dump).arg(index));
                    free.save(QStringLiteral("%1/s%2-free.png").arg(dump).arg(index));
                }
                EXPECT_EQ(differing(card, free), 0)
                    << index << " " << c.text.toStdString() << " gap " << gap << " at " << dpi << " dpi";
                delete label;
                ++index;
            }
}
