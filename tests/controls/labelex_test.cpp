// TLabelEx and its label base: letter spacing in auto-size, the extra bottom, accelerators, lines,
// the disabled look, filling, scaling.
#include "controls/LabelEx.h"

#include "render_helpers.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

void useTestFont(TCustomLabel &label, int points = 12)
{
    label.Font().SetName(QStringLiteral("IPAPGothic")); // installed by scripts/install-deps.sh
    label.Font().SetSize(points);
}

int lineHeight(const TCustomLabel &label)
{
    return QFontMetrics(label.Font().ToQFont()).height();
}

int advance(const TCustomLabel &label, const QString &text)
{
    return QFontMetrics(label.Font().ToQFont()).horizontalAdvance(text);
}

// Rows that hold a dark pixel within columns x0..x1.
std::vector<int> darkRows(const QImage &img, int x0, int x1)
{
    std::vector<int> rows;
    for (int y = 0; y < img.height(); ++y)
        if (DarkInRow(img, y, x0, x1) > 0)
            rows.push_back(y);
    return rows;
}

} // namespace

TEST(LabelEx, Defaults)
{
    TLabelEx label;
    EXPECT_EQ(label.Gap(), 0);
    EXPECT_FALSE(label.ShowAccelChar());
    EXPECT_TRUE(label.AutoSize());
    EXPECT_FALSE(label.Transparent());
    EXPECT_FALSE(label.WordWrap());
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    EXPECT_EQ(label.Layout(), tlTop);
    EXPECT_TRUE(label.Caption().isEmpty());
    TCustomLabel plain;
    EXPECT_TRUE(plain.ShowAccelChar());
}

TEST(LabelEx, GapWidensTheAutoSizedLabelBetweenCharacters)
{
    for (const char *caption : {"AB", "ABC"}) {
        TLabelEx tight, spaced;
        useTestFont(tight);
        useTestFont(spaced);
        spaced.SetGap(5);
        tight.SetCaption(QString::fromLatin1(caption));
        spaced.SetCaption(QString::fromLatin1(caption));
        EXPECT_EQ(tight.width(), advance(tight, QString::fromLatin1(caption)));
        EXPECT_EQ(spaced.width() - tight.width(), 5 * (int(strlen(caption)) - 1)) << caption;
    }
}

TEST(LabelEx, SettingTheGapRepaintsWithoutRefitting)
{
    TLabelEx label;
    useTestFont(label);
    label.SetCaption(QStringLiteral("ABC"));
    const int before = label.width();
    label.SetGap(4);
    EXPECT_EQ(label.width(), before);
    label.SetAutoSize(false);
    label.SetAutoSize(true);
    EXPECT_EQ(label.width(), before + 8);
}

TEST(LabelEx, HeightAddsAFifthOfThePointSize)
{
    const std::pair<int, int> cases[] = {{4, 0}, {5, 1}, {9, 1}, {12, 2}};
    for (auto [points, extra] : cases) {
        TLabelEx label;
        useTestFont(label, points);
        label.SetCaption(QStringLiteral("Ag"));
        EXPECT_EQ(label.height() - lineHeight(label), extra) << points << " pt";
        label.SetCaption(QStringLiteral("Ag\r\nAg"));
        EXPECT_EQ(label.height() - 2 * lineHeight(label), extra) << points << " pt";
    }
}

TEST(LabelEx, EmptyCaptionMeasuresOneBlank)
{
    TLabelEx label;
    useTestFont(label);
    label.SetCaption(QStringLiteral("x"));
    label.SetGap(3);
    label.SetCaption(QString());
    EXPECT_EQ(label.width(), advance(label, QStringLiteral(" ")));
    EXPECT_EQ(label.height(), lineHeight(label) + 2);
}

TEST(LabelEx, WidestLineDecidesTheWidth)
{
    TLabelEx label;
    useTestFont(label);
    label.SetCaption(QStringLiteral("i\r\nWWWW\r\nii"));
    EXPECT_EQ(label.width(), advance(label, QStringLiteral("WWWW")));
    EXPECT_EQ(label.height(), 3 * lineHeight(label) + 2);

    // Each line is drawn: dark pixels in each of the three bands.
    label.SetTransparent(true);
    const QImage img = RenderWidget(label);
    const int lh = lineHeight(label);
    for (int line = 0; line < 3; ++line) {
        int dark = 0;
        for (int y = line * lh; y < (line + 1) * lh; ++y)
            dark += DarkInRow(img, y, 0, img.width());
        EXPECT_GT(dark, 0) << line;
    }
}

TEST(LabelEx, AmpersandIsDrawnItselfUnlessAcceleratorsAreOn)
{
    TLabelEx label;
    useTestFont(label);
    label.SetTransparent(true);
    label.SetCaption(QStringLiteral("A&B"));
    EXPECT_EQ(label.width(), advance(label, QStringLiteral("A&B")));
    const int ascent = QFontMetrics(label.Font().ToQFont()).ascent();
    const QImage plain = RenderWidget(label);
    // Nothing below the baseline: no underline.
    for (int y : darkRows(plain, 0, plain.width()))
        EXPECT_LE(y, ascent);

    label.SetShowAccelChar(true);
    label.SetAutoSize(false);
    label.SetAutoSize(true);
    EXPECT_EQ(label.width(), advance(label, QStringLiteral("AB")));
    const QImage accel = RenderWidget(label);
    const int bStart = advance(label, QStringLiteral("A"));
    bool underlined = false;
    for (int y : darkRows(accel, bStart, accel.width()))
        underlined |= y > ascent;
    EXPECT_TRUE(underlined);
    for (int y : darkRows(accel, 0, bStart - 1))
        EXPECT_LE(y, ascent); // only the marked character is underlined
}

