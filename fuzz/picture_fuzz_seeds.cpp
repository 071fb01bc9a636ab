// Writes a small seed corpus for picture_fuzz: hand-made EMF and WMF files, BMP, ICO and PNG files.
#include "common/picture_samples.h"
#include "seed_files.h"

#include <QImage>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 40));
    const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
    const QImage mono = picture.convertToFormat(QImage::Format_Mono);
    return WriteSeedFiles(argv[0], argv[1],
                          {
                              {"sample.emf", SampleEmf()},
                              {"sample.wmf", SampleWmf()},
                              {"rgb.bmp", EncodedImage(picture, "BMP")},
                              {"indexed.bmp", EncodedImage(indexed, "BMP")},
                              {"mono.bmp", EncodedImage(mono, "BMP")},
                              {"icon.ico", EncodedImage(picture, "ICO")},
                              {"image.png", EncodedImage(picture, "PNG")},
                          });
}
