// The component class registry.
#include "document/component_registry.h"

#include "document/stream_reader.h"
#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/strings.h"

#include <map>

namespace {

std::map<QString, ComponentFactory> &registry()
{
    static std::map<QString, ComponentFactory> factories;
    return factories;
}

} // namespace

void RegisterComponentClass(const QString &className, ComponentFactory factory)
{
    registry()[className] = std::move(factory);
}

bool IsComponentClassRegistered(const QString &className)
{
    return registry().count(className) != 0;
}

QStringList RegisteredComponentClasses()
{
    QStringList names;
    for (const auto &entry : registry())
        names.append(entry.first);
    return names;
}

std::unique_ptr<Streamable> CreateComponent(const QString &className, QObject *owner)
{
    const auto found = registry().find(className);
    if (found == registry().end() || !found->second)
        throw EReadError(LoadStr(Str::ClassNotFound).arg(className));
    std::unique_ptr<Streamable> component = found->second(owner);
    if (!component)
        throw EReadError(LoadStr(Str::ClassNotCreated).arg(className));
    return component;
}

std::unique_ptr<Streamable> ReadComponentCreating(const QByteArray &bytes, QObject *owner)
{
    const ObjectRecord record = ParseComponentStream(bytes);
    std::unique_ptr<Streamable> component = CreateComponent(Cp932Decode(record.className), owner);
    ApplyComponentRecord(record, *component);
    return component;
}
