// Label text layout: line breaks, prefixes, tabs, word breaks and alignment.
#include "controls/drawtext.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A proportional font the install script installs, with fractional advances.
QFont testFont(int pixels = 16)
{
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(pixels);
    return f;
}

TRect measure(const QString &text, unsigned format = 0, int width = 0, const QFont &font = testFont())
{
    TRect r{3, 4, 3 + width, 4};
    DrawText(nullptr, font, Qt::black, text, r, format | DT_CALCRECT);
    return r;
}

} // namespace

TEST(DrawText, LinesBreakAtCrLfCrAndLf)
{
    const QFontMetrics fm(testFont());
    const int lh = fm.height();
    EXPECT_EQ(measure(QStringLiteral("A\r\nB\rC\nD")).Height(), 4 * lh);
    EXPECT_EQ(measure(QStringLiteral("A\r\n")).Height(), lh); // a final break adds no line
    EXPECT_EQ(measure(QStringLiteral("A\n\nB")).Height(), 3 * lh);
    const TRect empty = measure(QString());
    EXPECT_EQ(empty, (TRect{3, 4, 3, 4}));
    const TRect two = measure(QStringLiteral("W\r\nii"));
    EXPECT_EQ(two.Left, 3);
    EXPECT_EQ(two.Width(), std::max(fm.horizontalAdvance(u'W'), fm.horizontalAdvance(QStringLiteral("ii"))));
}

TEST(DrawText, PrefixesUnlessTurnedOff)
{
    const QFontMetrics fm(testFont());
    EXPECT_EQ(measure(QStringLiteral("A&B")).Width(), fm.horizontalAdvance(QStringLiteral("AB")));
    EXPECT_EQ(measure(QStringLiteral("A&&B")).Width(), fm.horizontalAdvance(QStringLiteral("A&B")));
    EXPECT_EQ(measure(QStringLiteral("A&B"), DT_NOPREFIX).Width(),
              fm.horizontalAdvance(QStringLiteral("A&B")));
    EXPECT_EQ(measure(QStringLiteral("&")).Width(), 0);
}

TEST(DrawText, TabsAdvanceToStopsOfEightAverageCharacters)
{
    const QFontMetrics fm(testFont());
    const int stop = 8 * fm.averageCharWidth();
    EXPECT_EQ(measure(QStringLiteral("A\tB"), DT_EXPANDTABS).Width(), stop + fm.horizontalAdvance(u'B'));
    EXPECT_EQ(measure(QStringLiteral("\t\tB"), DT_EXPANDTABS).Width(), 2 * stop + fm.horizontalAdvance(u'B'));
}

TEST(DrawText, WordBreakKeepsLinesWithinTheWidth)
{
    const QFontMetrics fm(testFont());
    const int lh = fm.height();
    const QString text = QStringLiteral("alpha beta gamma");
    const int full = fm.horizontalAdvance(text);
    EXPECT_EQ(measure(text, DT_WORDBREAK, full).Height(), lh);
    const TRect narrow = measure(text, DT_WORDBREAK, fm.horizontalAdvance(QStringLiteral("alpha beta")));
    EXPECT_EQ(narrow.Height(), 2 * lh);
    EXPECT_EQ(narrow.Width(), fm.horizontalAdvance(QStringLiteral("alpha beta")));
    // A word wider than the rectangle is not split.
    const TRect tiny = measure(text, DT_WORDBREAK, 1);
    EXPECT_EQ(tiny.Height(), 3 * lh);
    EXPECT_EQ(tiny.Width(), fm.horizontalAdvance(QStringLiteral("gamma")));
    // Without the flag the width is ignored.
    EXPECT_EQ(measure(text, 0, 1).Height(), lh);
}

TEST(DrawText, WordBreakKeepsALineThatFitsWhole)
{
    // Word widths rounded one by one add up to more than the line measured whole; a label measured
    // whole must not wrap at its own width. One pixel less must wrap it.
    for (int pixels = 8; pixels <= 40; ++pixels)
        for (int gap : {0, 3})
            for (const QString &text :
                 {QStringLiteral("alpha beta gamma"), QStringLiteral("Taro Yamada / Sales Dept."),
                  QStringLiteral("a i l t f r j . , ; : ! i l"),
                  QStringLiteral("株式会社 ヴェルモラ 営業部 第一課")}) {
                QFont font = testFont(pixels);
                font.setLetterSpacing(QFont::AbsoluteSpacing, gap);
                const QFontMetrics fm(font);
                const int full = fm.horizontalAdvance(text);
                EXPECT_EQ(measure(text, DT_WORDBREAK, full, font).Height(), fm.height())
                    << pixels << " px, gap " << gap << ": " << text.toStdString();
                EXPECT_GE(measure(text, DT_WORDBREAK, full - 1 - gap, font).Height(), 2 * fm.height())
                    << pixels << " px, gap " << gap << ": " << text.toStdString();
            }
}

TEST(DrawText, LetterSpacingCountsAfterEveryCharacter)
{
    QFont spaced = testFont();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    TRect plain{0, 0, 0, 0}, wide{0, 0, 0, 0};
    DrawText(nullptr, testFont(), Qt::black, QStringLiteral("ABC"), plain, DT_CALCRECT);
    DrawText(nullptr, spaced, Qt::black, QStringLiteral("ABC"), wide, DT_CALCRECT);
    EXPECT_EQ(wide.Width() - plain.Width(), 12);
}

TEST(DrawText, AlignmentPlacesEachLine)
{
    for (unsigned align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
        QImage img(120, 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        TRect r{0, 0, 120, 40};
        DrawText(&p, testFont(), Qt::black, QStringLiteral("I"), r, align);
        p.end();
        int minX = 120, maxX = -1;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
        ASSERT_GE(maxX, 0);
        if (align == DT_LEFT)
            EXPECT_LT(maxX, 10);
        else if (align == DT_RIGHT)
            EXPECT_GT(minX, 110);
        else
            EXPECT_TRUE(minX > 50 && maxX < 70) << minX << " " << maxX;
    }
}

TEST(DrawText, DrawingIsClippedToTheRectangle)
{
    QImage img(100, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    TRect r{0, 0, 100, 10};
    DrawText(&p, testFont(), Qt::black, QStringLiteral("MMMM\nMMMM"), r, 0);
    p.end();
    for (int y = 10; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(qGray(img.pixel(x, y)), 255) << x << "," << y;
}
