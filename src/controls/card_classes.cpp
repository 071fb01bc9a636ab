// The card object classes table and what is built on it.
#include "controls/card_classes.h"

#include "controls/LabelEx.h"
#include "controls/graphic_classes.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/component_registry.h"
#include "document/zrd_format.h"

#include <memory>
#include <vector>

namespace {

template <typename Control> TGraphicControl *construct(QWidget *parent)
{
    return new Control(parent);
}

template <typename Control> bool isInstance(const QObject *object)
{
    return dynamic_cast<const Control *>(object) != nullptr;
}

template <typename Control> CardClass entry(CardKind kind, const char *className, std::int32_t tag)
{
    return {kind, QLatin1StringView(className), tag, &construct<Control>, &isInstance<Control>};
}

} // namespace

const std::array<CardClass, 3> &CardClasses()
{
    static const std::array<CardClass, 3> classes{
        entry<TQVShape>(CardKind::Shape, "TQVShape", ZrdTag::Shape),
        entry<TLabelEx>(CardKind::Label, "TLabelEx", ZrdTag::Label),
        entry<TImage>(CardKind::Picture, "TImage", ZrdTag::Picture),
    };
    return classes;
}

const CardClass *CardClassOf(const QObject *object)
{
    if (qobject_cast<const QWidget *>(object) == nullptr)
        return nullptr;
    for (const CardClass &c : CardClasses())
        if (c.isInstance(object))
            return &c;
    return nullptr;
}

const CardClass *CardClassForTag(std::int32_t tag)
{
    if (tag == ZrdTag::LabelOld)
        tag = ZrdTag::Label;
    for (const CardClass &c : CardClasses())
        if (c.documentTag == tag)
            return &c;
    return nullptr;
}

CardKind KindOf(const QObject *object)
{
    const CardClass *c = CardClassOf(object);
    return c ? c->kind : CardKind::None;
}

bool IsCatchPhrase(const QObject *object)
{
    auto *picture = dynamic_cast<const TImage *>(object);
    return picture && picture->Tag() == 1;
}

Streamable &AsStreamable(QWidget &object)
{
    return dynamic_cast<Streamable &>(object);
}

const Streamable &AsStreamable(const QWidget &object)
{
    return dynamic_cast<const Streamable &>(object);
}

TGraphicControl *CopyCardObject(const QWidget &object, QWidget *parent)
{
    const CardClass *c = CardClassOf(&object);
    if (!c)
        return nullptr;
    std::unique_ptr<TGraphicControl> copy(c->construct(parent));
    // The record as a stream would hold it, without writing the stream out and parsing it back.
    ObjectRecord record = ComponentRecord(AsStreamable(object));
    const auto *picture = dynamic_cast<const TImage *>(&object);
    // A picture is shared instead: the copy holds the same file bytes and what has been decoded of
    // them, and decodes only a scale the original has not needed.
    if (picture)
        std::erase_if(record.properties, [](const Property &p) { return p.name == "Picture.Data"; });
    ApplyComponentRecord(record, AsStreamable(*copy));
    if (picture && picture->Picture().Graphic())
        static_cast<TImage &>(*copy).SetPicture(picture->Picture());
    return copy.release();
}

void RegisterCardClasses()
{
    RegisterGraphicClasses();
    // Only card objects: a clipboard stream naming the grid or the colour dialog is not pasted.
    for (const CardClass &c : CardClasses()) {
        const auto make = c.construct;
        RegisterComponentClass(QString(c.className), [make](QObject *owner) -> std::unique_ptr<Streamable> {
            TGraphicControl *control = make(qobject_cast<QWidget *>(owner));
            return std::unique_ptr<Streamable>(&AsStreamable(*control));
        });
    }
}
