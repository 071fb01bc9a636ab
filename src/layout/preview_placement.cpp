// Where the print preview window stands.
#include "layout/preview_placement.h"

PreviewPlacement SavedPreviewPlacement(const WindowSettings &s)
{
    return {QRect(s.PreviewLeft, s.PreviewTop, s.PreviewWidth, s.PreviewHeight), s.PreviewMaximized != 0};
}

void StorePreviewPlacement(WindowSettings &s, const PreviewPlacement &placement)
{
    s.PreviewTop = placement.bounds.top();
    s.PreviewLeft = placement.bounds.left();
    s.PreviewHeight = placement.bounds.height();
    s.PreviewWidth = placement.bounds.width();
    s.PreviewMaximized = placement.maximized ? 1 : 0;
}

PreviewPlacement PlacementToKeep(PreviewWindowState state, const QRect &bounds, const QRect &restoreBounds,
                                 bool wasMaximized)
{
    switch (state) {
    case PreviewWindowState::Maximized:
        return {restoreBounds, true};
    case PreviewWindowState::Minimized:
        if (wasMaximized)
            return {restoreBounds, true};
        return {bounds, false};
    case PreviewWindowState::Normal:
        break;
    }
    return {bounds, false};
}
