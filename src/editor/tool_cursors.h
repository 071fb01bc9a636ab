// The editor's tool cursors in the screen cursor slots 1 (shapes), 2 (pictures) and 3 (text).
#pragma once

#include "controls/cursors.h"

constexpr TCursor ShapeCursorSlot = 1;
constexpr TCursor ImageCursorSlot = 2;
constexpr TCursor TextCursorSlot = 3;

// Loads the three cursors into their slots; called when the editor form is created.
void LoadToolCursors();
