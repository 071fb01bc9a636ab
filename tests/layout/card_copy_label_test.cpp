// Labels in scaled card copies: at 127, 300 and 600 dpi every glyph is drawn whole, as the same text
// drawn at that scale without any clipping.
#include "common/free_text.h"
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
                // Font and gap scaled as a card copy scales them.
                const QImage free =
                    DrawFreeText(QString::fromUtf8(c.font), MulDiv(12, dpi, 127), c.style, scaled(gap, dpi),
                                 c.text, QPoint(scaled(20, dpi), scaled(30, dpi)), card.size());
                if (!dump.isEmpty()) {
                    card.save(QStringLiteral("%1/s%2-card.png").arg(dump).arg(index));
                    free.save(QStringLiteral("%1/s%2-free.png").arg(dump).arg(index));
                }
                EXPECT_EQ(DifferingDarkPixels(card, free), 0)
                    << index << " " << c.text.toStdString() << " gap " << gap << " at " << dpi << " dpi";
                delete label;
                ++index;
            }
}
