// Line button rules and the digit filter of the size and gap combos.
#include "editor/attribute_rules.h"

PenLine SettingsLineAfter(PenLine current, LineCommand button)
{
    switch (button) {
    case LineCommand::Solid:
        return {current.width, psSolid};
    case LineCommand::Dot:
        return {1, psDot};
    case LineCommand::Width1:
        return {1, current.style};
    default:
        return {int(button), psSolid};
    }
}

std::optional<PenLine> ShapeLineAfter(PenLine current, LineCommand button)
{
    switch (button) {
    case LineCommand::Solid:
        if (current.style == psSolid)
            return std::nullopt;
        break;
    case LineCommand::Dot:
        if (current.style == psDot)
            return std::nullopt;
        break;
    default:
        if (current.width == int(button))
            return std::nullopt;
    }
    return SettingsLineAfter(current, button);
}

QString KeepDigits(const QString &text, const QString &whenEmpty)
{
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits.isEmpty() ? whenEmpty : digits;
}
