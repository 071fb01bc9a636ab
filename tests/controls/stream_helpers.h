// Helpers for the streaming tests of the controls: streams built from properties, and what was written.
#pragma once

#include "document/stream_reader.h"
#include "document/stream_writer.h"
#include "document/streamable.h"
#include "platform/errors.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// A component stream of an unnamed object with exactly these properties, as another writer made it.
inline QByteArray StreamOf(const char *className, std::vector<Property> properties)
{
    ObjectRecord record;
    record.className = className;
    record.properties = std::move(properties);
    return SerializeComponentStream(record);
}

inline Property Prop(const char *name, StreamValue value)
{
    return Property{QByteArray(name), std::move(value)};
}

// "A B C" as the names A, B and C.
inline QStringList Names(const char *spaced)
{
    return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts);
}

// The names of the properties a component writes, in order.
inline QStringList WrittenNames(const Streamable &component)
{
    QStringList names;
    for (const Property &p : ComponentRecord(component).properties)
        names.append(QString::fromLatin1(p.name));
    return names;
}

// The value a component writes for a property; null when it does not write it.
inline StreamValue WrittenValue(const Streamable &component, const char *name)
{
    const ObjectRecord record = ComponentRecord(component);
    const Property *p = record.findProperty(name);
    return p ? p->value : StreamValue();
}

// The message of the EReadError that reading `bytes` into `target` raises.
inline QString ReadError(const QByteArray &bytes, Streamable &target)
{
    try {
        ReadComponent(bytes, target);
    } catch (const EReadError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}
