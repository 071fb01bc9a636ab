// Writes a small seed corpus for jpeg_fuzz: baseline, progressive, greyscale and CMYK JPEG files.
#include "jpeg_samples.h"
#include "seed_files.h"

#include <QPainter>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    QImage picture(40, 24, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 40));
    QPainter(&picture).fillRect(16, 8, 24, 16, QColor(20, 60, 220));
    return WriteSeedFiles(argv[0], argv[1],
                          {
                              {"baseline.jpg", EncodeRgbJpeg(picture, 75)},
                              {"progressive.jpg", EncodeRgbJpeg(picture, 75, true)},
                              {"grey.jpg", EncodeGrayJpeg(24, 16, 90)},
                              {"adobe_cmyk.jpg", EncodeCmykJpeg(16, 16, {255, 0, 0, 255}, false, true)},
                              {"ycck.jpg", EncodeCmykJpeg(16, 16, {0, 255, 0, 200}, true, true)},
                          });
}
