// TImage: picture placement, auto-size and painting.
#include "controls/image.h"

#include "platform/broken_picture.h"
#include "platform/strings.h"

#include <QPainter>

TImage::TImage(QWidget *parent) : TGraphicControl(parent)
{
    resize(105, 105);
    picture_.OnChange = [this] { pictureChanged(); };
}

void TImage::SetStretch(bool value)
{
    if (stretch_ == value)
        return;
    stretch_ = value;
    update();
}

void TImage::SetCenter(bool value)
{
    if (center_ == value)
        return;
    center_ = value;
    update();
}

void TImage::SetAutoSize(bool value)
{
    if (autoSize_ == value)
        return;
    autoSize_ = value;
    fitToPicture();
}

void TImage::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    update();
}

void TImage::pictureChanged()
{
    fitToPicture();
    update();
}

void TImage::fitToPicture()
{
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(x(), y(), picture_.Width(), picture_.Height());
}

QRect TImage::DestRect() const
{
    if (stretch_)
        return rect();
    const int w = picture_.Width(), h = picture_.Height();
    if (center_)
        return QRect((width() - w) / 2, (height() - h) / 2, w, h);
    return QRect(0, 0, w, h);
}

namespace {

// The bitmap with every pixel of its bottom-left pixel's colour made transparent.
QImage withoutKeyColor(const QImage &source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return image;
}

} // namespace

void TImage::paintEvent(QPaintEvent *)
{
    if (picture_.Empty())
        return;
    QPainter painter(this);
    PaintPicture(painter);
}

void TImage::PaintPicture(QPainter &painter) const
{
    const TGraphic *graphic = picture_.Graphic();
    if (!graphic || graphic->Empty())
        return;
    const QRect target = DestRect();
    if (transparent_ && graphic->ClassName() == QStringLiteral("TBitmap")) {
        painter.drawImage(target, withoutKeyColor(graphic->ToImage()));
        return;
    }
    graphic->Draw(painter, target);
    const QString error = graphic->DrawError();
    if (!error.isEmpty())
        NoteUndrawablePicture(
            LoadStr(Str::PictureNotDrawn).arg(Description.isEmpty() ? Describe() : Description, error));
}

QString TImage::Describe() const
{
    // The background is the one picture control that is never enabled.
    const int kind = !isEnabled() ? Str::BackgroundPictureName
                     : Tag() == 1 ? Str::CatchPhraseName
                                  : Str::PictureName;
    return LoadStr(Str::PicturePlace).arg(LoadStr(kind)).arg(x()).arg(y()).arg(width()).arg(height());
}
