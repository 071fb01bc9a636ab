// One object of a component stream as a plain tree: class, name, properties and owned children.
#pragma once

#include "document/stream_value.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Flags of the optional prefix byte (0xF0 | flags) in front of an object.
enum FilerFlag : int {
    ffInherited = 1, // declared in an ancestor form; only the differing properties follow
    ffChildPos = 2,  // an integer value with the position among the parent's children follows
    ffInline = 4,
};

// Names are kept as the stream's bytes (CP932), so that they are written back unchanged.
struct ObjectRecord
{
    int prefixFlags = 0;
    StreamValue childPos; // an integer value when prefixFlags has ffChildPos, else null
    QByteArray className;
    QByteArray name;
    std::vector<Property> properties;
    std::vector<ObjectRecord> children;

    // The first property of that name, or null.
    const Property *findProperty(QByteArrayView propertyName) const
    {
        for (const Property &property : properties)
            if (property.name == propertyName)
                return &property;
        return nullptr;
    }

    bool operator==(const ObjectRecord &) const = default;
};
