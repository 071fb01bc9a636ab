// The calibration sheet: its geometry from the printer's measures, painting and printing it.
#include "layout/calibration_sheet.h"

#include "layout/print_geometry.h"
#include "layout/print_sheet.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

constexpr double ArmMM = 15.0;       // length of a corner cross's lines, and half a centre cross's
constexpr double ScaleAwayMM = 20.0; // from a cross to its scales' base lines
constexpr double ShortTickMM = 1.5;
constexpr double LongTickMM = 3.0; // every fifth millimetre, with its value
constexpr double LabelMM = 2.5;    // height of a value
constexpr int Reach = 10;          // values run from -10 to +10 mm

// Builds the sheet in printer pixels at p pixels per millimetre.
class Builder
{
public:
    Builder(CalibrationSheet &sheet, double p) : sheet_(sheet), p_(p)
    {
        sheet_.lineWidth = std::max(1, int(std::lround(0.15 * p)));
    }

    int px(double mm) const { return int(std::lround(mm * p_)); }

    // An axis-aligned line from `a` to `b`, lineWidth thick and centred on them.
    void line(QPoint a, QPoint b)
    {
        const int w = sheet_.lineWidth, half = w / 2;
        if (a.y() == b.y())
            sheet_.lines.emplace_back(std::min(a.x(), b.x()), a.y() - half, std::abs(b.x() - a.x()), w);
        else
            sheet_.lines.emplace_back(a.x() - half, std::min(a.y(), b.y()), w, std::abs(b.y() - a.y()));
    }

    // A corner cross: its two lines run from the corner into the area (dx, dy = +1 or -1), each with its
    // outer edge on the area's border.
    void cornerCross(int index, QPoint corner, int dx, int dy)
    {
        const int w = sheet_.lineWidth, arm = px(ArmMM);
        sheet_.crosses[size_t(index)] = corner;
        const int x = dx > 0 ? corner.x() : corner.x() - w;
        const int y = dy > 0 ? corner.y() : corner.y() - w;
        sheet_.lines.emplace_back(dx > 0 ? x : x - arm + w, y, arm, w);
        sheet_.lines.emplace_back(x, dy > 0 ? y : y - arm + w, w, arm);
    }

    // A scale along the axis `along` (a unit step) from `base`; the tick for value v stands `distance(v)`
    // millimetres from the base point, ticks run along `across` (a unit step). Values without a place on
    // the printable side of the base point (negative distances) are left out.
    template <typename Distance>
    void scale(QPoint base, QPoint along, QPoint across, int from, int to, Distance distance)
    {
        std::vector<std::pair<int, double>> marks;
        for (int v = from; v <= to; ++v)
            if (const double t = distance(v); t >= 0.0)
                marks.emplace_back(v, t);
        if (marks.empty())
            return;
        double lo = marks.front().second, hi = lo;
        for (const auto &m : marks) {
            lo = std::min(lo, m.second);
            hi = std::max(hi, m.second);
        }
        line(base + along * px(lo), base + along * px(hi));
        const int labelW = px(7), labelH = px(LabelMM * 1.4);
        for (const auto &[v, t] : marks) {
            const QPoint at = base + along * px(t);
            const bool major = v % 5 == 0;
            const QPoint end = at + across * px(major ? LongTickMM : ShortTickMM);
            line(at, end);
            sheet_.ticks.push_back({at, v});
            if (!major)
                continue;
            const QPoint centre = end + across * px(0.6 + (across.x() != 0 ? 3.5 : LabelMM * 0.7));
            const QString text = v > 0 ? QStringLiteral("+%1").arg(v) : QString::number(v);
            sheet_.texts.push_back({QRect(centre.x() - labelW / 2, centre.y() - labelH / 2, labelW, labelH),
                                    text, Qt::AlignCenter, px(LabelMM)});
        }
    }

private:
    CalibrationSheet &sheet_;
    double p_;
};

QString instruction()
{
    return QStringLiteral(
        "1. 印刷面を外にして用紙の左右の端をぴったり合わせて二つに折り、しっかり折り目を付けます。"
        "中央の十字の下の横の目盛りを折り目が通るところの値が「横」の補正値です。\n"
        "2. 上下の端を合わせて同じように折り、中央の十字の右の縦の目盛りを折り目が通るところの値が"
        "「縦」の補正値です。\n"
        "3. ページ設定の「印刷位置の補正」に二つの値を入力します。＋は右と下へ、－は左と上へ"
        "印刷位置を動かします。\n"
        "四隅でも確かめられます。角の線に沿って用紙の端を印刷面の側へ折り返すと、"
        "その隅の目盛りで用紙の端が指す値が同じ補正値です。");
}

} // namespace

