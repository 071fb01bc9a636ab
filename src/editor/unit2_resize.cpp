// TForm2: resizing the selected shape or picture with its handles.
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/unit2.h"

namespace {

EditRect boxOf(const TGraphicControl *object)
{
    return {object->Left(), object->Top(), object->Width(), object->Height()};
}

} // namespace

void TForm2::HandleMouseDown(int handle, Qt::KeyboardModifiers shift, int x, int y)
{
    const QPoint p = snapIfApplies(shift, x, y);
    Dragging = true;
    resizeHandle_ = handle;
    PressPoint = p;
    switch (KindOf(SelectedObject)) {
    case CardKind::Shape:
        ResizeOrigin = TResizeOrigin::Of(boxOf(CurrentShape));
        break;
    case CardKind::Picture: {
        ResizeOrigin = TResizeOrigin::Of(boxOf(CurrentPicture));
        // A picture squeezed to no height has no ratio left to keep.
        const int w = CurrentPicture->Width(), h = CurrentPicture->Height();
        ImageAspect = h > 0 ? float(double(w) / h) : 0.0f;
        break;
    }
    default:
        break;
    }
}

void TForm2::HandleMouseMove(int handle, Qt::KeyboardModifiers shift, int x, int y)
{
    const QPoint p = snapIfApplies(shift, x, y);
    if (!Dragging || handle != resizeHandle_)
        return;
    const int dx = p.x() - PressPoint.x();
    const int dy = p.y() - PressPoint.y();
    switch (KindOf(SelectedObject)) {
    case CardKind::Shape: {
        TQVShape *shape = CurrentShape;
        const TQVShapeType type = shape->Shape();
        const ResizeRule rule = type == qvstSquare || type == qvstCircle ? ResizeRule::Square
                                : type == qvstLinea || type == qvstLineb ? ResizeRule::Line
                                                                         : ResizeRule::Free;
        const ResizeResult r =
            ResizeWithHandle(ResizeOrigin, handle, dx, dy, rule, ImageAspect, snapPitch(shift));
        if (r.changesLine)
            shape->SetShape(r.line);
        shape->SetLeft(r.rect.left);
        shape->SetTop(r.rect.top);
        shape->SetWidth(r.rect.width);
        shape->SetHeight(r.rect.height);
        break;
    }
    case CardKind::Picture: {
        const ResizeRule rule = KeepImageRatio ? ResizeRule::Picture : ResizeRule::Free;
        const ResizeResult r =
            ResizeWithHandle(ResizeOrigin, handle, dx, dy, rule, ImageAspect, snapPitch(shift));
        CurrentPicture->SetBounds(r.rect.left, r.rect.top, r.rect.width, r.rect.height);
        break;
    }
    default:
        return;
    }
    NoteModified();
}

void TForm2::HandleMouseUp(int)
{
    Dragging = false;
    resizeHandle_ = -1;
    switch (KindOf(SelectedObject)) {
    case CardKind::Shape:
        DragRect = boxOf(CurrentShape);
        break;
    case CardKind::Picture:
        DragRect = boxOf(CurrentPicture);
        break;
    default:
        return;
    }
    placeHandles(DragRect);
}
