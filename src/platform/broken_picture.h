// The placeholder drawn where a picture's data cannot be drawn, and the record of where it was.
#pragma once

#include <QStringList>

class QPainter;
class QRect;

// A grey box with a frame and a cross, so a damaged picture is visible as such and stays selectable.
void DrawBrokenPicture(QPainter &painter, const QRect &target);

// While one lives, every picture drawn as the placeholder is noted in it (what the picture is and
// why), so a batch mode can refuse to report success. The GUI keeps none: it shows the placeholder.
class UndrawablePictures
{
public:
    UndrawablePictures();
    ~UndrawablePictures();
    UndrawablePictures(const UndrawablePictures &) = delete;
    UndrawablePictures &operator=(const UndrawablePictures &) = delete;
    // Each picture once, in the order first drawn.
    const QStringList &List() const { return list_; }

private:
    friend void NoteUndrawablePicture(const QString &);
    QStringList list_;
    UndrawablePictures *outer_;
};

// Notes a picture drawn as the placeholder in the record alive now, if any.
void NoteUndrawablePicture(const QString &description);
