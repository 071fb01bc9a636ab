// The printed sheet painted on an image standing in for a printer: cards in every cell, crop marks,
// empty sheets, and the widened label copies.
#include "common/picture_samples.h"
#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/drawpanel.h"
#include "editor/unit2.h"
#include "layout/print_geometry.h"
#include "layout/print_sheet.h"
#include "platform/graphics.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A 100-dpi A4 "printer" without unprintable edges: 3.94 pixels per millimetre.
constexpr int kDpi = 100;

PrinterMeasures measures()
{
    PrinterMeasures m;
    m.HorzRes = m.PhysicalWidth = 827;
    m.VertRes = m.PhysicalHeight = 1169;
    m.HorzSize = 210;
    m.VertSize = 297;
    return m;
}

struct Worksheet
{
    Worksheet() { RegisterCardClasses(); }
    QWidget panel;
    TImage *background = TForm2::NewBackgroundPicture(&panel, 455, 275);
    QList<QWidget *> objects;

    // A solid background picture, visible.
    void paintBackground(QColor colour)
    {
        QImage bitmap(91, 55, QImage::Format_RGB32);
        bitmap.fill(colour);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bg.bmp"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(EncodedImage(bitmap, "BMP"));
        file.close();
        background->Picture().LoadFromFile(path);
        background->SetVisible(true);
    }
};

QImage printed(const SheetToPrint &sheet)
{
    QImage page(827, 1169, QImage::Format_RGB32);
    const int dotsPerMetre = int(kDpi / 0.0254 + 0.5);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintSheet(painter, measures(), sheet);
    return page;
}

bool isColour(const QImage &image, QPoint at, QColor colour)
{
    const QColor c = image.pixelColor(at);
    return std::abs(c.red() - colour.red()) < 30 && std::abs(c.green() - colour.green()) < 30 &&
           std::abs(c.blue() - colour.blue()) < 30;
}

int darkPixels(const QImage &image, QRect area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

} // namespace

TEST(PrintSheet, CardWithoutObjectsPrintsItsBackgroundInEveryCellWithTheMarks)
{
    Worksheet w;
    const QColor teal(120, 200, 240); // light: only the marks count as dark
    w.paintBackground(teal);
    const SheetToPrint sheet{*w.background, w.objects, CardSize{}, PageLayout{}};
    const QImage page = printed(sheet);
    const PrinterMeasures m = measures();
    const int percent = PrintScalePercent(sheet.card, sheet.layout, m); // 79: a card of 359 x 217
    ASSERT_EQ(percent, 79);
    for (const QPoint &origin : PrintCellOrigins(sheet.card, sheet.layout, m)) {
        // Filled from its first pixel to its last, and nothing left or above of it but paper or the card
        // before it.
        EXPECT_TRUE(isColour(page, origin, teal)) << origin.x() << "," << origin.y();
        EXPECT_TRUE(isColour(page, origin + QPoint(358, 216), teal)) << origin.x() << "," << origin.y();
        EXPECT_TRUE(isColour(page, origin + QPoint(180, 108), teal));
    }
    EXPECT_TRUE(isColour(page, QPoint(54, 42), Qt::white));       // left of and above the first card
    EXPECT_TRUE(isColour(page, QPoint(55 + 718, 43), Qt::white)); // right of the block
    // The marks: 2 mm (7 pixels) long, starting 2 mm outside the block; nothing else is dark. (Where one
    // card's bottom edge falls on the next one's top, their marks are the same pixels.)
    QRegion marks;
    for (const QLine &line : CropMarkLines(sheet.card, sheet.layout, m)) {
        const QRect strip =
            line.dx() ? QRect(line.x1(), line.y1(), line.dx(), 1) : QRect(line.x1(), line.y1(), 1, line.dy());
        EXPECT_EQ(darkPixels(page, strip), 7);
        marks += strip;
    }
    int marked = 0;
    for (const QRect &r : marks)
        marked += r.width() * r.height();
    EXPECT_GE(marked, 20 * 7);
    EXPECT_EQ(darkPixels(page, page.rect()), marked);
}

