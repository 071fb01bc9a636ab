// Label text layout: lines, accelerator prefixes, tab stops, word breaks, alignment and drawing.
#include "controls/drawtext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Line
{
    QString text;
    int accel = -1; // index of the underlined character, or -1
};

// Splits at CR, LF and CR LF; a final break starts no further line.
QStringList paragraphs(const QString &text)
{
    QStringList out;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'\r' || ch == u'\n') {
            out << current;
            current.clear();
            if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            current += ch;
        }
    }
    if (!current.isEmpty())
        out << current;
    return out;
}

// "&x" underlines x (the last one marked wins), "&&" is "&", a final lone "&" is dropped.
Line stripPrefixes(const QString &paragraph)
{
    Line line;
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        if (paragraph[i] == u'&') {
            if (++i >= paragraph.size())
                break;
            if (paragraph[i] != u'&')
                line.accel = int(line.text.size());
        }
        line.text += paragraph[i];
    }
    return line;
}

class Layout
{
public:
    Layout(const QFont &font, unsigned format)
        : font_(font), metrics_(font), metricsF_(font), expandTabs_(format & DT_EXPANDTABS),
          tabWidth_(std::max(1, 8 * metrics_.averageCharWidth()))
    {}

    const QFontMetrics &metrics() const { return metrics_; }

    // Width of a line, tabs advancing to the next multiple of eight average characters.
    int advance(const QString &text) const
    {
        if (!expandTabs_ || !text.contains(u'\t'))
            return metrics_.horizontalAdvance(text);
        const QStringList parts = text.split(u'\t');
        int x = 0;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            x += metrics_.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size())
                x = (x / tabWidth_ + 1) * tabWidth_;
        }
        return x;
    }

    // Width a line needs: its advance, or more where its last glyph's ink runs past it (an italic "f"
    // or "j"), so that a box fitted to the text never clips a glyph.
    int extent(const QString &text) const
    {
        const int width = advance(text);
        if (text.isEmpty() || text.back().isSurrogate())
            return width;
        const qreal overhang = -metricsF_.rightBearing(text.back());
        return overhang > 0 ? width + int(std::ceil(overhang)) : width;
    }

    // Width of a text without rounding, for quick sums of a line's words.
    qreal advanceF(const QString &text) const { return metricsF_.horizontalAdvance(text); }

    // Breaks a line between words so that each piece fits `width`; a word wider than that stands alone.
    // A piece fits when it measures within the width as one string, as its line is then measured and
    // drawn: rounded word widths added up can exceed a line that fits. Word widths are summed
    // unrounded, and only a piece that ends near the edge is measured whole, so a long text is laid out
    // in about one pass.
    std::vector<Line> wrap(const Line &line, int width) const
    {
        std::vector<Line> out;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, line.text);
        qsizetype lineStart = 0, lineEnd = 0; // the piece so far, blanks at a break excluded
        qreal lineWidth = 0;                  // its width, trailing blanks included
        // Whether the piece so far, followed by the segment's ink up to `inkEnd`, fits the width.
        // Tab stops depend on where a word starts in its line, so a line with tabs is always measured.
        const bool tabs = expandTabs_ && line.text.contains(u'\t');
        const auto fits = [&](qreal sum, qsizetype inkEnd) {
            constexpr qreal nearEdge = 2; // more than kerning between words and rounding can add
            if (tabs)
                return advance(line.text.mid(lineStart, inkEnd - lineStart)) <= width;
            if (sum < width - nearEdge)
                return true;
            if (sum > width + nearEdge)
                return false;
            return advance(line.text.mid(lineStart, inkEnd - lineStart)) <= width;
        };
        auto flush = [&] {
            Line piece;
            piece.text = line.text.mid(lineStart, lineEnd - lineStart);
            if (line.accel >= lineStart && line.accel < lineEnd)
                piece.accel = int(line.accel - lineStart);
            out.push_back(piece);
        };
        qsizetype from = 0;
        while (from < line.text.size()) {
            qsizetype to = finder.toNextBoundary();
            if (to <= from)
                to = line.text.size();
            const QString segment = line.text.mid(from, to - from);
            qsizetype trimmed = segment.size();
            while (trimmed > 0 && segment[trimmed - 1].isSpace())
                --trimmed;
            const qreal inkWidth = advanceF(segment.left(trimmed));
            if (lineEnd > lineStart && !fits(lineWidth + inkWidth, from + trimmed)) {
                flush();
                lineStart = from;
                lineWidth = 0;
            }
            if (lineEnd <= lineStart && trimmed == 0 && !out.empty()) {
                lineStart = to; // blanks at the start of a broken line are dropped
            } else {
                lineWidth += advanceF(segment);
                lineEnd = from + trimmed;
            }
            from = to;
        }
        // The last piece keeps its trailing blanks, as an unbroken line does.
        if (lineStart < line.text.size() || out.empty()) {
            lineEnd = line.text.size();
            flush();
        }
        return out;
    }

    void draw(QPainter &painter, const QColor &color, const Line &line, int x, int baseline) const
    {
        painter.setPen(color);
        const int start = x;
        qsizetype from = 0;
        while (from <= line.text.size()) {
            qsizetype tab = expandTabs_ ? line.text.indexOf(u'\t', from) : -1;
            const qsizetype end = tab < 0 ? line.text.size() : tab;
            const int accel = (line.accel >= from && line.accel < end) ? int(line.accel - from) : -1;
            x = drawRun(painter, line.text.mid(from, end - from), accel, x, baseline);
            if (tab < 0)
                break;
            x = start + ((x - start) / tabWidth_ + 1) * tabWidth_;
            from = tab + 1;
        }
    }

