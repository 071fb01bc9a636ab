// Text drawn straight onto a white image with nothing clipped, and a comparison of dark pixels: what the
// label ink tests compare a label's drawing with.
#pragma once

#include "platform/graphics.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

// `text` in the font `name` at `size`, letter-spaced by `gap` pixels, its top-left corner at `at`.
inline QImage DrawFreeText(const QString &name, int size, TFontStyles style, int gap, const QString &text,
                           QPoint at, QSize imageSize)
{
    TFont f;
    f.SetName(name);
    f.SetSize(size);
    f.SetStyle(style);
    QFont font = f.ToQFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, gap);
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(at + QPoint(0, QFontMetrics(font).ascent()), text);
    return image;
}

// Pixels dark in one image and not in the other.
inline int DifferingDarkPixels(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (qGray(a.pixel(x, y)) < 160) != (qGray(b.pixel(x, y)) < 160);
    return n;
}
