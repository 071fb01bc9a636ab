// TForm2: attaching the editor's handlers to card objects, and taking objects off the worksheet.
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/dispose.h"
#include "editor/unit2.h"
#include "platform/application.h"
#include "platform/errors.h"

TMouseEvent TForm2::mouseHook(MouseHandler handler)
{
    return Guarded(this, handler);
}

void TForm2::attachHandlers(TGraphicControl *object)
{
    object->OnMouseDown = mouseHook(&TForm2::ObjectMouseDown);
    object->OnMouseMove = mouseHook(&TForm2::ObjectMouseMove);
    object->OnMouseUp = mouseHook(&TForm2::ObjectMouseUp);
    if (KindOf(object) == CardKind::Label)
        object->OnDblClick = Guarded(this, &TForm2::LabelDblClick);
}

void TForm2::AttachCardObject(TGraphicControl *object)
{
    if (KindOf(object) == CardKind::None)
        throw VelmoraError(QStringLiteral("%1 is not a card object")
                               .arg(object ? QString::fromLatin1(object->metaObject()->className())
                                           : QStringLiteral("nothing")));
    if (object->parentWidget() != DrawPanel)
        object->SetParent(DrawPanel);
    attachHandlers(object);
    ObjectList.append(object);
}

void TForm2::forgetObject(QWidget *object)
{
    ObjectList.removeAll(object);
    // Nothing may keep pointing at a destroyed object.
    if (SelectedObject == object)
        SelectedObject = nullptr;
    if (static_cast<QWidget *>(CurrentShape) == object)
        CurrentShape = nullptr;
    if (static_cast<QWidget *>(CurrentLabel) == object)
        CurrentLabel = nullptr;
    if (static_cast<QWidget *>(CurrentPicture) == object)
        CurrentPicture = nullptr;
}

void TForm2::RemoveCardObject(QWidget *object)
{
    if (!object)
        return;
    // Only a selection has handles or a frame to take away; a stale SelectedObject must not receive
    // the font panel's values.
    if (HasSelection)
        Deselect();
    forgetObject(object);
    DisposeControl(object);
    NoteModified();
}
