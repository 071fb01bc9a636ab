// The card object classes in the component class registry.
#include "controls/card_classes.h"

#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/component_registry.h"
#include "document/zrd_format.h"
#include "jpeg/jpeg_image.h"
#include "platform/picture.h"

namespace {

template <typename Control> void registerControl(const QString &className)
{
    RegisterComponentClass(className, [](QObject *owner) -> std::unique_ptr<Streamable> {
        return std::make_unique<Control>(qobject_cast<QWidget *>(owner));
    });
}

} // namespace

void RegisterCardClasses()
{
    RegisterStandardGraphics();
    RegisterJpegGraphic();
    // Only card objects: a clipboard stream naming the grid or the colour dialog is not pasted.
    registerControl<TQVShape>(QStringLiteral("TQVShape"));
    registerControl<TImage>(QStringLiteral("TImage"));
    registerControl<TLabelEx>(QStringLiteral("TLabelEx"));
}

TGraphicControl *NewCardObjectForTag(std::int32_t tag, QWidget *parent)
{
    switch (tag) {
    case ZrdTag::Shape:
        return new TQVShape(parent);
    case ZrdTag::LabelOld:
    case ZrdTag::Label:
        return new TLabelEx(parent);
    case ZrdTag::Picture:
        return new TImage(parent);
    default:
        return nullptr;
    }
}
