// Pens, brushes and fonts as the nested properties of a stream ("Pen.Color", "Font.Style").
#pragma once

#include "controls/penbrush.h"
#include "document/property_writer.h"
#include "document/stream_value.h"
#include "platform/graphics.h"

#include <QString>

// Pen.Color, Pen.Mode, Pen.Style, Pen.Width, then Brush.Color, Brush.Style, each where it differs from
// a new pen (black, pmCopy, psSolid, width 1) or brush (white, bsSolid).
void WritePenBrush(PropertyWriter &writer, const TPenBrushOwner &owner);
// Assigns a "Pen." or "Brush." property; false for other names.
bool ReadPenBrushProperty(TPenBrushOwner &owner, const QString &name, const StreamValue &value);

// Font.Charset, Font.Color, Font.Height, Font.Name, Font.Pitch and Font.Style. Most of a font's
// properties have no declared default, so a stored font is written whole: only an empty name and the
// default pitch are left out.
void WriteFont(PropertyWriter &writer, const TFont &font);
// Assigns a "Font." property (Size included, which is never written); false for other names.
bool ReadFontProperty(TFont &font, const QString &name, const StreamValue &value);
