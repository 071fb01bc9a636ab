// TImage in component streams: the class library picture control's published properties, the
// picture as Picture.Data.
#include "controls/control_streaming.h"
#include "controls/image.h"
#include "platform/errors.h"

namespace {

using BP = BaseProperty;

const PublishedBase &published()
{
    using enum BaseProperty;
    static const PublishedBase base{
        BasePropertyBits({Align, Anchors, Constraints, DragCursor, DragKind, DragMode, Enabled,
                          ParentShowHint, PopupMenu, ShowHint, Visible}),
        false, ImageEvents()};
    return base;
}

} // namespace

QString TImage::ClassName() const
{
    return QStringLiteral("TImage");
}

void TImage::WriteProperties(PropertyWriter &w) const
{
    WriteControlHead(w, *this, published());
    WriteBaseProperties(w, *this, {BP::Align, BP::Anchors});
    if (AutoSize())
        w.writeBool(QStringLiteral("AutoSize"), true);
    if (Center())
        w.writeBool(QStringLiteral("Center"), true);
    WriteBaseProperties(w, *this, {BP::Constraints, BP::DragCursor, BP::DragKind, BP::DragMode, BP::Enabled});
    if (IncrementalDisplay)
        w.writeBool(QStringLiteral("IncrementalDisplay"), true);
    WriteBaseProperties(w, *this, {BP::ParentShowHint});
    // A picture holder writes its data whenever it holds a graphic, an empty one included.
    if (Picture().Graphic())
        w.writeBinary(QStringLiteral("Picture.Data"), Picture().WriteData());
    WriteBaseProperties(w, *this, {BP::PopupMenu, BP::ShowHint});
    if (Stretch())
        w.writeBool(QStringLiteral("Stretch"), true);
    if (Transparent())
        w.writeBool(QStringLiteral("Transparent"), true);
    WriteBaseProperties(w, *this, {BP::Visible});
}

void TImage::ReadProperty(const QString &name, const StreamValue &value)
{
    if (IsProperty(name, "Picture.Data")) {
        const QByteArray data = value.toBinary();
        try {
            Picture().ReadData(data);
        } catch (const EReadError &) {
            throw;
        } catch (const VelmoraError &error) {
            // Damaged picture data is a damaged stream.
            throw EReadError(error.message());
        }
    } else if (IsProperty(name, "AutoSize")) {
        SetAutoSize(value.toBool());
    } else if (IsProperty(name, "Center")) {
        SetCenter(value.toBool());
    } else if (IsProperty(name, "IncrementalDisplay")) {
        IncrementalDisplay = value.toBool();
    } else if (IsProperty(name, "Stretch")) {
        SetStretch(value.toBool());
    } else if (IsProperty(name, "Transparent")) {
        SetTransparent(value.toBool());
    } else if (!ReadBaseProperty(*this, published(), name, value)) {
        ThrowUnknownProperty(name);
    }
}
