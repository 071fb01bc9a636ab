// Drawing and measuring of label text with the behaviour of the Windows DrawText call: line breaks,
// tab expansion, word breaking, alignment and "&" accelerator prefixes.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

// A rectangle given by its edges; Right and Bottom are exclusive.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    void Offset(int dx, int dy)
    {
        Left += dx, Right += dx;
        Top += dy, Bottom += dy;
    }
    bool operator==(const TRect &) const = default;
};

enum TextFormat : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_WORDBREAK = 0x10,
    DT_EXPANDTABS = 0x40,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
};

// Draws `text` in `rect` with `font` and `color`, clipped to the rectangle, or with DT_CALCRECT only
// measures it: then `rect` keeps its left and top and gets the right and bottom edges of the text (the
// widest line; one font height per line) and `painter` may be null. Without DT_NOPREFIX an "&" marks the
// next character as underlined and "&&" stands for "&". CR, LF and CR LF break lines; a final break adds
// no line; an empty text has no lines. Advances come from the font, letter spacing included. Returns the
// text's height.
int DrawText(QPainter *painter, const QFont &font, const QColor &color, const QString &text, TRect &rect,
             unsigned format);
