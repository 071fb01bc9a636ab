// The catch-phrase pictures: short greetings set in the IPA and URW faces, some with a small ornament.
#include "card_pictures.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

enum class Ornament { None, Underline, SideRules, Seal };

struct Phrase
{
    const char *file;
    const char *text;
    const char *family;
    int pixelSize;
    QRgb colour;
    bool italic;
    Ornament ornament;
};

const Phrase Phrases[] = {
    {"01_arigatou", "ありがとうございます", "IPAMincho", 30, 0x1c1c1c, false, Ornament::Underline},
    {"02_yoroshiku", "よろしくお願いします", "IPAPGothic", 28, 0x1d3557, false, Ornament::None},
    {"03_thank_you", "Thank you", "Z003", 52, 0x7a1f2b, false, Ornament::None},
    {"04_osewa", "いつもお世話になっております", "IPAPMincho", 24, 0x2b2b2b, false, Ornament::None},
    {"05_kokoro", "心をこめて", "IPAMincho", 32, 0x8b1e2d, false, Ornament::SideRules},
    {"06_hajimemashite", "はじめまして", "IPAPGothic", 30, 0x1f6f78, false, Ornament::None},
    {"07_nice_to_meet_you", "Nice to meet you", "P052", 30, 0x2b2b2b, true, Ornament::None},
    {"08_kansha", "感謝", "IPAMincho", 34, 0xb7282e, false, Ornament::Seal},
    {"09_best_regards", "Best Regards", "Z003", 42, 0x1d3557, false, Ornament::Underline},
    {"10_egao", "笑顔をお届けします", "IPAPMincho", 26, 0xa0472f, false, Ornament::None},
    {"11_gosoudan", "お気軽にご相談ください", "IPAPGothic", 24, 0x2d6a4f, false, Ornament::None},
    {"12_kongotomo", "今後ともよろしくお願い申し上げます", "IPAPMincho", 22, 0x1c1c1c, false, Ornament::None},
};

// A small square standing on its point.
QPainterPath diamond(QPointF centre, qreal half)
{
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - half);
    path.lineTo(centre.x() + half, centre.y());
    path.lineTo(centre.x(), centre.y() + half);
    path.lineTo(centre.x() - half, centre.y());
    path.closeSubpath();
    return path;
}

QFont fontOf(const Phrase &p)
{
    QFont font(QString::fromLatin1(p.family));
    font.setPixelSize(p.pixelSize);
    font.setItalic(p.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The phrase drawn on a transparent ground, cropped to its ink with a margin.
QImage render(const Phrase &p)
{
    const QFont font = fontOf(p);
    const QFontMetricsF metrics(font);
    const QString text = QString::fromUtf8(p.text);
    const QRectF ink = metrics.tightBoundingRect(text);
    const qreal advance = metrics.horizontalAdvance(text);
    const int margin = p.pixelSize / 4 + 2;
    int rule = 0;    // room for the side rules on each side
    int below = 0;   // room for the underline
    int sealPad = 0; // room around the seal's text
    if (p.ornament == Ornament::SideRules)
        rule = p.pixelSize + 8;
    if (p.ornament == Ornament::Underline)
        below = p.pixelSize / 3 + 4;
    if (p.ornament == Ornament::Seal)
        sealPad = p.pixelSize / 4;
    const qreal textWidth = std::max(advance, ink.right()) - std::min<qreal>(0, ink.left());
    const int w = int(std::ceil(textWidth)) + 2 * (margin + rule + sealPad);
    const int h = int(std::ceil(ink.height())) + 2 * (margin + sealPad) + below;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QColor ink_(QColor::fromRgb(p.colour));
    const QPointF origin(margin + rule + sealPad - std::min<qreal>(0, ink.left()),
                         margin + sealPad - ink.top());

    if (p.ornament == Ornament::Seal) {
        // A hanko-like red square with the phrase reversed out of it.
        const QRectF box(margin, margin, w - 2 * margin, h - 2 * margin);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink_);
        painter.drawRoundedRect(box, p.pixelSize / 8.0, p.pixelSize / 8.0);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(3, 3, -3, -3), p.pixelSize / 10.0, p.pixelSize / 10.0);
        painter.setPen(Qt::white);
    } else {
        painter.setPen(ink_);
    }
    painter.setFont(font);
    painter.drawText(origin, text);

    const qreal midY = origin.y() + ink.top() + ink.height() / 2;
    QColor soft = ink_;
    soft.setAlpha(170);
    if (p.ornament == Ornament::SideRules) {
        painter.setPen(QPen(soft, 1.2));
        const qreal left = margin, right = w - margin;
        painter.drawLine(QPointF(left, midY), QPointF(left + rule - 8, midY));
        painter.drawLine(QPointF(right - rule + 8, midY), QPointF(right, midY));
        painter.setBrush(soft);
        painter.setPen(Qt::NoPen);
        for (qreal x : {left + rule - 5, right - rule + 5})
            painter.drawPath(diamond({x, midY}, 3));
    }
    if (p.ornament == Ornament::Underline) {
        // A fine rule that thins out towards both ends, with a small diamond in the middle.
        const qreal y = origin.y() + ink.bottom() + below * 0.6;
        const qreal left = margin + textWidth * 0.12, right = w - margin - textWidth * 0.12;
        QLinearGradient fade(left, 0, right, 0);
        QColor clear = ink_;
        clear.setAlpha(0);
        fade.setColorAt(0, clear);
        fade.setColorAt(0.5, soft);
        fade.setColorAt(1, clear);
        painter.setPen(QPen(QBrush(fade), 1.2));
        painter.drawLine(QPointF(left, y), QPointF(right, y));
        const qreal cx = (left + right) / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(soft);
        painter.drawPath(diamond({cx, y}, 3.5));
    }
    return image;
}

bool save(const QImage &image, const QString &path, const char *format, int quality)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "card_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

bool WriteCatchPhrases(const QString &folder)
{
    const QDir dir(folder);
    for (const Phrase &p : Phrases) {
        if (!QFontInfo(fontOf(p)).family().startsWith(QLatin1String(p.family)))
            std::fprintf(stderr, "card_pictures: font %s is missing; a substitute is used\n", p.family);
        const QImage clear = render(p);
        // The JPEG version sits on white, for cards and programs without transparency.
        QImage white(clear.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QPainter(&white).drawImage(0, 0, clear);
        const QString name = QString::fromLatin1(p.file);
        if (!save(white, dir.filePath(name + QStringLiteral(".jpg")), "JPG", 95) ||
            !save(clear, dir.filePath(name + QStringLiteral(".png")), "PNG", -1))
            return false;
    }
    return true;
}
