// The editor's tool cursors in the screen cursor slots 1 (shapes), 2 (pictures) and 3 (text).
#pragma once

#include <QCursor>

constexpr int ShapeCursorSlot = 1;
constexpr int ImageCursorSlot = 2;
constexpr int TextCursorSlot = 3;

// Loads the three cursors into their slots; called when the editor form is created.
void LoadToolCursors();
// The cursor of a slot; the default arrow for slot 0 or a slot that holds none.
QCursor ScreenCursor(int slot);
