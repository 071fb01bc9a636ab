// JPEG pictures of a painted sheet drawn as the placeholders that become their files in the PDF.
#include "layout/pdf_pictures.h"

#include "controls/image.h"
#include "jpeg/jpeg_scale.h"

#include <QPainter>

int PdfJpegPictures::indexOf(const TGraphic &graphic)
{
    for (const Known &known : known_)
        if (known.graphic == &graphic)
            return known.index;
    int index = -1;
    const QByteArray file = graphic.FileBytes();
    const std::optional<JpegFrame> frame = ReadJpegFrame(file);
    std::optional<JpegPassThrough> image = frame ? JpegForPassThrough(*frame) : std::nullopt;
    // A reader decodes the whole picture: one larger than a document may decode is drawn as today, at
    // the scale the device needs or as the placeholder of an undrawable picture.
    if (image && !JpegDecodeSizeAllowed(image->width, image->height))
        image.reset();
    // A truncated or mangled file goes the decoding way, which draws what can be read or the mark of a
    // broken picture (refused in batch runs), instead of reaching the PDF for its reader to stumble on.
    if (image && !JpegStructureComplete(file))
        image.reset();
    if (image && !PdfJpegModuleAvailable())
        image.reset();
    if (image) {
        for (size_t i = 0; i < pictures_.size() && index < 0; ++i)
            if (pictures_[i].file == file)
                index = int(i);
        if (index < 0) {
            index = int(pictures_.size());
            pictures_.push_back({file, *image});
            placeholders_.push_back(PdfPlaceholderImage(index));
        }
    }
    known_.push_back({&graphic, index});
    return index;
}

bool PdfJpegPictures::Draw(QPainter &painter, const TImage &image)
{
    const TGraphic *graphic = image.Picture().Graphic();
    if (!graphic || graphic->Empty() || graphic->ClassName() != QStringLiteral("TJPEGImage"))
        return false;
    const int index = indexOf(*graphic);
    if (index < 0)
        return false;
    const QRect target = image.DestRect();
    if (target.isEmpty())
        return true;
    painter.save();
    // As the JPEG picture draws itself; lossless so that the placeholder's pixels reach the PDF exactly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(target), placeholders_[size_t(index)]);
    painter.restore();
    return true;
}
