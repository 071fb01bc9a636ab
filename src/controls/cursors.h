// Cursor ids as the class library numbers them, and the screen's table of the program's own cursors.
#pragma once

#include "platform/idents.h"

#include <QCursor>
#include <optional>

// A cursor id (platform/idents.h): 0 and negative values are the stock cursors, positive values are
// slots that the program fills with its own cursors (SetScreenCursor).

// Puts a cursor of the program's own into slot `id` (a positive id).
void SetScreenCursor(TCursor id, const QCursor &cursor);
// The cursor a control with this id shows; nothing for crDefault, which shows the parent's cursor.
// An empty slot or an unknown id shows the arrow.
std::optional<QCursor> CursorFor(TCursor id);
