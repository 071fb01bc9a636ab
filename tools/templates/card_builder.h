// Building a template card on the main window's worksheet and saving it with the program's own writer.
#pragma once

#include "controls/shapegeometry.h"
#include "platform/colors.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class TForm3;
class TImage;
class TLabelEx;
class TQVShape;

// Font faces the documents of the program carry; drawn with the IPA families.
namespace Face {
inline const QString PMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString Mincho = QStringLiteral("ＭＳ 明朝");
inline const QString Gothic = QStringLiteral("ＭＳ ゴシック");
} // namespace Face

// Colours in the program's 0x00BBGGRR form from RGB.
constexpr TColor Rgb(int r, int g, int b)
{
    return TColor(b << 16 | g << 8 | r);
}

struct TextStyle
{
    QString face = Face::PMincho;
    int points = 9;
    TColor color = clBlack;
    int gap = 0;
    bool bold = false;
};

class CardBuilder
{
public:
    explicit CardBuilder(TForm3 &form) : form_(form) {}

    // An empty card: 91 x 55 mm lying, or 55 x 91 mm standing, with a layout that fills A4.
    void Start(bool vertical);
    int Width() const;
    int Height() const;

    // A label fitted to its text as the editor fits one, with its left edge at x, its right edge at x
    // (Right) or its centre at x (Centre).
    enum Anchor { Left, Right, Centre };
    TLabelEx *Text(const QString &caption, const TextStyle &style, int x, int y, Anchor anchor = Left);
    // Lines of text one below the other, `step` pixels apart from `y`, each anchored at x.
    void Lines(const QStringList &lines, const TextStyle &style, int x, int y, int step,
               Anchor anchor = Left);
    // A shape; filled when `fill` is not clNone, outlined with `pen` (clNone: no outline).
    TQVShape *Shape(TQVShapeType type, QRect box, TColor pen, int penWidth, TColor fill);
    // A solid band or rule: a filled rectangle with no visible outline.
    TQVShape *Band(QRect box, TColor color);
    // A picture placed as the picture tool places one, stretched to `box`.
    TImage *Picture(const QImage &image, QRect box);
    // The background picture, stored as a JPEG.
    void Background(const QImage &image);

    // Writes the card with SaveDocument; false after saying why on stderr.
    bool Save(const QString &path);

private:
    TForm3 &form_;
};
