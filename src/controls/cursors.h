// Cursor ids as the class library numbers them, and the screen's table of the program's own cursors.
#pragma once

#include <QCursor>
#include <optional>

// A cursor id: 0 and negative values are the stock cursors below, positive values are slots that the
// program fills with its own cursors (SetScreenCursor).
using TCursor = int;

constexpr TCursor crDefault = 0; // the parent's cursor
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;

// Puts a cursor of the program's own into slot `id` (a positive id).
void SetScreenCursor(TCursor id, const QCursor &cursor);
// The cursor a control with this id shows; nothing for crDefault, which shows the parent's cursor.
// An empty slot or an unknown id shows the arrow.
std::optional<QCursor> CursorFor(TCursor id);
