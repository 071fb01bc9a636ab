// Pixel helpers for the control tests: rendering a widget into an image and reading colours back.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The widget (and its children) drawn over a background of one colour.
inline QImage RenderWidget(QWidget &widget, QColor background = Qt::white)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(background);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QColor PixelAt(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Dark pixels in a column (x fixed, y from y0 to y1 exclusive) or a row.
inline int DarkInColumn(const QImage &image, int x, int y0, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        n += qGray(image.pixel(x, y)) < 128;
    return n;
}

inline int DarkInRow(const QImage &image, int y, int x0, int x1)
{
    int n = 0;
    for (int x = x0; x < x1; ++x)
        n += qGray(image.pixel(x, y)) < 128;
    return n;
}

// Whether any pixel of rows y0..y1-1 has exactly this colour.
inline bool RowsHaveColor(const QImage &image, int y0, int y1, QColor color)
{
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}
