// JPEG pictures carried into a PDF as their own files: while the sheet is painted each one is drawn as a
// small placeholder image, and after the PDF is written each placeholder becomes the JPEG's bytes.
#pragma once

#include "jpeg/jpeg_frame.h"
#include "platform/file_io.h"

#include <QByteArray>
#include <QImage>
#include <vector>

class QPainter;
class TGraphic;
class TImage;

// The placeholder of picture `index`: a few pixels that no picture of a card is likely to be, drawn
// without loss so they can be recognised in the PDF.
QImage PdfPlaceholderImage(int index);

struct PdfJpegPicture
{
    QByteArray file;
    JpegPassThrough image;
};

// Every image of `pdf` that is the placeholder of a picture becomes that picture's JPEG file as a
// DCTDecode image (its size and colours from the JPEG, no soft mask); the rest stays as it is. The new
// PDF goes to `write` as it is made, so it is never held whole beside the pictures. Throws
// EPrinterError when the PDF cannot be read or written; stops early when `write` fails.
void ReplacePdfPlaceholders(const QByteArray &pdf, const std::vector<PdfJpegPicture> &pictures,
                            const FileChunkSink &write);

// Whether the PDF module that carries JPEG files could be loaded. Without it (a damaged installation)
// JPEG pictures go into a PDF the decoding way, as other pictures do.
bool PdfJpegModuleAvailable();

// The JPEG pictures of one painted sheet, each once however often it is drawn.
class PdfJpegPictures
{
public:
    // Draws `image`'s picture as its placeholder when it is a JPEG picture a PDF can carry as it is,
    // where and as the picture itself would be drawn; false (nothing drawn) otherwise.
    bool Draw(QPainter &painter, const TImage &image);
    const std::vector<PdfJpegPicture> &Pictures() const { return pictures_; }

private:
    struct Known
    {
        const TGraphic *graphic;
        int index; // -1: not carried as it is
    };
    int indexOf(const TGraphic &graphic);

    std::vector<Known> known_;
    std::vector<PdfJpegPicture> pictures_;
    std::vector<QImage> placeholders_;
};
