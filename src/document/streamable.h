// The interface of a class that streams its properties, and whole-stream reading and writing of one.
#pragma once

#include "document/object_record.h"
#include "document/property_writer.h"

#include <QByteArray>
#include <QString>

// Controls implement this beside their widget base; nothing here needs a widget.
class Streamable
{
public:
    virtual ~Streamable() = default;

    // The class name written into the stream ("TQVShape", "TLabelEx", ...).
    virtual QString ClassName() const = 0;
    // The component's name; card objects are unnamed.
    virtual QString ComponentName() const { return componentName_; }
    virtual void SetComponentName(const QString &name) { componentName_ = name; }
    // Writes each property whose value differs from that of a freshly constructed object, in the order
    // the class declares them, ancestors first.
    virtual void WriteProperties(PropertyWriter &writer) const = 0;
    // Assigns one stored property. A name the class does not have (ThrowUnknownProperty) or a value of
    // the wrong kind (the StreamValue accessors) is an EReadError.
    virtual void ReadProperty(const QString &name, const StreamValue &value) = 0;
    // Takes an owned child component of the stream; a class that owns none refuses it.
    virtual void ReadChild(const ObjectRecord &child);

private:
    QString componentName_;
};

[[noreturn]] void ThrowUnknownProperty(const QString &name);

// The record of a component: its class, name and written properties.
ObjectRecord ComponentRecord(const Streamable &component);
// "TPF0" and the component's record. Throws EWriteError.
QByteArray WriteComponent(const Streamable &component);

// Assigns the record's name and properties (and hands over its children) in stream order. The class
// name does not choose anything here: the caller has constructed the right kind. A failing property
// is reported as "Error reading <name>.<property>: ..."; properties before it stay assigned, so a
// caller that must not keep a half-read object reads into a fresh one.
void ApplyComponentRecord(const ObjectRecord &record, Streamable &component);
// Reads a buffer holding exactly one component stream into `component`. The whole stream is parsed
// before any property is assigned, so a damaged stream leaves the component untouched.
void ReadComponent(const QByteArray &bytes, Streamable &component);
// Reads the component stream at `offset` of `data` into `component`; returns the bytes it takes.
qsizetype ReadComponentAt(const QByteArray &data, qsizetype offset, Streamable &component);
