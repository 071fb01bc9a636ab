// TForm2: bringing the selected object to the front or sending it to the back, on the worksheet and in
// ObjectList together; the background picture and the grid stay lowest.
#include "controls/gridshape.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/unit2.h"

void TForm2::FrontClick()
{
    QWidget *object = SelectedObject;
    if (!object || !ObjectList.contains(object))
        return;
    object->raise();
    // The handles stay where they can be grabbed, above the object.
    for (TQVShape *handle : SelectionHandles)
        if (handle)
            handle->raise();
    ObjectList.removeAll(object);
    ObjectList.append(object);
    NoteModified();
}

void TForm2::BackClick()
{
    QWidget *object = SelectedObject;
    if (!object || !ObjectList.contains(object))
        return;
    object->lower();
    // A label's frame stays behind the selected label.
    if (KindOf(object) == CardKind::Label && LabelFrame)
        LabelFrame->lower();
    if (GridOverlay)
        GridOverlay->lower();
    if (BackgroundPicture)
        BackgroundPicture->lower();
    ObjectList.removeAll(object);
    ObjectList.prepend(object);
    NoteModified();
}
