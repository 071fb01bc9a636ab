// Pictures for the editor tests: bitmaps drawn in code.
#include "editor_fixture.h"

#include "platform/picture.h"

#include <QImage>

TImage *EditorFixture::addPicture(EditRect r, int tag)
{
    auto *picture = new TImage(form->DrawPanel);
    QImage image(r.width, r.height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(image);
    picture->Picture().SetGraphic(std::move(bitmap));
    picture->SetStretch(true);
    picture->SetBounds(r.left, r.top, r.width, r.height);
    picture->SetTag(tag);
    form->AttachCardObject(picture);
    return picture;
}
