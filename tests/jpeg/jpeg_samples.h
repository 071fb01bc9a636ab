// JPEG files made at run time with libjpeg's compressor, for the tests.
#pragma once

#include <QByteArray>
#include <QImage>
#include <array>
#include <cstdint>

QByteArray EncodeRgbJpeg(const QImage &image, int quality = 95, bool progressive = false);
QByteArray EncodeGrayJpeg(int width, int height, int value);

// Every pixel holds the same four stored samples. `ycck` stores them as YCCK (libjpeg converts);
// `adobeMarker` false leaves out the Adobe marker that libjpeg writes for CMYK by default.
QByteArray EncodeCmykJpeg(int width, int height, std::array<std::uint8_t, 4> stored, bool ycck,
                          bool adobeMarker);

// Offset of the n-th (0-based) occurrence of marker 0xFF `code`, or -1.
int FindMarker(const QByteArray &jpeg, unsigned char code, int n = 0);

// The image with arithmetic entropy coding instead of Huffman coding.
QByteArray EncodeArithmeticJpeg(const QImage &image);
