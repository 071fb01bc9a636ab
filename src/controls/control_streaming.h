// Streaming of the properties that the control classes inherit from the class library's control base.
#pragma once

#include "controls/graphiccontrol.h"
#include "document/property_writer.h"
#include "document/stream_value.h"

#include <QString>
#include <initializer_list>
#include <optional>
#include <span>

// Inherited properties that a class may publish beyond those every control class has (Tag, Left, Top,
// Width, Height, Cursor, Hint).
enum class BaseProperty : unsigned {
    Align,
    Anchors,
    BiDiMode,
    Constraints,
    DragCursor,
    DragKind,
    DragMode,
    Enabled,
    ParentBiDiMode,
    ParentShowHint,
    PopupMenu,
    ShowHint,
    Visible,
};

constexpr unsigned BasePropertyBits(std::initializer_list<BaseProperty> properties)
{
    unsigned bits = 0;
    for (BaseProperty p : properties)
        bits |= 1u << unsigned(p);
    return bits;
}

// What a control class publishes of its base.
struct PublishedBase
{
    unsigned properties = 0; // BasePropertyBits
    // Left, Top, Width and Height redeclared with the default 0; otherwise they have no default and the
    // class library always writes them.
    bool boundsDefaultZero = false;
    // The event properties, which name methods of the form that wrote the stream.
    std::span<const char *const> events;
};

// The events of the label and picture controls of the class library.
std::span<const char *const> LabelEvents();
std::span<const char *const> ImageEvents();
// What the shape and grid controls publish of the base: drag cursor and mode, their mouse and drag
// events, and Left, Top, Width and Height redeclared with the default 0.
const PublishedBase &ShapeControlBase();

// Tag, Left, Top, Width, Height, Cursor and Hint, each unless it has its declared default.
void WriteControlHead(PropertyWriter &writer, const TGraphicControl &control, const PublishedBase &published);
// The given base properties in that order, each where the class library would store it.
void WriteBaseProperties(PropertyWriter &writer, const TGraphicControl &control,
                         std::initializer_list<BaseProperty> properties);
// Assigns a head property, a base property the class publishes or one of its events; false for any
// other name. Events are accepted and dropped: the methods they name belong to the Windows program's
// forms, and the editor attaches its own handlers.
bool ReadBaseProperty(TGraphicControl &control, const PublishedBase &published, const QString &name,
                      const StreamValue &value);

// Property names compare without regard to letter case, as the class library reads them.
bool IsProperty(const QString &name, const char *expected);
// The part after "<object>." when `name` is a property of the nested object `object`.
std::optional<QString> NestedProperty(const QString &name, const char *object);
// Takes an event value (a method name or nil) when `name` is one of `events`.
bool ReadEvent(std::span<const char *const> events, const QString &name, const StreamValue &value);

// A reference to another component (pop-up menu, focus control) is written as its name when set.
void WriteReference(PropertyWriter &writer, const QString &name, const QString &component);
// The component name of a reference, empty for nil.
QString ReadReference(const StreamValue &value);
