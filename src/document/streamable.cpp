// Writing a streamable component as a stream and assigning a read stream to one.
#include "document/streamable.h"

#include "document/stream_reader.h"
#include "document/stream_writer.h"
#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/strings.h"

void Streamable::ReadChild(const ObjectRecord &child)
{
    throw EReadError(LoadStr(Str::CannotOwnComponent)
                         .arg(ClassName(), Cp932Decode(child.name), Cp932Decode(child.className)));
}

void ThrowUnknownProperty(const QString &name)
{
    throw EReadError(LoadStr(Str::PropertyMissing).arg(name));
}

ObjectRecord ComponentRecord(const Streamable &component)
{
    ObjectRecord record;
    record.className = Cp932Encode(component.ClassName());
    record.name = Cp932Encode(component.ComponentName());
    PropertyWriter writer;
    component.WriteProperties(writer);
    record.properties = writer.takeProperties();
    return record;
}

QByteArray WriteComponent(const Streamable &component)
{
    return SerializeComponentStream(ComponentRecord(component));
}

void ApplyComponentRecord(const ObjectRecord &record, Streamable &component)
{
    const QString name = Cp932Decode(record.name);
    const QString owner = name.isEmpty() ? Cp932Decode(record.className) : name;
    component.SetComponentName(name);
    for (const Property &property : record.properties) {
        const QString propertyName = Cp932Decode(property.name);
        try {
            component.ReadProperty(propertyName, property.value);
        } catch (const EReadError &error) {
            throw EReadError(LoadStr(Str::PropertyReadError).arg(owner, propertyName, error.message()));
        }
    }
    for (const ObjectRecord &child : record.children)
        component.ReadChild(child);
}

void ReadComponent(const QByteArray &bytes, Streamable &component)
{
    ApplyComponentRecord(ParseComponentStream(bytes), component);
}

qsizetype ReadComponentAt(const QByteArray &data, qsizetype offset, Streamable &component)
{
    ObjectRecord record;
    const qsizetype used = ParseComponentStreamAt(data, offset, record);
    ApplyComponentRecord(record, component);
    return used;
}
