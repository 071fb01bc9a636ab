// The background pictures: paper textures, gradients, corner ornaments, borders and quiet patterns.
#include "card_pictures.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Twice the worksheet's 455 x 275, so printed cards stay smooth.
constexpr int W = 910, H = 550;

QImage canvas(QRgb ground)
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

// Brightness noise of +-amount on every pixel, the same for every run.
void grain(QImage &image, int amount, quint32 seed)
{
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(random.bounded(2 * amount + 1)) - amount;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

QImage washi()
{
    QImage image = canvas(qRgb(0xf7, 0xf1, 0xe3));
    grain(image, 4, 11);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(12);
    // Long pale fibres, as in hand-made paper.
    for (int i = 0; i < 420; ++i) {
        const QPointF a(random.bounded(W), random.bounded(H));
        const double angle = random.bounded(6.283), length = 20 + random.bounded(70.0);
        const QPointF b = a + QPointF(std::cos(angle) * length, std::sin(angle) * length);
        const QPointF c = (a + b) / 2 + QPointF(random.bounded(16.0) - 8, random.bounded(16.0) - 8);
        QPainterPath fibre(a);
        fibre.quadTo(c, b);
        const bool light = random.bounded(2) == 0;
        p.setPen(
            QPen(light ? QColor(255, 255, 250, 90) : QColor(170, 150, 110, 30), 0.6 + random.bounded(0.9)));
        p.drawPath(fibre);
    }
    return image;
}

QImage sky()
{
    QImage image = canvas(qRgb(255, 255, 255));
    QPainter p(&image);
    QLinearGradient g(0, 0, W, H);
    g.setColorAt(0, QColor(0xcf, 0xe4, 0xf4));
    g.setColorAt(0.55, QColor(0xf1, 0xf7, 0xfc));
    g.setColorAt(1, QColor(0xff, 0xff, 0xff));
    p.fillRect(image.rect(), g);
    QRadialGradient glow(W * 0.8, H * 0.2, W * 0.5);
    glow.setColorAt(0, QColor(255, 255, 255, 140));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    return image;
}

void blossom(QPainter &p, QPointF centre, double radius, double turn, QColor colour)
{
    p.save();
    p.translate(centre);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(i * 72);
        // A petal with the small notch of a cherry blossom at its tip.
        QPainterPath petal(QPointF(0, 0));
        petal.cubicTo(QPointF(-radius * 0.55, -radius * 0.35), QPointF(-radius * 0.5, -radius * 0.95),
                      QPointF(-radius * 0.12, -radius));
        petal.lineTo(QPointF(0, -radius * 0.86));
        petal.lineTo(QPointF(radius * 0.12, -radius));
        petal.cubicTo(QPointF(radius * 0.5, -radius * 0.95), QPointF(radius * 0.55, -radius * 0.35),
                      QPointF(0, 0));
        p.setBrush(colour);
        p.drawPath(petal);
        p.restore();
    }
    p.setBrush(QColor(0xe0, 0x70, 0x8a, 200));
    p.drawEllipse(QPointF(0, 0), radius * 0.14, radius * 0.14);
    p.restore();
}

QImage sakura()
{
    QImage image = canvas(qRgb(0xff, 0xfb, 0xf7));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(31);
    const QColor pinks[] = {QColor(0xf7, 0xc6, 0xd0, 230), QColor(0xf3, 0xa6, 0xb8, 210),
                            QColor(0xfa, 0xdc, 0xe2, 240)};
    // Clusters in the top-left and bottom-right corners, thinning out towards the middle.
    for (const QPointF corner : {QPointF(0, 0), QPointF(W, H)}) {
        for (int i = 0; i < 26; ++i) {
            const double d = 30 + std::pow(random.bounded(1.0), 1.6) * 230;
            const double a = random.bounded(1.5708);
            const QPointF offset(std::cos(a) * d, std::sin(a) * d);
            const QPointF at = corner.x() == 0 ? corner + offset : corner - offset;
            blossom(p, at, 34 - d / 12 + random.bounded(8.0), random.bounded(72.0), pinks[random.bounded(3)]);
        }
    }
    // A few single petals drifting across.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        p.save();
        p.translate(180 + random.bounded(W - 360.0), 60 + random.bounded(H - 120.0));
        p.rotate(random.bounded(360.0));
        p.setBrush(QColor(0xf5, 0xb8, 0xc6, 120));
        p.drawEllipse(QPointF(0, 0), 7, 4);
        p.restore();
    }
    return image;
}

