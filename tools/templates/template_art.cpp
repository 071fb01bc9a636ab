// The template pictures: gradients, curves and fibres drawn with an antialiasing painter.
#include "template_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

namespace {

// A small fixed-seed generator, so every build draws the same fibres.
class Lcg
{
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53);
    }

private:
    std::uint64_t state_ = 0x5eed5eedULL;
};

// A white image of `size`; `paint` draws on it, given the painter, the image's rectangle, width and
// height.
template <typename Paint> QImage drawImage(QSize size, Paint paint)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, image.rect(), qreal(size.width()), qreal(size.height()));
    return image;
}

} // namespace

QImage SkyWaveBackground(QSize size)
{
    return drawImage(size, [](QPainter &p, QRect area, qreal w, qreal h) {
        QLinearGradient wash(0, 0, w, h);
        wash.setColorAt(0, QColor(255, 255, 255));
        wash.setColorAt(0.55, QColor(244, 248, 252));
        wash.setColorAt(1, QColor(222, 233, 245));
        p.fillRect(area, wash);
        const auto sweep = [&](qreal lift, const QColor &color) {
            QPainterPath path;
            path.moveTo(w * 0.30, h);
            path.cubicTo(w * 0.55, h * (0.92 - lift), w * 0.78, h * (0.70 - lift), w, h * (0.38 - lift));
            path.lineTo(w, h);
            path.closeSubpath();
            p.fillPath(path, color);
        };
        sweep(0.0, QColor(150, 185, 225, 70));
        sweep(-0.12, QColor(90, 140, 200, 80));
        QPen line(QColor(255, 255, 255, 170), h * 0.006);
        p.setPen(line);
        QPainterPath edge;
        edge.moveTo(w * 0.36, h);
        edge.cubicTo(w * 0.58, h * 0.95, w * 0.80, h * 0.78, w, h * 0.50);
        p.drawPath(edge);
    });
}

QImage WashiBackground(QSize size)
{
    return drawImage(size, [](QPainter &p, QRect area, qreal w, qreal h) {
        QRadialGradient glow(w * 0.5, h * 0.4, qMax(w, h) * 0.8);
        glow.setColorAt(0, QColor(252, 249, 241));
        glow.setColorAt(1, QColor(240, 233, 218));
        p.fillRect(area, glow);
        Lcg random;
        for (int i = 0; i < 900; ++i) {
            const QPointF start(random.next() * w, random.next() * h);
            const qreal length = 6 + random.next() * 26;
            const qreal angle = random.next() * 6.2832;
            const QPointF end = start + QPointF(std::cos(angle) * length, std::sin(angle) * length);
            const QPointF bend = (start + end) / 2 + QPointF(random.next() * 6 - 3, random.next() * 6 - 3);
            QPainterPath fibre;
            fibre.moveTo(start);
            fibre.quadTo(bend, end);
            const int shade = 200 + int(random.next() * 40);
            p.setPen(QPen(QColor(shade, shade - 8, shade - 24, 40 + int(random.next() * 50)),
                          0.6 + random.next() * 0.9));
            p.drawPath(fibre);
        }
        // A pale vermilion wash in the top corner, like a brushed seal of colour.
        QRadialGradient wash(w * 0.92, h * 0.06, w * 0.5);
        wash.setColorAt(0, QColor(205, 90, 70, 60));
        wash.setColorAt(1, QColor(205, 90, 70, 0));
        p.fillRect(area, wash);
    });
}

QImage ForestBackground(QSize size)
{
    return drawImage(size, [](QPainter &p, QRect area, qreal w, qreal h) {
        QLinearGradient shade(0, 0, w * 0.4, h);
        shade.setColorAt(0, QColor(34, 78, 66));
        shade.setColorAt(1, QColor(16, 44, 38));
        p.fillRect(area, shade);
        QRadialGradient light(w * 0.15, h * 0.1, w * 0.7);
        light.setColorAt(0, QColor(255, 255, 255, 28));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(area, light);
        p.setPen(QPen(QColor(201, 170, 98), h * 0.008));
        p.drawLine(QPointF(w * 0.07, h * 0.86), QPointF(w * 0.93, h * 0.86));
    });
}

QImage LeafLogo(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QLinearGradient disc(0, 0, s, s);
    disc.setColorAt(0, QColor(40, 110, 190));
    disc.setColorAt(1, QColor(22, 62, 128));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
    QPainterPath leaf;
    leaf.moveTo(s * 0.28, s * 0.74);
    leaf.cubicTo(s * 0.26, s * 0.42, s * 0.46, s * 0.26, s * 0.76, s * 0.24);
    leaf.cubicTo(s * 0.76, s * 0.54, s * 0.58, s * 0.74, s * 0.28, s * 0.74);
    p.setBrush(Qt::white);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(30, 86, 160), s * 0.03, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.30, s * 0.72), QPointF(s * 0.66, s * 0.36));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(242, 150, 40));
    p.drawEllipse(QPointF(s * 0.70, s * 0.70), s * 0.07, s * 0.07);
    return image;
}
