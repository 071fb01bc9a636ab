// The control base's properties in the form and with the storage rules of the class library.
#include "controls/control_streaming.h"

#include "platform/errors.h"

#include <array>

namespace {

constexpr std::array<const char *, 6> kShapeEvents{"OnDragDrop",  "OnDragOver",  "OnEndDrag",
                                                   "OnMouseDown", "OnMouseMove", "OnMouseUp"};
constexpr std::array<const char *, 11> kLabelEvents{"OnClick",   "OnDblClick",  "OnDragDrop",  "OnDragOver",
                                                    "OnEndDock", "OnEndDrag",   "OnMouseDown", "OnMouseMove",
                                                    "OnMouseUp", "OnStartDock", "OnStartDrag"};
constexpr std::array<const char *, 12> kImageEvents{"OnClick",   "OnDblClick", "OnDragDrop",  "OnDragOver",
                                                    "OnEndDock", "OnEndDrag",  "OnMouseDown", "OnMouseMove",
                                                    "OnMouseUp", "OnProgress", "OnStartDock", "OnStartDrag"};

constexpr TAnchors kDefaultAnchors = 1 << akLeft | 1 << akTop;

// The anchors that setting an alignment gives a control.
TAnchors AnchorsForAlign(TAlign align)
{
    switch (align) {
    case alNone:
        return kDefaultAnchors;
    case alTop:
        return 1 << akLeft | 1 << akTop | 1 << akRight;
    case alBottom:
        return 1 << akLeft | 1 << akRight | 1 << akBottom;
    case alLeft:
        return 1 << akLeft | 1 << akTop | 1 << akBottom;
    case alRight:
        return 1 << akRight | 1 << akTop | 1 << akBottom;
    case alClient:
        return 1 << akLeft | 1 << akTop | 1 << akRight | 1 << akBottom;
    }
    return kDefaultAnchors;
}

bool publishes(const PublishedBase &published, BaseProperty property)
{
    return (published.properties & (1u << unsigned(property))) != 0;
}

void writeConstraints(PropertyWriter &w, const TSizeConstraints &c)
{
    if (c.MaxHeight != 0)
        w.writeInteger(QStringLiteral("Constraints.MaxHeight"), c.MaxHeight);
    if (c.MaxWidth != 0)
        w.writeInteger(QStringLiteral("Constraints.MaxWidth"), c.MaxWidth);
    if (c.MinHeight != 0)
        w.writeInteger(QStringLiteral("Constraints.MinHeight"), c.MinHeight);
    if (c.MinWidth != 0)
        w.writeInteger(QStringLiteral("Constraints.MinWidth"), c.MinWidth);
}

bool readConstraint(TSizeConstraints &c, const QString &sub, const StreamValue &value)
{
    int *field = IsProperty(sub, "MaxHeight")   ? &c.MaxHeight
                 : IsProperty(sub, "MaxWidth")  ? &c.MaxWidth
                 : IsProperty(sub, "MinHeight") ? &c.MinHeight
                 : IsProperty(sub, "MinWidth")  ? &c.MinWidth
                                                : nullptr;
    if (!field)
        return false;
    *field = value.toInt();
    return true;
}

void writeBaseProperty(PropertyWriter &w, const TGraphicControl &control, BaseProperty property)
{
    const TControlExtras &x = control.Extras;
    switch (property) {
    case BaseProperty::Align:
        if (x.Align != alNone)
            w.writeEnum(QStringLiteral("Align"), x.Align, AlignIdents());
        return;
    case BaseProperty::Anchors:
        // Anchors that merely follow the alignment are not stored.
        if (x.Anchors != kDefaultAnchors && x.Anchors != AnchorsForAlign(x.Align))
            w.writeSet(QStringLiteral("Anchors"), x.Anchors, AnchorIdents());
        return;
    case BaseProperty::BiDiMode:
        // No declared default: stored whenever the control does not follow its parent.
        if (!x.ParentBiDiMode)
            w.writeEnum(QStringLiteral("BiDiMode"), x.BiDiMode, BiDiModeIdents());
        return;
    case BaseProperty::Constraints:
        writeConstraints(w, x.Constraints);
        return;
    case BaseProperty::DragCursor:
        if (x.DragCursor != crDrag)
            w.writeNamedInteger(QStringLiteral("DragCursor"), x.DragCursor, CursorIdents());
        return;
    case BaseProperty::DragKind:
        if (x.DragKind != dkDrag)
            w.writeEnum(QStringLiteral("DragKind"), x.DragKind, DragKindIdents());
        return;
    case BaseProperty::DragMode:
        if (x.DragMode != dmManual)
            w.writeEnum(QStringLiteral("DragMode"), x.DragMode, DragModeIdents());
        return;
    case BaseProperty::Enabled:
        if (!control.Enabled())
            w.writeBool(QStringLiteral("Enabled"), false);
        return;
    case BaseProperty::ParentBiDiMode:
        if (!x.ParentBiDiMode)
            w.writeBool(QStringLiteral("ParentBiDiMode"), false);
        return;
    case BaseProperty::ParentShowHint:
        if (!x.ParentShowHint)
            w.writeBool(QStringLiteral("ParentShowHint"), false);
        return;
    case BaseProperty::PopupMenu:
        WriteReference(w, QStringLiteral("PopupMenu"), x.PopupMenu);
        return;
    case BaseProperty::ShowHint:
        // No declared default: stored whenever the control does not follow its parent.
        if (!x.ParentShowHint)
            w.writeBool(QStringLiteral("ShowHint"), x.ShowHint);
        return;
    case BaseProperty::Visible:
        if (!control.Visible())
            w.writeBool(QStringLiteral("Visible"), false);
        return;
    }
}

// Assigns the base property `property` under its stream name; false when `name` is another one.
bool readBaseProperty(TGraphicControl &control, BaseProperty property, const QString &name,
                      const StreamValue &value)
{
    TControlExtras &x = control.Extras;
    switch (property) {
    case BaseProperty::Align:
        if (!IsProperty(name, "Align"))
            return false;
        if (const auto align = TAlign(value.toEnum(AlignIdents())); align != x.Align) {
            x.Align = align;
            x.Anchors = AnchorsForAlign(align);
        }
        return true;
    case BaseProperty::Anchors:
        if (!IsProperty(name, "Anchors"))
            return false;
        x.Anchors = value.toSetBits(AnchorIdents());
        return true;
    case BaseProperty::BiDiMode:
        if (!IsProperty(name, "BiDiMode"))
            return false;
        x.BiDiMode = TBiDiMode(value.toEnum(BiDiModeIdents()));
        x.ParentBiDiMode = false;
        return true;
    case BaseProperty::Constraints:
        if (const std::optional<QString> sub = NestedProperty(name, "Constraints"))
            return readConstraint(x.Constraints, *sub, value);
        return false;
    case BaseProperty::DragCursor:
        if (!IsProperty(name, "DragCursor"))
            return false;
        x.DragCursor = value.toNamedInteger(CursorIdents());
        return true;
    case BaseProperty::DragKind:
        if (!IsProperty(name, "DragKind"))
            return false;
        x.DragKind = TDragKind(value.toEnum(DragKindIdents()));
        return true;
    case BaseProperty::DragMode:
        if (!IsProperty(name, "DragMode"))
            return false;
        x.DragMode = TDragMode(value.toEnum(DragModeIdents()));
        return true;
    case BaseProperty::Enabled:
        if (!IsProperty(name, "Enabled"))
            return false;
        control.SetEnabled(value.toBool());
        return true;
    case BaseProperty::ParentBiDiMode:
        if (!IsProperty(name, "ParentBiDiMode"))
            return false;
        x.ParentBiDiMode = value.toBool();
        return true;
    case BaseProperty::ParentShowHint:
        if (!IsProperty(name, "ParentShowHint"))
            return false;
        x.ParentShowHint = value.toBool();
        return true;
    case BaseProperty::PopupMenu:
        if (!IsProperty(name, "PopupMenu"))
            return false;
        x.PopupMenu = ReadReference(value);
        return true;
    case BaseProperty::ShowHint:
        if (!IsProperty(name, "ShowHint"))
            return false;
        x.ShowHint = value.toBool();
        x.ParentShowHint = false;
        return true;
    case BaseProperty::Visible:
        if (!IsProperty(name, "Visible"))
            return false;
        control.SetVisible(value.toBool());
        return true;
    }
    return false;
}

bool readHeadProperty(TGraphicControl &control, const QString &name, const StreamValue &value)
{
    if (IsProperty(name, "Tag"))
        control.SetTag(value.toInt());
    else if (IsProperty(name, "Left"))
        control.SetLeft(value.toInt());
    else if (IsProperty(name, "Top"))
        control.SetTop(value.toInt());
    else if (IsProperty(name, "Width"))
        control.SetWidth(value.toInt());
    else if (IsProperty(name, "Height"))
        control.SetHeight(value.toInt());
    else if (IsProperty(name, "Cursor"))
        control.SetCursor(value.toNamedInteger(CursorIdents()));
    else if (IsProperty(name, "Hint"))
        control.SetHint(value.toText());
    else
        return false;
    return true;
}

} // namespace

