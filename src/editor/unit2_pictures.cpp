// TForm2: placing a picture or catch-phrase picture chosen in the picture dialog.
#include "controls/image.h"
#include "editor/unit2.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QFileInfo>

void TForm2::PlacePicture(int kind)
{
    const bool catchPhrase = kind == 1;
    const QString bitmaps = LoadStr(Str::BitmapFilter), jpegs = LoadStr(Str::JpegFilter);
    FileDialogRequest request;
    request.initialDir = catchPhrase ? CatchPhraseDirectory : PictureDirectory;
    request.fileName = catchPhrase ? QStringLiteral("*.jpg") : QStringLiteral("*.bmp");
    request.filter = catchPhrase ? jpegs + u'|' + bitmaps : bitmaps + u'|' + jpegs;
    const std::optional<QString> path = Application().Modal().openFileName(request);
    if (!path)
        return;
    // Load before anything is created: a file that cannot be read leaves the card as it was.
    TPicture loaded;
    loaded.LoadFromFile(*path);
    auto *picture = new TImage(DrawPanel);
    picture->SetCursor(crHandPoint);
    picture->SetPicture(loaded);
    picture->SetAutoSize(true);
    picture->SetAutoSize(false);
    picture->SetStretch(true);
    picture->SetBounds(PressPoint.x(), PressPoint.y(), picture->width(), picture->height());
    picture->SetTag(kind);
    AttachCardObject(picture);
    NoteModified();
    if (!catchPhrase)
        PictureDirectory = QFileInfo(*path).absolutePath();
}
