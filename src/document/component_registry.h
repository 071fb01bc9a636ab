// The classes a component stream may name, by class name, and reading a stream that picks its class.
#pragma once

#include "document/streamable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QObject;

// Makes a component; `owner` becomes its owner (for a control, its parent widget) and may be null.
using ComponentFactory = std::function<std::unique_ptr<Streamable>(QObject *owner)>;

// Registers (or replaces) the factory of a class name.
void RegisterComponentClass(const QString &className, ComponentFactory factory);
bool IsComponentClassRegistered(const QString &className);
QStringList RegisteredComponentClasses();
// A new component of the class; an unregistered class is an EReadError ("Class X not found").
std::unique_ptr<Streamable> CreateComponent(const QString &className, QObject *owner = nullptr);

// Reads a buffer holding one component stream into a new component of the class the stream names.
// Nothing is created when the stream cannot be parsed; a component whose properties fail is destroyed
// before the EReadError leaves.
std::unique_ptr<Streamable> ReadComponentCreating(const QByteArray &bytes, QObject *owner = nullptr);