private:
    int drawRun(QPainter &painter, const QString &run, int accel, int x, int baseline) const
    {
        if (accel < 0) {
            painter.setFont(font_);
            painter.drawText(QPoint(x, baseline), run);
            return x + metrics_.horizontalAdvance(run);
        }
        const QString before = run.left(accel), marked = run.mid(accel, 1), after = run.mid(accel + 1);
        painter.setFont(font_);
        painter.drawText(QPoint(x, baseline), before);
        x += metrics_.horizontalAdvance(before);
        QFont underlined = font_;
        underlined.setUnderline(true);
        painter.setFont(underlined);
        painter.drawText(QPoint(x, baseline), marked);
        x += metrics_.horizontalAdvance(marked);
        painter.setFont(font_);
        painter.drawText(QPoint(x, baseline), after);
        return x + metrics_.horizontalAdvance(after);
    }

    QFont font_;
    QFontMetrics metrics_;
    QFontMetricsF metricsF_;
    bool expandTabs_;
    int tabWidth_;
};

} // namespace

int DrawText(QPainter *painter, const QFont &font, const QColor &color, const QString &text, TRect &rect,
             unsigned format)
{
    const Layout layout(font, format);
    std::vector<Line> lines;
    for (const QString &paragraph : paragraphs(text)) {
        Line line;
        if (format & DT_NOPREFIX)
            line.text = paragraph;
        else
            line = stripPrefixes(paragraph);
        if (format & DT_WORDBREAK) {
            for (Line &piece : layout.wrap(line, rect.Width()))
                lines.push_back(std::move(piece));
        } else {
            lines.push_back(std::move(line));
        }
    }
    const int lineHeight = layout.metrics().height();
    const int height =
        int(std::min<long long>(static_cast<long long>(lineHeight) * lines.size(), INT_MAX / 2));

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line &line : lines)
            widest = std::max(widest, layout.extent(line.text));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }
    if (!painter)
        return height;
    painter->save();
    painter->setClipRect(QRect(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0)),
                         Qt::IntersectClip);
    int top = rect.Top;
    for (const Line &line : lines) {
        if (top >= rect.Bottom)
            break;
        const int width = layout.advance(line.text);
        int x = rect.Left;
        if (format & DT_CENTER)
            x = rect.Left + (rect.Width() - width) / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - width;
        layout.draw(*painter, color, line, x, top + layout.metrics().ascent());
        top += lineHeight;
    }
    painter->restore();
    return height;
}
