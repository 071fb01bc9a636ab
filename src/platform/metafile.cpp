// The metafile picture class: an EMF or placeable WMF kept byte for byte, drawn through SVG.
#include "platform/metafile.h"

#include "platform/broken_picture.h"
#include "platform/bytes.h"
#include "platform/errors.h"
#include "platform/metafile_svg.h"
#include "platform/strings.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace {

// Clipboard copies of pictures whose headers claim absurd sizes are scaled down to this.
constexpr int MaxImageSide = 8192;

} // namespace

void TMetafile::SetSize(int width, int height)
{
    width_ = MetafileUnits(std::max(width, 0), header_);
    height_ = MetafileUnits(std::max(height, 0), header_);
}

void TMetafile::LoadFromBytes(const QByteArray &fileBytes)
{
    const std::optional<MetafileHeader> header = ParseMetafileHeader(fileBytes);
    if (!header)
        throw EInvalidGraphic(LoadStr(Str::InvalidMetafile));
    bytes_ = fileBytes;
    header_ = *header;
    width_ = header->width;
    height_ = header->height;
    renderer_.reset();
    converted_ = false;
}

void TMetafile::ReadData(const QByteArray &data)
{
    if (data.isEmpty()) {
        *this = TMetafile();
        return;
    }
    const qint32 length = data.size() >= 4 ? ReadInt32(data.constData()) : -1;
    if (length < 0 || length > data.size())
        throw EReadError(LoadStr(Str::InvalidMetafileData));
    if (length <= 4) {
        *this = TMetafile();
        return;
    }
    // The length counts its own four bytes; a length of the metafile alone is understood as well.
    const qsizetype fileSize = length == data.size() - 4 ? length : length - 4;
    LoadFromBytes(SharedBytes(data, 4, fileSize));
}

QByteArray TMetafile::DataHead() const
{
    QByteArray out;
    AppendInt32(out, bytes_.isEmpty() ? 0 : qint32(bytes_.size() + 4));
    return out;
}

QSvgRenderer *TMetafile::renderer() const
{
    if (!converted_) {
        converted_ = true;
        renderer_.reset();
        // The converters trust record sizes; damaged files stop here.
        if (!bytes_.isEmpty() && MetafileRecordsIntact(bytes_, header_)) {
            const QByteArray svg = header_.enhanced ? EmfToSvg(bytes_) : WmfToSvg(bytes_, header_);
            if (!svg.isEmpty()) {
                auto renderer = std::make_shared<QSvgRenderer>(svg);
                if (renderer->isValid())
                    renderer_ = std::move(renderer);
            }
        }
    }
    return renderer_.get();
}

void TMetafile::Draw(QPainter &painter, const QRect &target) const
{
    if (Empty() || target.isEmpty())
        return;
    if (QSvgRenderer *svg = renderer())
        svg->render(&painter, QRectF(target));
    else
        DrawBrokenPicture(painter, target);
}

QString TMetafile::DrawError() const
{
    return Empty() || Drawable() ? QString() : QStringLiteral("The metafile's records cannot be drawn");
}

QImage TMetafile::ToImage() const
{
    QSize size(Width(), Height());
    if (Empty() || size.isEmpty())
        return {};
    if (size.width() > MaxImageSide || size.height() > MaxImageSide)
        size = size.scaled(MaxImageSide, MaxImageSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Draw(painter, image.rect());
    return image;
}
