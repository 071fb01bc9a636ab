// TForm2: pictures and catch-phrase pictures (placing, replacing, resizing through the image size
// dialog), the background picture, and the state of the その他 menu.
#include "controls/gridshape.h"
#include "controls/image.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/irdlg.h"
#include "dialogs/number_memo.h"
#include "dialogs/units.h"
#include "editor/dispose.h"
#include "editor/unit2.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

QString PictureFilter(bool bitmapFirst)
{
    const QString bitmaps = LoadStr(Str::BitmapFilter), jpegs = LoadStr(Str::JpegFilter);
    // PNG and the other formats the loader reads come after the two that the dialog lists first.
    return (bitmapFirst ? bitmaps + u'|' + jpegs : jpegs + u'|' + bitmaps) + u'|' + LoadStr(Str::PngFilter) +
           u'|' + LoadStr(Str::AllPicturesFilter);
}

std::optional<QString> TForm2::choosePictureFile(bool catchPhraseFirst, const QString &folder)
{
    FileDialogRequest request;
    request.initialDir = folder;
    request.fileName = catchPhraseFirst ? QStringLiteral("*.jpg") : QStringLiteral("*.bmp");
    request.filter = PictureFilter(!catchPhraseFirst);
    request.picturePreview = true;
    return Application().Modal().openFileName(request);
}

void TForm2::connectPictureCommands()
{
    connect(ImageChange, &QAction::triggered, this, Guarded(this, &TForm2::ImageChangeClick));
    connect(ImageReduction, &QAction::triggered, this, Guarded(this, &TForm2::ImageReductionClick));
    connect(OtherBGImage, &QAction::triggered, this, Guarded(this, &TForm2::ChooseBackground));
    connect(BGImageButton, &QToolButton::clicked, this, Guarded(this, &TForm2::ChooseBackground));
    connect(BGImageSetting, &QAction::triggered, this, Guarded(this, &TForm2::ChooseBackground));
    connect(OtherBGImageClear, &QAction::triggered, this, Guarded(this, &TForm2::ClearBackground));
    connect(BGImageClear, &QAction::triggered, this, Guarded(this, &TForm2::ClearBackground));
    connect(OtherMenu, &QMenu::aboutToShow, this, &TForm2::OtherMenuClick);
    OtherMenuClick();
}

void TForm2::PlacePicture(int kind)
{
    // Loaded before anything is created: a file that cannot be read leaves the card as it was.
    TPicture loaded;
    if (!loadPictureOfKind(kind, loaded))
        return;
    auto *picture = new TImage(DrawPanel);
    picture->SetCursor(crHandPoint);
    takePicture(picture, loaded);
    picture->SetBounds(PressPoint.x(), PressPoint.y(), picture->width(), picture->height());
    picture->SetTag(kind);
    AttachCardObject(picture);
    NoteModified();
}

bool TForm2::loadPictureOfKind(int tag, TPicture &loaded)
{
    const bool catchPhrase = tag != 0;
    const std::optional<QString> path =
        choosePictureFile(catchPhrase, catchPhrase ? CatchPhraseDirectory : PictureDirectory);
    if (!path)
        return false;
    loaded.LoadFromFile(*path);
    if (!catchPhrase)
        PictureDirectory = QFileInfo(*path).absolutePath();
    return true;
}

void TForm2::takePicture(TImage *picture, const TPicture &loaded)
{
    picture->SetPicture(loaded);
    // The object takes the picture's natural size once, then keeps whatever size it is given.
    picture->SetAutoSize(true);
    picture->SetAutoSize(false);
    picture->SetStretch(true);
}

void TForm2::ImageChangeClick()
{
    auto *picture =
        KindOf(SelectedObject) == CardKind::Picture ? static_cast<TImage *>(SelectedObject) : nullptr;
    if (!picture)
        return;
    CurrentPicture = picture;
    // A file that cannot be read leaves the object with its former picture.
    TPicture loaded;
    if (!loadPictureOfKind(picture->Tag(), loaded))
        return;
    takePicture(picture, loaded);
    NoteModified();
    Deselect();
    SelectObject(picture, picture->Top(), picture->Left(), picture->Height(), picture->Width());
}