TEST(PrintSheet, NoColumnsOrRowsPrintAnEmptyPage)
{
    Worksheet w;
    w.paintBackground(Qt::black);
    for (auto [columns, rows] : {std::pair{0, 5}, std::pair{2, 0}}) {
        PageLayout layout;
        layout.Retu = columns;
        layout.Dann = rows;
        const QImage page = printed({*w.background, w.objects, CardSize{}, layout});
        EXPECT_EQ(darkPixels(page, page.rect()), 0) << columns << " x " << rows;
    }
}

TEST(PrintSheet, TonboOffDrawsNothingBesideTheCards)
{
    Worksheet w;
    w.paintBackground(Qt::black);
    PageLayout layout;
    layout.Tonbo = false;
    const SheetToPrint sheet{*w.background, w.objects, CardSize{}, layout};
    const QImage page = printed(sheet);
    // Exactly the ten cards of 359 x 217 pixels are dark.
    QRegion covered;
    for (const QPoint &origin : PrintCellOrigins(sheet.card, layout, measures()))
        covered += QRect(origin, QSize(359, 217));
    int cards = 0;
    for (const QRect &r : covered)
        cards += darkPixels(page, r);
    EXPECT_EQ(darkPixels(page, page.rect()), cards);
    EXPECT_GT(cards, 10 * 358 * 216);
}

TEST(PrintSheet, ShapesScaleWithTheCardAndTheDocumentStaysAsItWas)
{
    Worksheet w;
    auto *square = new TQVShape(&w.panel);
    square->SetLeft(100);
    square->SetTop(50);
    square->SetWidth(100);
    square->SetHeight(100);
    square->Pen().SetWidth(5);
    square->Brush().SetStyle(bsClear);
    w.objects << square;
    PageLayout layout = {};
    layout.Retu = layout.Dann = 1;
    const QImage page = printed({*w.background, w.objects, CardSize{}, layout});
    const QPoint origin = PrintCellOrigin(CardSize{}, layout, measures(), 0, 0);
    // At 79 %: the figure from (79, 40) with a 79-pixel side, its pen 4 pixels wide; the inside is empty.
    EXPECT_LT(qGray(page.pixel(origin + QPoint(79 + 39, 40 + 1))), 128);
    EXPECT_LT(qGray(page.pixel(origin + QPoint(79 + 1, 40 + 39))), 128);
    EXPECT_GT(qGray(page.pixel(origin + QPoint(79 + 39, 40 + 39))), 200);
    EXPECT_GT(qGray(page.pixel(origin + QPoint(79 + 39, 40 + 6))), 200);
    EXPECT_EQ(square->Left(), 100);
    EXPECT_EQ(square->Width(), 100);
    EXPECT_EQ(square->Pen().Width(), 5);
}

TEST(PrintSheet, LabelCopiesAreWiderByTheWidthOfFourAs)
{
    InstallFontSubstitutions();
    Worksheet w;
    auto *label = new TLabelEx(&w.panel);
    label->Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
    label->Font().SetSize(14);
    label->SetGap(3);
    label->SetCaption(QStringLiteral("山田 Taro"));
    label->SetAutoSize(true);
    label->SetAutoSize(false);
    label->SetBounds(40, 60, label->width() - 10, label->height()); // narrower than its text
    w.objects << label;
    const int textWidth = [&] {
        TLabelEx probe;
        probe.Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
        probe.Font().SetSize(14);
        probe.SetGap(3);
        probe.SetCaption(QStringLiteral("山田 Taro"));
        probe.SetAutoSize(true);
        return probe.width();
    }();
    const int aaaa = label->TextWidth(QStringLiteral("aaaa"));
    ASSERT_GT(aaaa, 20);

    std::unique_ptr<TPanel> copy = ComposePrintPanel({*w.background, w.objects, CardSize{}, PageLayout{}});
    TLabelEx *printedLabel = nullptr;
    for (QObject *child : copy->children())
        if (auto *l = dynamic_cast<TLabelEx *>(child))
            printedLabel = l;
    ASSERT_NE(printedLabel, nullptr);
    EXPECT_EQ(printedLabel->x(), 40);
    EXPECT_EQ(printedLabel->width(), textWidth + aaaa);
    EXPECT_EQ(printedLabel->Caption(), label->Caption());
    // The worksheet's label is not touched.
    EXPECT_EQ(label->width(), textWidth - 10);
}
