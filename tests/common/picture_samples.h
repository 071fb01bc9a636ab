// Small picture files for the picture tests of every layer: hand-made metafiles, images Qt encodes.
#pragma once

#include <QByteArray>

class QImage;

struct EmfSize
{
    int frameRight = 2646, frameBottom = 1323; // 0.01 mm: 100 x 50 screen pixels
    int boundsRight = 99, boundsBottom = 49;
};

// Header, a red brush, a rectangle from (10, 10) to (60, 40), end of file.
QByteArray SampleEmf(EmfSize size = {});

// Placeable header with the box 0..1440 x 0..720 at 1440 units per inch (96 x 48 pixels), a red
// rectangle from (100, 100) to (1000, 500), end of file.
QByteArray SampleWmf();

// The image saved in a format Qt writes ("BMP", "ICO", "JPG", ...).
QByteArray EncodedImage(const QImage &image, const char *format);
