// The rules of the attribute commands that need no widgets: line buttons and the number combos' text.
#pragma once

#include "platform/graphics.h"

#include <QString>
#include <optional>

// A line's width and style, of a shape or of the settings for new shapes.
struct PenLine
{
    int width = 0;
    TPenStyle style = psSolid;
    bool operator==(const PenLine &) const = default;
};

// The line buttons: Width1 .. Width6 (1 .. 6), solid and dotted.
enum class LineCommand { Width1 = 1, Width2, Width3, Width4, Width5, Width6, Solid, Dot };

// The settings after a line button: wider lines than 1 are solid, dotted lines 1 pixel wide.
PenLine SettingsLineAfter(PenLine current, LineCommand button);
// A selected shape's line after a line button, or nothing when the button finds the value it sets
// already there (a width button looks at the width only, a style button at the style only).
std::optional<PenLine> ShapeLineAfter(PenLine current, LineCommand button);

// The digits of a combo's text in order; `whenEmpty` when it has none.
QString KeepDigits(const QString &text, const QString &whenEmpty);