void TForm2::ImageReductionClick()
{
    TImage *picture = CurrentPicture;
    if (!picture)
        return;
    TImageReductionDlg dialog(this);
    const int w = picture->Width(), h = picture->Height();
    dialog.WidthPx = w;
    dialog.HeightPx = h;
    dialog.WidthMm = float(w) / float(PixelsPerMm);
    dialog.HeightMm = float(h) / float(PixelsPerMm);
    dialog.WidthInch = float(w) * InchesPerPixel;
    dialog.HeightInch = float(h) * InchesPerPixel;
    // A picture without height has no ratio; it is treated as square.
    dialog.WidthToHeight = h > 0 ? float(w) / float(h) : 1.0f;
    static_cast<ConversionConstants &>(dialog) = *this;
    showMeasureUnit(dialog.TanniPixRB, dialog.TanniMmRB, dialog.TanniInRB);
    dialog.FixedRateCB->setChecked(KeepImageRatio);
    dialog.PreviewImage->SetPicture(picture->Picture());
    dialog.PreviewImage->resize(w, h);
    dialog.PreviewLayout();
    {
        const UpdatingScope updating(dialog.Updating);
        const auto text = [&](int px, float mm, float inch) {
            return MeasureUnit == muPixel        ? QString::number(px)
                   : MeasureUnit == muMillimetre ? FormatFixed(mm, 1)
                                                 : FormatFixed(inch, 2);
        };
        dialog.ImageWidthMemo->SetText(text(w, dialog.WidthMm, dialog.WidthInch));
        dialog.ImageHeightMemo->SetText(text(h, dialog.HeightMm, dialog.HeightInch));
    }
    if (Application().Modal().execDialog(dialog) != QDialog::Accepted)
        return;
    MeasureUnit = chosenMeasureUnit(dialog.TanniPixRB, dialog.TanniInRB);
    KeepImageRatio = dialog.FixedRateCB->isChecked();
    if (dialog.WidthPx == w && dialog.HeightPx == h)
        return;
    picture->SetBounds(picture->Left(), picture->Top(), dialog.WidthPx, dialog.HeightPx);
    if (HasSelection)
        Deselect();
    SelectObject(picture, picture->Top(), picture->Left(), picture->Height(), picture->Width());
    NoteModified();
}

void TForm2::ChooseBackground()
{
    if (!BackgroundPicture || !DrawPanel)
        return;
    const std::optional<QString> path = choosePictureFile(false, BackgroundDirectory);
    if (!path)
        return;
    TPicture loaded;
    loaded.LoadFromFile(*path);
    BackgroundPicture->SetPicture(loaded);
    // Stretched over the whole card whatever its proportions, below the grid and every object.
    BackgroundPicture->SetAutoSize(false);
    BackgroundPicture->SetStretch(true);
    BackgroundPicture->SetBounds(0, 0, DrawPanel->width(), DrawPanel->height());
    BackgroundPicture->SetVisible(true);
    BackgroundPicture->lower();
    NoteModified();
}

void TForm2::ClearBackground()
{
    if (!DrawPanel)
        return;
    if (BackgroundPicture)
        DisposeControl(BackgroundPicture);
    BackgroundPicture = NewBackgroundPicture(DrawPanel, DrawPanel->width(), DrawPanel->height());
    BackgroundPicture->SetVisible(false);
    BackgroundPicture->lower();
    NoteModified();
}

void TForm2::OtherMenuClick()
{
    const bool sheet = DrawPanel != nullptr;
    OtherBGImage->setEnabled(sheet && BackgroundPicture);
    OtherBGImageClear->setEnabled(sheet && BackgroundPicture && BackgroundPicture->Visible());
    BGGrid->setEnabled(sheet && GridOverlay);
}