TEST(LabelEx, FilledWithColourUnlessTransparent)
{
    QWidget panel;
    panel.resize(100, 40);
    TLabelEx label(&panel);
    useTestFont(label);
    label.SetCaption(QStringLiteral("i"));
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 60, 30);
    label.SetColor(clRed);
    EXPECT_FALSE(label.ParentColor());
    EXPECT_EQ(PixelAt(RenderWidget(panel, Qt::green), 50, 25), QColor(Qt::red));
    label.SetTransparent(true);
    EXPECT_EQ(PixelAt(RenderWidget(panel, Qt::green), 50, 25), QColor(Qt::green));
}

TEST(LabelEx, DisabledLabelDrawsEmbossed)
{
    TLabelEx label;
    useTestFont(label, 20);
    label.SetTransparent(true);
    label.SetCaption(QStringLiteral("H"));
    label.SetEnabled(false);
    const QImage img = RenderWidget(label, Qt::black);
    // The highlight copy lies one pixel lower than the shadow copy: the topmost inked row holds the
    // shadow colour, the bottommost the highlight colour, each exactly (the font's horizontal edges
    // are hinted onto the pixel grid).
    std::vector<int> inked;
    for (int y = 0; y < img.height(); ++y)
        if (DarkInRow(img, y, 0, img.width()) < img.width())
            inked.push_back(y);
    ASSERT_FALSE(inked.empty());
    auto rowHas = [&](int y, QColor c) { return RowsHaveColor(img, y, y + 1, c); };
    EXPECT_TRUE(rowHas(inked.front(), ToQColor(clBtnShadow)));
    EXPECT_FALSE(rowHas(inked.front(), ToQColor(clBtnHighlight)));
    EXPECT_TRUE(rowHas(inked.back(), ToQColor(clBtnHighlight)));
    EXPECT_FALSE(rowHas(inked.back(), ToQColor(clBtnShadow)));
}

TEST(LabelEx, RightAlignedAutoSizeKeepsTheRightEdge)
{
    QWidget panel;
    TLabelEx label(&panel);
    useTestFont(label);
    label.SetAlignment(taRightJustify);
    label.SetBounds(100, 10, 50, 20);
    label.SetCaption(QStringLiteral("WW"));
    EXPECT_EQ(label.x() + label.width(), 150);
    EXPECT_EQ(label.y(), 10);
}

TEST(LabelEx, LayoutBottomMovesTheTextDown)
{
    TLabelEx label;
    useTestFont(label);
    label.SetTransparent(true);
    label.Font().SetColor(clBlue);
    label.SetCaption(QStringLiteral("H"));
    label.SetAutoSize(false);
    label.SetBounds(0, 0, label.width(), 100);
    const std::vector<int> top = darkRows(RenderWidget(label), 0, label.width());
    label.SetLayout(tlBottom);
    const QImage img = RenderWidget(label);
    const std::vector<int> bottom = darkRows(img, 0, label.width());
    EXPECT_TRUE(RowsHaveColor(img, 0, img.height(), Qt::blue)); // in the font's colour
    ASSERT_FALSE(top.empty());
    ASSERT_FALSE(bottom.empty());
    EXPECT_LT(top.back(), 30);
    EXPECT_GT(bottom.front(), 70);
}

TEST(LabelEx, WordWrapFitsTheCurrentWidth)
{
    TLabelEx label;
    useTestFont(label);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, advance(label, QStringLiteral("alpha")), 10);
    label.SetCaption(QStringLiteral("alpha beta"));
    label.SetWordWrap(true);
    label.SetAutoSize(true);
    EXPECT_EQ(label.height(), 2 * lineHeight(label) + 2);
}

TEST(LabelEx, ScalingScalesBoundsAndFontButNotTheGap)
{
    QWidget panel;
    TLabelEx label(&panel);
    useTestFont(label, 12);
    label.SetGap(3);
    label.SetCaption(QStringLiteral("AB"));
    label.SetAutoSize(false);
    label.SetBounds(10, 20, 30, 16);
    label.ChangeScale(50, 100);
    EXPECT_EQ(label.geometry(), QRect(5, 10, 15, 8));
    EXPECT_EQ(label.Font().Size(), 6);
    EXPECT_EQ(label.Gap(), 3);
    label.ChangeScale(100, 100);
    EXPECT_EQ(label.Font().Size(), 6);
}

TEST(LabelEx, PlainLabelMeasuresWithoutGapOrExtraBottom)
{
    TCustomLabel label;
    useTestFont(label);
    // Ends in a glyph whose ink stays inside its advance, so the width is the advance alone.
    label.SetCaption(QStringLiteral("TestH"));
    EXPECT_EQ(label.width(), advance(label, QStringLiteral("TestH")));
    EXPECT_EQ(label.height(), lineHeight(label));
    EXPECT_EQ(label.TextWidth(QStringLiteral("aaaa")), advance(label, QStringLiteral("aaaa")));
}

TEST(LabelEx, ExtremeGapAndFontDoNotFail)
{
    TLabelEx label;
    label.Font().SetHeight(-100000);
    label.SetGap(2000000000);
    label.SetCaption(QStringLiteral("AB"));
    label.SetAutoSize(false);
    label.SetAutoSize(true);
    label.SetGap(-2000000000);
    label.SetAutoSize(false);
    label.SetAutoSize(true);
    label.SetBounds(0, 0, 50, 50);
    RenderWidget(label);
    EXPECT_EQ(label.Gap(), -2000000000);
}
