// TColorDialog in component streams: colour, custom colours and the dialog's other published state.
#include "controls/colordialog.h"
#include "controls/control_streaming.h"
#include "platform/idents.h"

#include <array>

namespace {

constexpr std::array<IdentEntry, 5> kOptions{{
    {cdFullOpen, "cdFullOpen"},
    {cdPreventFullOpen, "cdPreventFullOpen"},
    {cdShowHelp, "cdShowHelp"},
    {cdSolidColor, "cdSolidColor"},
    {cdAnyColor, "cdAnyColor"},
}};

const IdentTable &OptionIdents()
{
    static const IdentTable table{kOptions};
    return table;
}

constexpr std::array<const char *, 2> kEvents{"OnClose", "OnShow"};

} // namespace

void TColorDialog::WriteProperties(PropertyWriter &w) const
{
    if (Tag != 0)
        w.writeInteger(QStringLiteral("Tag"), Tag);
    if (!Ctl3D)
        w.writeBool(QStringLiteral("Ctl3D"), false);
    if (HelpContext != 0)
        w.writeInteger(QStringLiteral("HelpContext"), HelpContext);
    if (Color != clBlack)
        w.writeColor(QStringLiteral("Color"), Color);
    // A string list stores its lines only when it has some.
    if (!CustomColors.isEmpty())
        w.writeStrings(QStringLiteral("CustomColors.Strings"), CustomColors);
    if (Options != 0)
        w.writeSet(QStringLiteral("Options"), Options, OptionIdents());
}

void TColorDialog::ReadProperty(const QString &name, const StreamValue &value)
{
    if (IsProperty(name, "Tag"))
        Tag = value.toInt();
    else if (IsProperty(name, "Ctl3D"))
        Ctl3D = value.toBool();
    else if (IsProperty(name, "HelpContext"))
        HelpContext = value.toInt();
    else if (IsProperty(name, "Color"))
        Color = value.toColor();
    else if (IsProperty(name, "CustomColors.Strings"))
        CustomColors = value.toStrings();
    else if (IsProperty(name, "Options"))
        Options = value.toSetBits(OptionIdents());
    else if (!ReadEvent(kEvents, name, value))
        ThrowUnknownProperty(name);
}
