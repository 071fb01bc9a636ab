// Where the print preview window stands: read from and written back to the window settings record.
#pragma once

#include "platform/window_settings.h"

#include <QRect>

struct PreviewPlacement
{
    QRect bounds; // top-left and size
    bool maximized = false;
};

PreviewPlacement SavedPreviewPlacement(const WindowSettings &settings);
void StorePreviewPlacement(WindowSettings &settings, const PreviewPlacement &placement);

enum class PreviewWindowState { Normal, Maximized, Minimized };

// What to keep after the window closes: a normal window its bounds; a maximized one the bounds it will
// restore to, as maximized; a minimized one the restore bounds as maximized when it was maximized
// before, else its bounds.
PreviewPlacement PlacementToKeep(PreviewWindowState state, const QRect &bounds, const QRect &restoreBounds,
                                 bool wasMaximized);