QImage goldFrame()
{
    QImage image = canvas(qRgb(0xfc, 0xf9, 0xf1));
    grain(image, 2, 41);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xb0, 0x8d, 0x57);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 4));
    p.drawRect(QRectF(26, 26, W - 52, H - 52));
    p.setPen(QPen(gold, 1.5));
    p.drawRect(QRectF(38, 38, W - 76, H - 76));
    // At each corner a small square turned on its point and a quarter circle inside the frame.
    for (int corner = 0; corner < 4; ++corner) {
        const bool right = corner & 1, bottom = corner & 2;
        const QPointF at(right ? W - 26 : 26, bottom ? H - 26 : 26);
        p.save();
        p.translate(at);
        p.scale(right ? -1 : 1, bottom ? -1 : 1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xfc, 0xf9, 0xf1));
        p.drawRect(QRectF(-8, -8, 30, 30));
        p.setBrush(gold);
        QPainterPath diamond;
        diamond.moveTo(12, 0);
        diamond.lineTo(24, 12);
        diamond.lineTo(12, 24);
        diamond.lineTo(0, 12);
        diamond.closeSubpath();
        p.drawPath(diamond);
        // Two quarter circles around the diamond, opening into the card.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(gold, 1.2));
        for (double r : {30.0, 38.0})
            p.drawArc(QRectF(12 - r, 12 - r, 2 * r, 2 * r), 270 * 16, 90 * 16);
        p.restore();
    }
    return image;
}

QImage seigaiha()
{
    QImage image = canvas(qRgb(255, 255, 255));
    QImage band(W, 190, QImage::Format_ARGB32_Premultiplied);
    band.fill(QColor(0xec, 0xf4, 0xf8));
    {
        QPainter p(&band);
        p.setRenderHint(QPainter::Antialiasing);
        const double r = 30;
        // Rows of overlapping fans, each row half a fan to the side of the last.
        for (int row = 0; row * r / 2 < band.height() + r; ++row) {
            const double y = row * r / 2;
            for (double x = (row % 2) * r - r; x < W + r; x += 2 * r) {
                for (int ring = 0; ring < 4; ++ring) {
                    const double rr = r * (1 - ring * 0.24);
                    p.setPen(Qt::NoPen);
                    p.setBrush(ring % 2 == 0 ? QColor(0xc9, 0xdf, 0xeb) : QColor(0xec, 0xf4, 0xf8));
                    p.drawEllipse(QPointF(x, y), rr, rr);
                }
            }
        }
        // Fades out upwards into the white card.
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, 0, 0, band.height());
        fade.setColorAt(0, QColor(0, 0, 0, 0));
        fade.setColorAt(0.55, QColor(0, 0, 0, 200));
        fade.setColorAt(1, QColor(0, 0, 0, 255));
        p.fillRect(band.rect(), fade);
    }
    QPainter(&image).drawImage(0, H - band.height(), band);
    return image;
}

QImage linen()
{
    QImage image = canvas(qRgb(0xf1, 0xef, 0xea));
    QPainter p(&image);
    QRandomGenerator random(61);
    // Threads of slightly different shades, across and down.
    for (int y = 0; y < H; y += 2) {
        const int a = int(random.bounded(28));
        p.setPen(QPen(random.bounded(2) ? QColor(255, 255, 255, a) : QColor(120, 110, 95, a / 2), 1));
        p.drawLine(0, y, W, y);
    }
    for (int x = 0; x < W; x += 2) {
        const int a = int(random.bounded(24));
        p.setPen(QPen(random.bounded(2) ? QColor(255, 255, 255, a) : QColor(120, 110, 95, a / 2), 1));
        p.drawLine(x, 0, x, H);
    }
    p.end();
    grain(image, 3, 62);
    return image;
}

QImage navyBand()
{
    QImage image = canvas(qRgb(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, H);
    band.setColorAt(0, QColor(0x24, 0x3a, 0x5e));
    band.setColorAt(1, QColor(0x16, 0x25, 0x40));
    p.fillRect(QRectF(0, 0, 110, H), band);
    p.fillRect(QRectF(118, 0, 5, H), QColor(0xc9, 0xa4, 0x5c));
    // A faint rule along the foot of the white part.
    p.fillRect(QRectF(150, H - 44, W - 190, 1.5), QColor(0x24, 0x3a, 0x5e, 90));
    return image;
}

QImage dots()
{
    QImage image = canvas(qRgb(0xfd, 0xfc, 0xf8));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xea, 0xe4, 0xd4));
    const double step = 42;
    for (int row = 0; row * step / 2 < H + step; ++row)
        for (double x = (row % 2) * step / 2; x < W + step; x += step)
            p.drawEllipse(QPointF(x, row * step / 2), 5.5, 5.5);
    return image;
}

