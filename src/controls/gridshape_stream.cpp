// TGridShape in component streams: bounds, pen, brush and pitch.
#include "controls/control_streaming.h"
#include "controls/graphics_streaming.h"
#include "controls/gridshape.h"

QString TGridShape::ClassName() const
{
    return QStringLiteral("TGridShape");
}

void TGridShape::WriteProperties(PropertyWriter &w) const
{
    WriteControlHead(w, *this, ShapeControlBase());
    WritePenBrush(w, *this);
    if (gridWidth_ != 0)
        w.writeInteger(QStringLiteral("GridWidth"), gridWidth_);
    WriteBaseProperties(w, *this, {BaseProperty::DragCursor, BaseProperty::DragMode});
}

void TGridShape::ReadProperty(const QString &name, const StreamValue &value)
{
    if (IsProperty(name, "GridWidth"))
        SetGridWidth(value.toInt());
    else if (!ReadPenBrushProperty(*this, name, value) &&
             !ReadBaseProperty(*this, ShapeControlBase(), name, value))
        ThrowUnknownProperty(name);
}