std::span<const char *const> LabelEvents()
{
    return kLabelEvents;
}

std::span<const char *const> ImageEvents()
{
    return kImageEvents;
}

const PublishedBase &ShapeControlBase()
{
    static const PublishedBase base{BasePropertyBits({BaseProperty::DragCursor, BaseProperty::DragMode}),
                                    true, kShapeEvents};
    return base;
}

void WriteControlHead(PropertyWriter &w, const TGraphicControl &control, const PublishedBase &published)
{
    if (control.Tag() != 0)
        w.writeInteger(QStringLiteral("Tag"), control.Tag());
    const auto bound = [&](const char *name, int value) {
        if (value != 0 || !published.boundsDefaultZero)
            w.writeInteger(QLatin1String(name), value);
    };
    bound("Left", control.Left());
    bound("Top", control.Top());
    bound("Width", control.Width());
    bound("Height", control.Height());
    if (control.Cursor() != crDefault)
        w.writeNamedInteger(QStringLiteral("Cursor"), control.Cursor(), CursorIdents());
    if (!control.Hint().isEmpty())
        w.writeString(QStringLiteral("Hint"), control.Hint());
}

void WriteBaseProperties(PropertyWriter &w, const TGraphicControl &control,
                         std::initializer_list<BaseProperty> properties)
{
    for (BaseProperty property : properties)
        writeBaseProperty(w, control, property);
}

