// Letter-spaced labels draw every glyph whole: the ink of a label equals that of its text drawn
// without any clipping, for narrow, wide and overhanging glyphs, Latin and Japanese.
#include "controls/LabelEx.h"
#include "platform/graphics.h"

#include "common/free_text.h"
#include "render_helpers.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *font;
    int points;
    int gap;
    TFontStyles style;
    QString caption;
};

// The label fitted to its text as the editor fits it, then drawn on a white panel.
QImage drawLabel(const Case &c, QRect *bounds)
{
    QWidget panel;
    panel.resize(900, 200);
    auto *label = new TLabelEx(&panel);
    label->SetTransparent(true);
    label->Font().SetName(QString::fromUtf8(c.font));
    label->Font().SetSize(c.points);
    label->Font().SetStyle(c.style);
    label->SetGap(c.gap);
    label->SetCaption(c.caption);
    label->SetLeft(40);
    label->SetTop(30);
    label->SetAutoSize(true);
    label->SetAutoSize(false);
    *bounds = label->geometry();
    return RenderWidget(panel);
}

} // namespace

TEST(LabelInk, LetterSpacedGlyphsAreDrawnWhole)
{
    InstallFontSubstitutions();
    const QString dump = qEnvironmentVariable("VELMORA_INK_DIR");
    int index = 0;
    for (const char *font : {"ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック"})
        for (int gap : {0, 1, 2, 5})
            for (TFontStyles style : {TFontStyles(0), TFontStyles(fsItalic)})
                for (const QString &caption :
                     {QStringLiteral("Taro Yamada / Sales Dept."), QStringLiteral("fjord ffi Wavy jj"),
                      QStringLiteral("iiIl1| WMW@"), QStringLiteral("株式会社ヴェルモラ 営業部「」")}) {
                    const Case c{font, 12, gap, style, caption};
                    QRect bounds;
                    const QImage label = drawLabel(c, &bounds);
                    const QImage free = DrawFreeText(QString::fromUtf8(c.font), c.points, c.style, c.gap,
                                                     c.caption, bounds.topLeft(), QSize(900, 200));
                    const int diff = DifferingDarkPixels(label, free);
                    if (!dump.isEmpty()) {
                        label.save(QStringLiteral("%1/%2-label.png").arg(dump).arg(index));
                        free.save(QStringLiteral("%1/%2-free.png").arg(dump).arg(index));
                    }
                    EXPECT_EQ(diff, 0) << index << " " << font << " gap " << gap << " style " << int(style)
                                       << " " << caption.toStdString();
                    ++index;
                }
}
