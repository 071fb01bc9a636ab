// Pen, brush and font sub-properties with the class library's defaults.
#include "controls/graphics_streaming.h"

#include "controls/control_streaming.h"
#include "platform/idents.h"

void WritePenBrush(PropertyWriter &w, const TPenBrushOwner &owner)
{
    const TPen &pen = owner.Pen();
    if (pen.Color() != clBlack)
        w.writeColor(QStringLiteral("Pen.Color"), pen.Color());
    if (pen.Mode() != pmCopy)
        w.writeEnum(QStringLiteral("Pen.Mode"), pen.Mode(), PenModeIdents());
    if (pen.Style() != psSolid)
        w.writeEnum(QStringLiteral("Pen.Style"), pen.Style(), PenStyleIdents());
    if (pen.Width() != 1)
        w.writeInteger(QStringLiteral("Pen.Width"), pen.Width());
    const TBrush &brush = owner.Brush();
    if (brush.Color() != clWhite)
        w.writeColor(QStringLiteral("Brush.Color"), brush.Color());
    if (brush.Style() != bsSolid)
        w.writeEnum(QStringLiteral("Brush.Style"), brush.Style(), BrushStyleIdents());
}

bool ReadPenBrushProperty(TPenBrushOwner &owner, const QString &name, const StreamValue &value)
{
    if (const std::optional<QString> sub = NestedProperty(name, "Pen")) {
        TPen &pen = owner.Pen();
        if (IsProperty(*sub, "Color"))
            pen.SetColor(value.toColor());
        else if (IsProperty(*sub, "Mode"))
            pen.SetMode(TPenMode(value.toEnum(PenModeIdents())));
        else if (IsProperty(*sub, "Style"))
            pen.SetStyle(TPenStyle(value.toEnum(PenStyleIdents())));
        else if (IsProperty(*sub, "Width"))
            pen.SetWidth(value.toInt());
        else
            return false;
        return true;
    }
    if (const std::optional<QString> sub = NestedProperty(name, "Brush")) {
        TBrush &brush = owner.Brush();
        if (IsProperty(*sub, "Color"))
            brush.SetColor(value.toColor());
        else if (IsProperty(*sub, "Style"))
            brush.SetStyle(TBrushStyle(value.toEnum(BrushStyleIdents())));
        else
            return false;
        return true;
    }
    return false;
}

void WriteFont(PropertyWriter &w, const TFont &font)
{
    w.writeNamedInteger(QStringLiteral("Font.Charset"), font.Charset(), CharsetIdents());
    w.writeColor(QStringLiteral("Font.Color"), font.Color());
    w.writeInteger(QStringLiteral("Font.Height"), font.Height());
    if (!font.Name().isEmpty())
        w.writeString(QStringLiteral("Font.Name"), font.Name());
    if (font.Pitch() != fpDefault)
        w.writeEnum(QStringLiteral("Font.Pitch"), font.Pitch(), FontPitchIdents());
    w.writeSet(QStringLiteral("Font.Style"), font.Style(), FontStyleIdents());
}

bool ReadFontProperty(TFont &font, const QString &name, const StreamValue &value)
{
    const std::optional<QString> sub = NestedProperty(name, "Font");
    if (!sub)
        return false;
    if (IsProperty(*sub, "Charset"))
        font.SetCharset(value.toNamedInteger(CharsetIdents()));
    else if (IsProperty(*sub, "Color"))
        font.SetColor(value.toColor());
    else if (IsProperty(*sub, "Height"))
        font.SetHeight(value.toInt());
    else if (IsProperty(*sub, "Name"))
        font.SetName(value.toText());
    else if (IsProperty(*sub, "Pitch"))
        font.SetPitch(TFontPitch(value.toEnum(FontPitchIdents())));
    else if (IsProperty(*sub, "Size"))
        font.SetSize(value.toInt());
    else if (IsProperty(*sub, "Style"))
        font.SetStyle(value.toSetBits(FontStyleIdents()));
    else
        return false;
    return true;
}
