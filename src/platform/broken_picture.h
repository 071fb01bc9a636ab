// The placeholder drawn where a picture's data cannot be drawn.
#pragma once

class QPainter;
class QRect;

// A grey box with a frame and a cross, so a damaged picture is visible as such and stays selectable.
void DrawBrokenPicture(QPainter &painter, const QRect &target);
