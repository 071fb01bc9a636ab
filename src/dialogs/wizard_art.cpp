// The wizard's decorative pictures: soft backdrop, business cards with shadows, a folder.
#include "dialogs/wizard_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kNavy(36, 58, 104);
const QColor kAccent(192, 52, 60);
const QColor kInk(120, 128, 140);
const QColor kPaper(253, 253, 250);

enum class CardStyle { Band, Rule, Vertical, Plain };

void paintBackdrop(QPainter &p, QSize size)
{
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(238, 243, 250));
    sky.setColorAt(1, QColor(208, 221, 240));
    p.setPen(QPen(QColor(176, 190, 212), 1));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 10, 10);
    // A few faint circles give the backdrop some depth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(size.width() * 0.85, size.height() * 0.15), 46, 46);
    p.drawEllipse(QPointF(size.width() * 0.12, size.height() * 0.9), 60, 60);
}

void bar(QPainter &p, QRectF r, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

// A card centred at `centre`, turned by `degrees`, with a soft shadow and text bars.
void paintCard(QPainter &p, QPointF centre, QSizeF size, qreal degrees, CardStyle style)
{
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    const QRectF card(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    for (int i = 4; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 30, 60, 14));
        p.drawRoundedRect(card.translated(i * 0.8, i * 1.2), 3 + i, 3 + i);
    }
    p.setPen(QPen(QColor(196, 202, 214), 1));
    p.setBrush(kPaper);
    p.drawRoundedRect(card, 3, 3);
    const qreal w = card.width(), h = card.height(), x = card.left(), y = card.top();
    switch (style) {
    case CardStyle::Band: {
        QPainterPath band;
        band.addRoundedRect(QRectF(x, y, w * 0.16, h), 3, 3);
        p.fillPath(band, kNavy);
        bar(p, QRectF(x + w * 0.26, y + h * 0.30, w * 0.46, h * 0.11), kNavy);
        bar(p, QRectF(x + w * 0.26, y + h * 0.48, w * 0.30, h * 0.06), kInk);
        bar(p, QRectF(x + w * 0.26, y + h * 0.68, w * 0.58, h * 0.05), kInk.lighter(125));
        bar(p, QRectF(x + w * 0.26, y + h * 0.78, w * 0.50, h * 0.05), kInk.lighter(125));
        break;
    }
    case CardStyle::Rule:
        bar(p, QRectF(x + w * 0.10, y + h * 0.14, w * 0.36, h * 0.06), kInk);
        bar(p, QRectF(x + w * 0.10, y + h * 0.34, w * 0.50, h * 0.12), QColor(40, 40, 48));
        p.fillRect(QRectF(x + w * 0.10, y + h * 0.53, w * 0.80, 1.6), kAccent);
        bar(p, QRectF(x + w * 0.10, y + h * 0.66, w * 0.66, h * 0.05), kInk.lighter(125));
        bar(p, QRectF(x + w * 0.10, y + h * 0.77, w * 0.54, h * 0.05), kInk.lighter(125));
        break;
    case CardStyle::Vertical:
        bar(p, QRectF(x + w * 0.62, y + h * 0.12, w * 0.14, h * 0.56), QColor(40, 40, 48));
        bar(p, QRectF(x + w * 0.42, y + h * 0.12, w * 0.08, h * 0.38), kInk);
        bar(p, QRectF(x + w * 0.16, y + h * 0.30, w * 0.07, h * 0.56), kInk.lighter(125));
        bar(p, QRectF(x + w * 0.27, y + h * 0.30, w * 0.07, h * 0.46), kInk.lighter(125));
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(x + w * 0.62, y + h * 0.76, w * 0.14, w * 0.14));
        break;
    case CardStyle::Plain:
        p.setPen(QPen(QColor(170, 180, 200), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card.adjusted(5, 5, -5, -5), 2, 2);
        break;
    }
    p.restore();
}

void paintFolder(QPainter &p, QRectF r)
{
    const QColor back(222, 178, 92), front(242, 204, 122);
    QPainterPath tab;
    tab.moveTo(r.left(), r.top() + 10);
    tab.lineTo(r.left(), r.top() + 2);
    tab.quadTo(r.left(), r.top(), r.left() + 3, r.top());
    tab.lineTo(r.left() + r.width() * 0.36, r.top());
    tab.lineTo(r.left() + r.width() * 0.44, r.top() + 10);
    tab.closeSubpath();
    p.setPen(QPen(back.darker(125), 1));
    p.setBrush(back);
    p.drawPath(tab);
    p.drawRoundedRect(QRectF(r.left(), r.top() + 8, r.width(), r.height() - 8), 4, 4);
    // A card stands in the folder, half out.
    paintCard(p, QPointF(r.center().x() + 4, r.top() + 14), QSizeF(r.width() * 0.78, r.width() * 0.47), -6,
              CardStyle::Rule);
    QPainterPath cover;
    cover.moveTo(r.left() - 4, r.top() + 30);
    cover.lineTo(r.right() + 4, r.top() + 30);
    cover.lineTo(r.right(), r.bottom());
    cover.lineTo(r.left(), r.bottom());
    cover.closeSubpath();
    QLinearGradient shade(0, r.top() + 30, 0, r.bottom());
    shade.setColorAt(0, front.lighter(106));
    shade.setColorAt(1, front.darker(108));
    p.setPen(QPen(back.darker(130), 1));
    p.setBrush(shade);
    p.drawPath(cover);
}

void paintPlusBadge(QPainter &p, QPointF centre, qreal radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 60, 30));
    p.drawEllipse(centre + QPointF(1, 2), radius, radius);
    p.setBrush(kAccent);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::white, radius * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - QPointF(radius * 0.45, 0), centre + QPointF(radius * 0.45, 0));
    p.drawLine(centre - QPointF(0, radius * 0.45), centre + QPointF(0, radius * 0.45));
}

// A picture of `size` on the backdrop; `paint` draws the rest, given the painter, width and height.
template <typename Paint> QPixmap drawPicture(QSize size, Paint paint)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(p, size);
    paint(p, qreal(size.width()), qreal(size.height()));
    return pixmap;
}

} // namespace

QPixmap WizardOpenOrNewPicture(QSize size)
{
    return drawPicture(size, [](QPainter &p, qreal w, qreal h) {
        paintCard(p, QPointF(w * 0.62, h * 0.30), QSizeF(w * 0.56, w * 0.34), 8, CardStyle::Band);
        paintPlusBadge(p, QPointF(w * 0.86, h * 0.17), w * 0.07);
        paintFolder(p, QRectF(w * 0.12, h * 0.50, w * 0.62, h * 0.36));
    });
}

QPixmap WizardTemplatePicture(QSize size)
{
    return drawPicture(size, [](QPainter &p, qreal w, qreal h) {
        const QSizeF card(w * 0.58, w * 0.35);
        paintCard(p, QPointF(w * 0.36, h * 0.64), QSizeF(w * 0.30, w * 0.50), -14, CardStyle::Vertical);
        paintCard(p, QPointF(w * 0.58, h * 0.70), card, 10, CardStyle::Plain);
        paintCard(p, QPointF(w * 0.50, h * 0.44), card, -4, CardStyle::Rule);
        paintCard(p, QPointF(w * 0.54, h * 0.22), card, 6, CardStyle::Band);
    });
}
