// Kind tests of card objects.
#include "editor/card_kind.h"

#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"

CardKind KindOf(const QObject *object)
{
    if (qobject_cast<const QWidget *>(object) == nullptr)
        return CardKind::None;
    if (dynamic_cast<const TQVShape *>(object))
        return CardKind::Shape;
    if (dynamic_cast<const TLabelEx *>(object))
        return CardKind::Label;
    if (dynamic_cast<const TImage *>(object))
        return CardKind::Picture;
    return CardKind::None;
}

bool IsCatchPhrase(const QObject *object)
{
    auto *picture = dynamic_cast<const TImage *>(object);
    return picture && picture->Tag() == 1;
}
