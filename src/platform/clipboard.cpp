// The clipboard through Qt: the component format as its own MIME type, text and images as Qt offers them.
#include "platform/clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace {

const QMimeData *offered()
{
    return QApplication::clipboard()->mimeData();
}

QString componentType()
{
    return QString::fromLatin1(kComponentMimeType);
}

} // namespace

void PutOnClipboard(const ClipboardContent &content)
{
    auto *data = new QMimeData;
    if (!content.component.isEmpty())
        data->setData(componentType(), content.component);
    if (content.text)
        data->setText(*content.text);
    if (!content.image.isNull())
        data->setImageData(content.image);
    // The clipboard takes the data over.
    QApplication::clipboard()->setMimeData(data);
}

bool ClipboardHasComponent()
{
    const QMimeData *data = offered();
    return data && data->hasFormat(componentType());
}

bool ClipboardHasText()
{
    const QMimeData *data = offered();
    return data && data->hasText();
}

bool ClipboardHasImage()
{
    const QMimeData *data = offered();
    return data && data->hasImage();
}

bool ClipboardOffersPasteable()
{
    return ClipboardHasComponent() || ClipboardHasText() || ClipboardHasImage();
}

QByteArray ClipboardComponent()
{
    const QMimeData *data = offered();
    return data ? data->data(componentType()) : QByteArray();
}

QString ClipboardText()
{
    const QMimeData *data = offered();
    return data ? data->text() : QString();
}

QImage ClipboardImage()
{
    const QMimeData *data = offered();
    return data ? qvariant_cast<QImage>(data->imageData()) : QImage();
}
