// TLabelEx in component streams: the class library label's published properties plus Gap.
#include "controls/LabelEx.h"
#include "controls/control_streaming.h"
#include "controls/graphics_streaming.h"

namespace {

using BP = BaseProperty;

const PublishedBase &published()
{
    using enum BaseProperty;
    static const PublishedBase base{
        BasePropertyBits({Align, Anchors, BiDiMode, Constraints, DragCursor, DragKind, DragMode, Enabled,
                          ParentBiDiMode, ParentShowHint, PopupMenu, ShowHint, Visible}),
        false, LabelEvents()};
    return base;
}

} // namespace

QString TLabelEx::ClassName() const
{
    return QStringLiteral("TLabelEx");
}

void TLabelEx::WriteProperties(PropertyWriter &w) const
{
    WriteControlHead(w, *this, published());
    WriteBaseProperties(w, *this, {BP::Align});
    if (Alignment() != taLeftJustify)
        w.writeEnum(QStringLiteral("Alignment"), Alignment(), AlignmentIdents());
    WriteBaseProperties(w, *this, {BP::Anchors});
    if (!AutoSize())
        w.writeBool(QStringLiteral("AutoSize"), false);
    WriteBaseProperties(w, *this, {BP::BiDiMode});
    if (!Caption().isEmpty())
        w.writeString(QStringLiteral("Caption"), Caption());
    // The colour is the parent's while ParentColor holds.
    if (!ParentColor() && Color() != clWindow)
        w.writeColor(QStringLiteral("Color"), Color());
    WriteBaseProperties(w, *this, {BP::Constraints, BP::DragCursor, BP::DragKind, BP::DragMode, BP::Enabled});
    WriteReference(w, QStringLiteral("FocusControl"), FocusControl());
    if (!ParentFont())
        WriteFont(w, Font());
    if (Gap() != 0)
        w.writeInteger(QStringLiteral("Gap"), Gap());
    if (Layout() != tlTop)
        w.writeEnum(QStringLiteral("Layout"), Layout(), TextLayoutIdents());
    WriteBaseProperties(w, *this, {BP::ParentBiDiMode});
    if (!ParentColor())
        w.writeBool(QStringLiteral("ParentColor"), false);
    if (!ParentFont())
        w.writeBool(QStringLiteral("ParentFont"), false);
    WriteBaseProperties(w, *this, {BP::ParentShowHint, BP::PopupMenu});
    // The declared default is true while a new label starts with false, so a card label always
    // carries it.
    if (!ShowAccelChar())
        w.writeBool(QStringLiteral("ShowAccelChar"), false);
    WriteBaseProperties(w, *this, {BP::ShowHint});
    if (Transparent())
        w.writeBool(QStringLiteral("Transparent"), true);
    WriteBaseProperties(w, *this, {BP::Visible});
    if (WordWrap())
        w.writeBool(QStringLiteral("WordWrap"), true);
}

void TLabelEx::ReadProperty(const QString &name, const StreamValue &value)
{
    if (ReadFontProperty(Font(), name, value)) {
        // Any font property read means an own font, even one equal to the present font.
        SetParentFont(false);
        return;
    }
    if (IsProperty(name, "Alignment"))
        SetAlignment(TAlignment(value.toEnum(AlignmentIdents())));
    else if (IsProperty(name, "AutoSize"))
        SetAutoSize(value.toBool());
    else if (IsProperty(name, "Caption"))
        SetCaption(value.toText());
    else if (IsProperty(name, "Color"))
        SetColor(value.toColor());
    else if (IsProperty(name, "FocusControl"))
        SetFocusControl(ReadReference(value));
    else if (IsProperty(name, "Gap"))
        SetGap(value.toInt());
    else if (IsProperty(name, "Layout"))
        SetLayout(TTextLayout(value.toEnum(TextLayoutIdents())));
    else if (IsProperty(name, "ParentColor"))
        SetParentColor(value.toBool());
    else if (IsProperty(name, "ParentFont"))
        SetParentFont(value.toBool());
    else if (IsProperty(name, "ShowAccelChar"))
        SetShowAccelChar(value.toBool());
    else if (IsProperty(name, "Transparent"))
        SetTransparent(value.toBool());
    else if (IsProperty(name, "WordWrap"))
        SetWordWrap(value.toBool());
    else if (!ReadBaseProperty(*this, published(), name, value))
        ThrowUnknownProperty(name);
}
