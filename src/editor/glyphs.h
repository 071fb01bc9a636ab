// Tool-button glyphs, drawn in code.
#pragma once

#include <QIcon>

enum class Glyph {
    Text,
    Pointer,
    Square,
    Rect,
    Circle,
    Ellipse,
    Line,
    Picture,
    LineSolid,
    LineDot,
    LineWidth1,
    LineWidth2,
    LineWidth3,
    LineWidth4,
    LineWidth5,
    LineWidth6,
    Bold,
    Italic,
    Underline,
    Gap,
    Open,
    New,
    Save,
    PageSetup,
    Preview,
    Print,
    Back,
    Cut,
    Copy,
    Paste,
    Undo,
    Redo,
    Background,
    Grid
};

QIcon GlyphIcon(Glyph glyph);
