// TQVShape in component streams: figure box, shape kind, pen and brush.
#include "controls/control_streaming.h"
#include "controls/graphics_streaming.h"
#include "controls/qvshape.h"

#include <array>

namespace {

constexpr std::array<IdentEntry, QVShapeTypeCount> kShapeTypes{{
    {qvstRectangle, "qvstRectangle"},
    {qvstSquare, "qvstSquare"},
    {qvstRoundRect, "qvstRoundRect"},
    {qvstRoundSquare, "qvstRoundSquare"},
    {qvstEllipse, "qvstEllipse"},
    {qvstCircle, "qvstCircle"},
    {qvstLinea, "qvstLinea"},
    {qvstLineb, "qvstLineb"},
}};

const IdentTable &ShapeTypeIdents()
{
    static const IdentTable table{kShapeTypes};
    return table;
}

} // namespace

QString TQVShape::ClassName() const
{
    return QStringLiteral("TQVShape");
}

void TQVShape::WriteProperties(PropertyWriter &w) const
{
    WriteControlHead(w, *this, ShapeControlBase());
    if (shape_ != qvstRectangle)
        w.writeEnum(QStringLiteral("Shape"), shape_, ShapeTypeIdents());
    WritePenBrush(w, *this);
    WriteBaseProperties(w, *this, {BaseProperty::DragCursor, BaseProperty::DragMode});
}

void TQVShape::ReadProperty(const QString &name, const StreamValue &value)
{
    if (IsProperty(name, "Shape"))
        SetShape(TQVShapeType(value.toEnum(ShapeTypeIdents())));
    else if (!ReadPenBrushProperty(*this, name, value) &&
             !ReadBaseProperty(*this, ShapeControlBase(), name, value))
        ThrowUnknownProperty(name);
}
