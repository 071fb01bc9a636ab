// JPEG files made at run time with libjpeg's compressor, for the tests.
#include "jpeg_samples.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace {

// Runs the compressor; `setup` chooses colour spaces and options, `row` fills one scanline.
QByteArray compress(int width, int height, int components, J_COLOR_SPACE inSpace,
                    const std::function<void(jpeg_compress_struct &)> &setup,
                    const std::function<void(int y, unsigned char *row)> &row)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = inSpace;
    jpeg_set_defaults(&cinfo);
    setup(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> line(std::size_t(width) * std::size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        row(int(cinfo.next_scanline), line.data());
        JSAMPROW rows[1] = {line.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

} // namespace

QByteArray EncodeRgbJpeg(const QImage &image, int quality, bool progressive)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return compress(
        rgb.width(), rgb.height(), 3, JCS_RGB,
        [&](jpeg_compress_struct &c) {
            jpeg_set_quality(&c, quality, TRUE);
            if (progressive)
                jpeg_simple_progression(&c);
        },
        [&](int y, unsigned char *row) { std::copy_n(rgb.constScanLine(y), rgb.width() * 3, row); });
}

QByteArray EncodeGrayJpeg(int width, int height, int value)
{
    return compress(
        width, height, 1, JCS_GRAYSCALE, [](jpeg_compress_struct &c) { jpeg_set_quality(&c, 95, TRUE); },
        [&](int, unsigned char *row) { std::fill_n(row, width, static_cast<unsigned char>(value)); });
}

QByteArray EncodeCmykJpeg(int width, int height, std::array<std::uint8_t, 4> stored, bool ycck,
                          bool adobeMarker)
{
    return compress(
        width, height, 4, JCS_CMYK,
        [&](jpeg_compress_struct &c) {
            jpeg_set_quality(&c, 95, TRUE);
            jpeg_set_colorspace(&c, ycck ? JCS_YCCK : JCS_CMYK);
            c.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
        },
        [&](int, unsigned char *row) {
            for (int x = 0; x < width; ++x)
                std::copy(stored.begin(), stored.end(), row + 4 * x);
        });
}

int FindMarker(const QByteArray &jpeg, unsigned char code, int n)
{
    const char marker[2] = {char(0xFF), char(code)};
    int from = 0;
    for (;;) {
        const int at = int(jpeg.indexOf(QByteArray(marker, 2), from));
        if (at < 0 || n-- == 0)
            return at;
        from = at + 2;
    }
}

QByteArray EncodeArithmeticJpeg(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return compress(
        rgb.width(), rgb.height(), 3, JCS_RGB,
        [](jpeg_compress_struct &c) {
            jpeg_set_quality(&c, 95, TRUE);
            c.arith_code = TRUE;
        },
        [&](int y, unsigned char *row) { std::copy_n(rgb.constScanLine(y), rgb.width() * 3, row); });
}
