// Pen, brush and font objects as the class library has them, each telling its owner when it changes.
#pragma once

#include "platform/colors.h"

#include <QFont>
#include <QPen>
#include <QString>
#include <QStringList>
#include <functional>

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = int; // a set of TFontStyle bits
enum TFontPitch { fpDefault, fpVariable, fpFixed };

constexpr int DEFAULT_CHARSET = 1;
constexpr int SHIFTJIS_CHARSET = 128;
// The screen resolution the card geometry and font sizes were designed for.
constexpr int ScreenPixelsPerInch = 96;

class TPen
{
public:
    std::function<void()> OnChange;

    TColor Color() const { return color_; }
    int Width() const { return width_; }
    TPenStyle Style() const { return style_; }
    TPenMode Mode() const { return mode_; }
    void SetColor(TColor value);
    void SetWidth(int value);
    void SetStyle(TPenStyle value);
    void SetMode(TPenMode value);
    // Copies the attributes of another pen (one change notification).
    void Assign(const TPen &other);
    bool operator==(const TPen &other) const;
    // The Qt pen drawing like this one; width 0 draws like 1.
    QPen ToQPen() const;

private:
    void changed();
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

class TBrush
{
public:
    std::function<void()> OnChange;

    TColor Color() const { return color_; }
    TBrushStyle Style() const { return style_; }
    void SetColor(TColor value);
    void SetStyle(TBrushStyle value);
    void Assign(const TBrush &other);
    bool operator==(const TBrush &other) const;
    QBrush ToQBrush() const;

private:
    void changed();
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// A font: size in points, kept as the class library keeps it (Height in pixels at 96 dpi, negative for
// the character height without leading).
class TFont
{
public:
    std::function<void()> OnChange;

    QString Name() const { return name_; }
    int Size() const;
    int Height() const { return height_; }
    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    int Charset() const { return charset_; }
    TFontPitch Pitch() const { return pitch_; }
    void SetName(const QString &value);
    void SetSize(int points);
    void SetHeight(int value);
    void SetColor(TColor value);
    void SetStyle(TFontStyles value);
    void SetCharset(int value);
    void SetPitch(TFontPitch value);
    void Assign(const TFont &other);
    bool operator==(const TFont &other) const;
    // The Qt font drawing like this one: pixel size from the points at 96 dpi on every device.
    QFont ToQFont() const;

private:
    void changed();
    QString name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
};

// Multiplies and divides with rounding, as Windows' MulDiv (half away from zero).
int MulDiv(int number, int numerator, int denominator);

// Maps the Windows font names of documents and forms to the installed Japanese families.
void InstallFontSubstitutions();

// The Windows Japanese font names that documents carry, as the font list offers them.
QStringList WindowsJapaneseFontNames();