CalibrationSheet CalibrationSheetGeometry(const PrinterMeasures &m, const QString &printerTitle)
{
    CalibrationSheet sheet;
    if (!PrinterMeasuresUsable(m))
        return sheet;
    const double p = m.LogPixelsX > 0 ? m.LogPixelsX / 25.4 : double(m.HorzRes) / m.HorzSize;
    Builder b(sheet, p);
    const int right = m.HorzRes, bottom = m.VertRes;
    // The unprintable margins in millimetres: how far the paper's edges stand from the corner lines.
    const double l = m.PhysicalOffsetX / p, t = m.PhysicalOffsetY / p;
    const double r = (m.PhysicalWidth - m.PhysicalOffsetX - m.HorzRes) / p;
    const double bm = (m.PhysicalHeight - m.PhysicalOffsetY - m.VertRes) / p;

    b.cornerCross(0, {0, 0}, 1, 1);
    b.cornerCross(1, {right, 0}, -1, 1);
    b.cornerCross(2, {0, bottom}, 1, -1);
    b.cornerCross(3, {right, bottom}, -1, -1);

    // Folding the paper's edge over along a corner line puts the edge as far inside that line as the line
    // stands from the edge: a margin of l plus whatever the printer moved the print. The values say how
    // far to move it back.
    const int away = b.px(ScaleAwayMM);
    const QPoint east(1, 0), west(-1, 0), south(0, 1), north(0, -1);
    const auto fromLeft = [l](int v) { return l - v; };
    const auto fromRight = [r](int v) { return r + v; };
    const auto fromTop = [t](int v) { return t - v; };
    const auto fromBottom = [bm](int v) { return bm + v; };
    b.scale({0, away}, east, south, -Reach, Reach, fromLeft);
    b.scale({away, 0}, south, east, -Reach, Reach, fromTop);
    b.scale({right, away}, west, south, -Reach, Reach, fromRight);
    b.scale({right - away, 0}, south, west, -Reach, Reach, fromTop);
    b.scale({0, bottom - away}, east, north, -Reach, Reach, fromLeft);
    b.scale({away, bottom}, north, east, -Reach, Reach, fromBottom);
    b.scale({right, bottom - away}, west, north, -Reach, Reach, fromRight);
    b.scale({right - away, bottom}, north, west, -Reach, Reach, fromBottom);

    // The paper's centre, where folding edge to edge creases it; the scales' zero stands there and each
    // millimetre the printer moved the print moves the crease one mark the other way.
    const QPoint centre(int(std::lround(m.PhysicalWidth / 2.0)) - m.PhysicalOffsetX,
                        int(std::lround(m.PhysicalHeight / 2.0)) - m.PhysicalOffsetY);
    sheet.crosses[4] = centre;
    const int arm = b.px(ArmMM);
    b.line(centre - QPoint(arm, 0), centre + QPoint(arm, 0));
    b.line(centre - QPoint(0, arm), centre + QPoint(0, arm));
    const auto fromCentre = [](int v) { return double(v + Reach); };
    b.scale(centre + QPoint(-b.px(Reach), away), east, south, -Reach, Reach, fromCentre);
    b.scale(centre + QPoint(away, -b.px(Reach)), south, east, -Reach, Reach, fromCentre);

    // Marks at the very edge are cut to the area the printer can print on.
    const QRect area(0, 0, right, bottom);
    std::vector<QRect> inside;
    for (const QRect &line : sheet.lines)
        if (const QRect kept = line & area; !kept.isEmpty())
            inside.push_back(kept);
    sheet.lines = std::move(inside);

    // Title and instruction between the top corners and the centre.
    const int margin = b.px(30), top = b.px(30);
    const int width = std::max(right - 2 * margin, b.px(40));
    sheet.texts.push_back({QRect(margin, top, width, b.px(8)), QStringLiteral("印刷位置の補正用シート"),
                           Qt::AlignLeft | Qt::AlignVCenter, b.px(5)});
    sheet.texts.push_back({QRect(margin, top + b.px(9), width, b.px(6)),
                           QStringLiteral("プリンタ: %1").arg(printerTitle), Qt::AlignLeft | Qt::AlignVCenter,
                           b.px(3.2)});
    const int textTop = top + b.px(17);
    sheet.texts.push_back({QRect(margin, textTop, width, std::max(centre.y() - away - textTop, b.px(20))),
                           instruction(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, b.px(3.5)});
    return sheet;
}

void PaintCalibrationSheet(QPainter &painter, const CalibrationSheet &sheet)
{
    for (const QRect &line : sheet.lines)
        painter.fillRect(line, Qt::black);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("IPAPGothic"));
    for (const CalibrationText &text : sheet.texts) {
        font.setPixelSize(std::max(1, text.pixelSize));
        painter.setFont(font);
        painter.drawText(text.box, text.flags, text.text);
    }
}

void PrintCalibrationSheet(QPrinter &printer, const PaperSize &paper, const QString &printerTitle)
{
    const QPageLayout previous = printer.pageLayout();
    if (paper.PaperWidth > 0 && paper.PaperHeight > 0)
        printer.setPageSize(QPageSize(QSizeF(paper.PaperWidth, paper.PaperHeight), QPageSize::Millimeter,
                                      QString(), QPageSize::FuzzyOrientationMatch));
    struct Restore
    {
        QPrinter &printer;
        const QPageLayout &layout;
        ~Restore() { printer.setPageLayout(layout); }
    } restore{printer, previous};
    PrintPage(printer, [&](QPainter &painter, const PrinterMeasures &m) {
        PaintCalibrationSheet(painter, CalibrationSheetGeometry(m, printerTitle));
    });
}
