// The JPEG picture class: the file's bytes, its size from the header, pixels decoded when drawn.
#include "jpeg/jpeg_image.h"

#include "jpeg/jpeg_decode.h"
#include "jpeg/jpeg_scale.h"
#include "platform/broken_picture.h"
#include "platform/bytes.h"
#include "platform/strings.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr std::size_t MaxCachedScales = 2;

void freePixels(void *pixels)
{
    std::free(pixels);
}

const unsigned char *dataOf(const QByteArray &bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData());
}

// The device pixels a target rectangle covers on the painter's device (world transform and
// device pixel ratio included).
QSize devicePixels(const QPainter &painter, const QRect &target)
{
    const QRectF device = painter.deviceTransform().mapRect(QRectF(target));
    return {qCeil(device.width() - 1e-6), qCeil(device.height() - 1e-6)};
}

QString tooLargeMessage(int width, int height)
{
    return LoadStr(Str::PictureTooLarge).arg(width).arg(height);
}

} // namespace

QString JpegErrorMessage(int code)
{
    return LoadStr(Str::JpegError).replace(QStringLiteral("%d"), QString::number(code));
}

void TJPEGImage::SetSize(int, int)
{
    throw EJPEG(LoadStr(Str::JpegNoResize));
}

void TJPEGImage::LoadFromBytes(const QByteArray &fileBytes)
{
    VJpegInfo info;
    if (vjpeg_read_header(dataOf(fileBytes), std::size_t(fileBytes.size()), &info) != VJPEG_OK)
        throw EJPEG(JpegErrorMessage(info.error_code));
    bytes_ = fileBytes;
    width_ = info.width;
    height_ = info.height;
    cache_.clear();
    drawError_.clear();
}

void TJPEGImage::ReadData(const QByteArray &data)
{
    const std::optional<QByteArray> bytes = ReadLengthPrefixed(data);
    if (!bytes)
        throw EReadError(LoadStr(Str::InvalidJpegData));
    if (bytes->isEmpty()) {
        *this = TJPEGImage();
        return;
    }
    LoadFromBytes(*bytes);
}

QByteArray TJPEGImage::DataHead() const
{
    return LengthHead(bytes_);
}

TJPEGImage::Decoded TJPEGImage::decodedAt(int eighths) const
{
    auto hit =
        std::find_if(cache_.begin(), cache_.end(), [&](const Decoded &d) { return d.eighths == eighths; });
    if (hit != cache_.end()) {
        std::rotate(cache_.begin(), hit, hit + 1);
        return cache_.front();
    }

    Decoded d;
    d.eighths = eighths;
    // The pixels, and libjpeg's work memory beside them, come out of the document's budget.
    d.charge = ChargePixelBudget(
        PixelBytes(vjpeg_scaled_size(width_, eighths), vjpeg_scaled_size(height_, eighths)));
    if (!d.charge) {
        d.error = tooLargeMessage(width_, height_);
        return d;
    }
    VJpegInfo info;
    unsigned char *pixels = nullptr;
    const VJpegStatus status =
        vjpeg_decode(dataOf(bytes_), std::size_t(bytes_.size()), eighths,
                     long(std::clamp<qint64>(PixelBudgetLeft(), 1, LONG_MAX)), &info, &pixels);
    ++decodeCount_;
    lastDecodeScale_ = eighths;
    switch (status) {
    case VJPEG_OK:
        d.image = QImage(pixels, info.width, info.height, qsizetype(info.width) * 4, QImage::Format_RGB32,
                         freePixels, pixels);
        break;
    case VJPEG_ERROR:
        d.error = JpegErrorMessage(info.error_code);
        break;
    case VJPEG_TOO_LARGE:
        d.error = tooLargeMessage(info.width, info.height);
        break;
    case VJPEG_TOO_MANY_SCANS:
        d.error = QStringLiteral("The JPEG image has more than %1 scans").arg(VJPEG_MAX_SCANS);
        break;
    case VJPEG_NO_MEMORY:
        d.error = tooLargeMessage(width_, height_);
        break;
    }
    if (d.image.isNull())
        d.charge.reset();
    cache_.insert(cache_.begin(), std::move(d));
    if (cache_.size() > MaxCachedScales)
        cache_.pop_back();
    return cache_.front();
}

void TJPEGImage::Draw(QPainter &painter, const QRect &target) const
{
    if (Empty() || target.isEmpty())
        return;
    const QSize need = devicePixels(painter, target);
    // A target larger than the limits allows still gets the sharpest picture that is allowed.
    const int eighths = JpegLargestAllowedScale(
        width_, height_, JpegScaleForTarget(width_, height_, need.width(), need.height()));
    if (eighths == 0) {
        drawError_ = tooLargeMessage(width_, height_);
        DrawBrokenPicture(painter, target);
        return;
    }
    const Decoded d = decodedAt(eighths);
    // Painting must not throw (the paint would be repeated with the same error), so a failure is
    // remembered and shown as a placeholder.
    drawError_ = d.error;
    if (d.image.isNull()) {
        DrawBrokenPicture(painter, target);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target), d.image);
    painter.restore();
}

QImage TJPEGImage::ToImage() const
{
    if (Empty())
        return {};
    const Decoded d = decodedAt(8);
    if (d.image.isNull())
        throw EJPEG(d.error);
    return d.image;
}
