// TForm2: Cut, Copy, Paste and the Delete key: card objects through the clipboard's component format
// beside their text or picture, and the in-place editor's own text while it is open.
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/component_registry.h"
#include "editor/inplace_editor.h"
#include "editor/label_text.h"
#include "editor/unit2.h"
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/errors.h"
#include "platform/picture.h"

#include <QAction>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QToolButton>

void TForm2::setPasteEnabled(bool on)
{
    EditPaste->setEnabled(on);
    PasteButton->setEnabled(on);
}

void TForm2::UpdatePasteCommand()
{
    setPasteEnabled(DrawPanel != nullptr && ClipboardOffersPasteable());
}

void TForm2::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Delete && HasSelection)
        RemoveCardObject(SelectedObject);
}

void TForm2::CopySelection()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    if (TextEditOpen && InPlaceEditor) {
        InPlaceEditor->copy();
        setPasteEnabled(true);
        return;
    }
    if (!HasSelection || KindOf(SelectedObject) == CardKind::None)
        return;
    // Everything is gathered first: a picture that cannot be decoded leaves the clipboard as it was.
    ClipboardContent content;
    content.component = WriteComponent(AsStreamable(*SelectedObject));
    if (auto *picture = dynamic_cast<TImage *>(SelectedObject)) {
        // Other programs get the picture itself; a JPEG picture as its decoded pixels.
        if (!picture->Picture().Empty())
            content.image = picture->Picture().Graphic()->ToImage();
    } else if (auto *label = dynamic_cast<TLabelEx *>(SelectedObject)) {
        // Line breaks as other programs here expect them.
        content.text = EditorTextFromCaption(label->Caption());
    }
    PutOnClipboard(content);
    setPasteEnabled(true);
}

void TForm2::EditCopyClick()
{
    CopySelection();
}

void TForm2::EditCutClick()
{
    CopySelection();
    if (TextEditOpen && InPlaceEditor) {
        QTextCursor cursor = InPlaceEditor->textCursor();
        cursor.removeSelectedText();
        InPlaceEditor->setTextCursor(cursor);
        FitEditorToText();
    } else if (HasSelection) {
        RemoveCardObject(SelectedObject);
    }
}

void TForm2::EditPasteClick()
{
    if (HasSelection)
        Deselect();
    if (TextEditOpen && InPlaceEditor) {
        InPlaceEditor->paste();
        FitEditorToText();
        return;
    }
    if (!DrawPanel)
        return;
    try {
        if (ClipboardHasComponent())
            pasteComponent(ClipboardComponent());
        else if (ClipboardHasText())
            pasteText(ClipboardText());
        else if (ClipboardHasImage())
            pastePicture(ClipboardImage());
        else
            throw VelmoraError(QStringLiteral("nothing to paste"));
    } catch (const std::exception &) {
        Application().MessageBox(QStringLiteral("Clipboard Error"), Application().Title, MB_OK);
        return;
    }
    // One paste is one change, whatever it brought.
    NoteModified();
}

void TForm2::pasteComponent(const QByteArray &stream)
{
    // A stream that cannot be read creates nothing; only the three card classes are known by name.
    std::unique_ptr<Streamable> read = ReadComponentCreating(stream, DrawPanel);
    auto *object = dynamic_cast<TGraphicControl *>(read.get());
    if (KindOf(object) == CardKind::None)
        throw EReadError(QStringLiteral("not a card object"));
    object->SetLeft(0);
    object->SetTop(0);
    AttachCardObject(object);
    read.release();
    object->raise();
    switch (KindOf(object)) {
    case CardKind::Shape:
        CurrentShape = static_cast<TQVShape *>(object);
        break;
    case CardKind::Label:
        CurrentLabel = static_cast<TLabelEx *>(object);
        break;
    default:
        CurrentPicture = static_cast<TImage *>(object);
    }
}

void TForm2::pasteText(const QString &text)
{
    // The font a new label starts with; the editor's font settings are not applied.
    auto *label = new TLabelEx(DrawPanel);
    label->SetCursor(crHandPoint);
    label->SetLeft(0);
    label->SetTop(0);
    label->SetTransparent(true);
    label->SetCaption(CaptionFromEditorText(text));
    fitLabelToText(label);
    AttachCardObject(label);
    CurrentLabel = label;
}

void TForm2::pastePicture(const QImage &image)
{
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("empty picture"));
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(image);
    auto *picture = new TImage(DrawPanel);
    picture->SetCursor(crHandPoint);
    picture->Picture().SetGraphic(std::move(bitmap));
    picture->SetAutoSize(true);
    picture->SetAutoSize(false);
    picture->SetStretch(true);
    picture->SetLeft(0);
    picture->SetTop(0);
    picture->SetTag(0);
    AttachCardObject(picture);
    CurrentPicture = picture;
}