QImage asanoha()
{
    QImage image = canvas(qRgb(255, 255, 255));
    QImage pattern(W, H, QImage::Format_ARGB32_Premultiplied);
    pattern.fill(Qt::transparent);
    {
        QPainter p(&pattern);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xd8, 0xc8, 0xa8), 1.3));
        const double s = 64, h = s * std::sqrt(3.0) / 2;
        const auto row = [&](int j) {
            std::vector<QPointF> v;
            for (double x = (j % 2) * s / 2 - s; x < W + s; x += s)
                v.emplace_back(x, j * h);
            return v;
        };
        // Between two rows of the triangular lattice the vertices zigzag; each three in a row make a
        // triangle, drawn with its edges and the three spokes from its centre: the hemp-leaf star.
        for (int j = -1; j * h < H + h; ++j) {
            const std::vector<QPointF> a = row(j), b = row(j + 1);
            std::vector<QPointF> zig;
            for (size_t i = 0, k = 0; i < a.size() || k < b.size();) {
                if (k >= b.size() || (i < a.size() && a[i].x() <= b[k].x()))
                    zig.push_back(a[i++]);
                else
                    zig.push_back(b[k++]);
            }
            for (size_t i = 0; i + 2 < zig.size(); ++i) {
                const QPointF t[3] = {zig[i], zig[i + 1], zig[i + 2]};
                const QPointF c = (t[0] + t[1] + t[2]) / 3;
                for (int e = 0; e < 3; ++e) {
                    p.drawLine(t[e], t[(e + 1) % 3]);
                    p.drawLine(c, t[e]);
                }
            }
        }
        // Strong at the right edge, gone by the middle of the card.
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(W * 0.45, 0, W, 0);
        fade.setColorAt(0, QColor(0, 0, 0, 0));
        fade.setColorAt(1, QColor(0, 0, 0, 255));
        p.fillRect(pattern.rect(), fade);
    }
    QPainter(&image).drawImage(0, 0, pattern);
    return image;
}

QImage watercolour()
{
    QImage image = canvas(qRgb(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(91);
    struct Wash
    {
        QPointF at;
        QColor colour;
    };
    const Wash washes[] = {{{60, 40}, QColor(0xb8, 0xe0, 0xd2)},
                           {{180, 10}, QColor(0xf6, 0xd5, 0xc0)},
                           {{W - 80, H - 30}, QColor(0xd6, 0xc8, 0xf0)},
                           {{W - 220, H}, QColor(0xb8, 0xe0, 0xd2)},
                           {{W - 40, H - 170}, QColor(0xf6, 0xd5, 0xc0)}};
    // Each wash is many soft, slightly offset blots, so its edge is irregular like paint on paper.
    for (const Wash &w : washes) {
        for (int i = 0; i < 46; ++i) {
            const QPointF c = w.at + QPointF(random.bounded(200.0) - 100, random.bounded(150.0) - 75);
            const double r = 22 + random.bounded(48.0);
            QRadialGradient g(c, r);
            QColor inner = w.colour, outer = w.colour;
            inner.setAlpha(30);
            outer.setAlpha(0);
            g.setColorAt(0, inner);
            g.setColorAt(0.55, inner);
            g.setColorAt(1, outer);
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
    p.end();
    grain(image, 2, 92);
    return image;
}

struct Background
{
    const char *file;
    QImage (*draw)();
};

const Background Backgrounds[] = {
    {"01_washi", washi},        {"02_sky", sky},
    {"03_sakura", sakura},      {"04_gold_frame", goldFrame},
    {"05_seigaiha", seigaiha},  {"06_linen", linen},
    {"07_navy_band", navyBand}, {"08_dots", dots},
    {"09_asanoha", asanoha},    {"10_watercolour", watercolour},
};

} // namespace

bool WriteBackgrounds(const QString &folder)
{
    const QDir dir(folder);
    for (const Background &b : Backgrounds) {
        const QString path = dir.filePath(QString::fromLatin1(b.file) + QStringLiteral(".bmp"));
        if (!b.draw().convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
            std::fprintf(stderr, "card_pictures: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}