bool ReadBaseProperty(TGraphicControl &control, const PublishedBase &published, const QString &name,
                      const StreamValue &value)
{
    if (readHeadProperty(control, name, value))
        return true;
    for (unsigned p = 0; p <= unsigned(BaseProperty::Visible); ++p)
        if (publishes(published, BaseProperty(p)) && readBaseProperty(control, BaseProperty(p), name, value))
            return true;
    return ReadEvent(published.events, name, value);
}

bool IsProperty(const QString &name, const char *expected)
{
    return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

std::optional<QString> NestedProperty(const QString &name, const char *object)
{
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0 || !IsProperty(name.left(dot), object))
        return std::nullopt;
    return name.mid(dot + 1);
}

bool ReadEvent(std::span<const char *const> events, const QString &name, const StreamValue &value)
{
    for (const char *event : events)
        if (IsProperty(name, event)) {
            if (value.type() != ValueType::Nil)
                value.toIdent(); // anything but a method name is a damaged stream
            return true;
        }
    return false;
}

void WriteReference(PropertyWriter &w, const QString &name, const QString &component)
{
    if (!component.isEmpty())
        w.writeIdent(name, component);
}

QString ReadReference(const StreamValue &value)
{
    return value.type() == ValueType::Nil ? QString() : value.toIdent();
}
