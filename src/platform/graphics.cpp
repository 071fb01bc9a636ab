// Pen, brush and font objects.
#include "platform/graphics.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdlib>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    long long q = product / denominator;
    const long long r = product % denominator;
    if (std::llabs(r) * 2 >= std::llabs(static_cast<long long>(denominator)))
        q += ((product < 0) != (denominator < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

// ---- TPen

void TPen::changed()
{
    if (OnChange)
        OnChange();
}

void TPen::SetColor(TColor value)
{
    if (color_ != value) {
        color_ = value;
        changed();
    }
}

void TPen::SetWidth(int value)
{
    if (value < 0)
        value = 0;
    if (width_ != value) {
        width_ = value;
        changed();
    }
}

void TPen::SetStyle(TPenStyle value)
{
    if (style_ != value) {
        style_ = value;
        changed();
    }
}

void TPen::SetMode(TPenMode value)
{
    if (mode_ != value) {
        mode_ = value;
        changed();
    }
}

void TPen::Assign(const TPen &other)
{
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    mode_ = other.mode_;
    changed();
}

bool TPen::operator==(const TPen &other) const
{
    return color_ == other.color_ && width_ == other.width_ && style_ == other.style_ && mode_ == other.mode_;
}

QPen TPen::ToQPen() const
{
    if (style_ == psClear)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(color_));
    pen.setWidth(width_ <= 1 ? 1 : width_);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(width_ <= 1 ? Qt::FlatCap : Qt::RoundCap);
    // Windows draws styled lines only at width 1; wider ones come out solid.
    if (width_ <= 1) {
        switch (style_) {
        case psDash:
            pen.setDashPattern({6, 2});
            break;
        case psDot:
            pen.setDashPattern({1, 1});
            break;
        case psDashDot:
            pen.setDashPattern({3, 1, 1, 1});
            break;
        case psDashDotDot:
            pen.setDashPattern({3, 1, 1, 1, 1, 1});
            break;
        default:
            break;
        }
    }
    return pen;
}

// ---- TBrush

void TBrush::changed()
{
    if (OnChange)
        OnChange();
}

void TBrush::SetColor(TColor value)
{
    if (color_ != value) {
        color_ = value;
        changed();
    }
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (style_ != value) {
        style_ = value;
        changed();
    }
}

void TBrush::Assign(const TBrush &other)
{
    color_ = other.color_;
    style_ = other.style_;
    changed();
}

bool TBrush::operator==(const TBrush &other) const
{
    return color_ == other.color_ && style_ == other.style_;
}

QBrush TBrush::ToQBrush() const
{
    const QColor c = ToQColor(color_);
    switch (style_) {
    case bsClear:
        return QBrush(Qt::NoBrush);
    case bsHorizontal:
        return QBrush(c, Qt::HorPattern);
    case bsVertical:
        return QBrush(c, Qt::VerPattern);
    case bsFDiagonal:
        return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal:
        return QBrush(c, Qt::BDiagPattern);
    case bsCross:
        return QBrush(c, Qt::CrossPattern);
    case bsDiagCross:
        return QBrush(c, Qt::DiagCrossPattern);
    default:
        return QBrush(c);
    }
}

// ---- TFont

void TFont::changed()
{
    if (OnChange)
        OnChange();
}

int TFont::Size() const
{
    return -MulDiv(height_, 72, ScreenPixelsPerInch);
}

void TFont::SetName(const QString &value)
{
    if (name_ != value) {
        name_ = value;
        changed();
    }
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72));
}

void TFont::SetHeight(int value)
{
    if (height_ != value) {
        height_ = value;
        changed();
    }
}

void TFont::SetColor(TColor value)
{
    if (color_ != value) {
        color_ = value;
        changed();
    }
}

void TFont::SetStyle(TFontStyles value)
{
    if (style_ != value) {
        style_ = value;
        changed();
    }
}

void TFont::SetCharset(int value)
{
    if (charset_ != value) {
        charset_ = value;
        changed();
    }
}

void TFont::SetPitch(TFontPitch value)
{
    if (pitch_ != value) {
        pitch_ = value;
        changed();
    }
}

void TFont::Assign(const TFont &other)
{
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    charset_ = other.charset_;
    pitch_ = other.pitch_;
    changed();
}

bool TFont::operator==(const TFont &other) const
{
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           style_ == other.style_ && charset_ == other.charset_ && pitch_ == other.pitch_;
}

QFont TFont::ToQFont() const
{
    QFont font(name_);
    // A negative height is the character height; a positive one includes the internal leading, which
    // these fonts put at about a sixth of the cell.
    // In 64 bits: a document may hold any height, INT_MIN included.
    const long long height = height_;
    const long long pixels = height < 0 ? -height : (height * 5 + 3) / 6;
    font.setPixelSize(int(std::clamp<long long>(pixels, 1, INT_MAX)));
    font.setBold(style_ & fsBold);
    font.setItalic(style_ & fsItalic);
    font.setUnderline(style_ & fsUnderline);
    font.setStrikeOut(style_ & fsStrikeOut);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void InstallFontSubstitutions()
{
    const struct
    {
        const char *windowsName;
        const char *family;
    } map[] = {
        {"ＭＳ Ｐ明朝", "IPAPMincho"},  {"ＭＳ 明朝", "IPAMincho"},        {"MS PMincho", "IPAPMincho"},
        {"MS Mincho", "IPAMincho"},     {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"},
        {"MS PGothic", "IPAPGothic"},   {"MS Gothic", "IPAGothic"},        {"ＭＳ ＵＩ Gothic", "IPAPGothic"},
        {"MS UI Gothic", "IPAPGothic"}, {"MS Sans Serif", "DejaVu Sans"},  {"MS Shell Dlg", "DejaVu Sans"},
    };
    for (const auto &entry : map)
        QFont::insertSubstitutions(QString::fromUtf8(entry.windowsName),
                                   {QString::fromUtf8(entry.family), QStringLiteral("IPAPGothic")});
}

QStringList WindowsJapaneseFontNames()
{
    return {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ 明朝"),
            QStringLiteral("ＭＳ ゴシック")};
}
