// Cut, copy, paste and Delete: objects through the component format beside their text or picture,
// plain text and images from other programs, the in-place editor's own text, and damaged clipboards.
#include "editor_fixture.h"

#include "common/picture_samples.h"
#include "common/scripted_modal.h"
#include "controls/gridshape.h"
#include "document/streamable.h"
#include "editor/inplace_editor.h"
#include "jpeg/jpeg_image.h"
#include "platform/clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPainter>

namespace {

class Clipboard : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QApplication::clipboard()->clear();
    }
    void select(TGraphicControl *object) { click(inside(object, 3, 3)); }
    template <typename T> T *last() { return dynamic_cast<T *>(form->ObjectList.last()); }
    ScopedScriptedModal modal;
};

TEST_F(Clipboard, ACopiedLabelPastesWithItsFontColourAndGapAndOffersItsText)
{
    TLabelEx *label = addLabel({120, 60}, QStringLiteral("二行の\r\nラベル"), 14, 3);
    label->Font().SetColor(0x0000FF);
    label->Font().SetStyle(fsBold);
    select(label);
    EXPECT_FALSE(form->PasteButton->isEnabled());
    form->EditCopy->trigger();
    const QSize copiedSize = label->size();
    EXPECT_TRUE(form->PasteButton->isEnabled());
    EXPECT_TRUE(form->EditPaste->isEnabled());
    // Other programs read the caption, with their own line breaks.
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("二行の\nラベル"));
    EXPECT_TRUE(ClipboardHasComponent());

    const int before = form->ModificationCount;
    form->EditPaste->trigger();
    ASSERT_EQ(form->ObjectList.size(), 2);
    auto *copy = last<TLabelEx>();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, label);
    EXPECT_EQ(copy->Caption(), label->Caption());
    EXPECT_EQ(copy->Font(), label->Font());
    EXPECT_EQ(copy->Gap(), 3);
    EXPECT_EQ(copy->geometry(), QRect(QPoint(0, 0), copiedSize));
    EXPECT_EQ(label->pos(), QPoint(120, 60));
    EXPECT_EQ(form->CurrentLabel, copy);
    EXPECT_FALSE(form->HasSelection);
    EXPECT_EQ(form->ModificationCount, before + 1);
    // The copy is a card object like any other: it can be selected and moved.
    drag(inside(copy, 3, 3), {inside(copy, 3, 3).x() + 40, inside(copy, 3, 3).y() + 40});
    EXPECT_EQ(copy->pos(), QPoint(40, 40));
    // Pasting again gives a second object at the same place, above the others.
    form->EditPasteClick();
    ASSERT_EQ(form->ObjectList.size(), 3);
    EXPECT_EQ(form->DrawPanel->children().last(), form->ObjectList.last());
}

TEST_F(Clipboard, PlainTextPastesAsADefaultFontLabelOnePixelWiderThanItsText)
{
    form->FontName = QStringLiteral("IPAGothic");
    form->FontSize = 30;
    QApplication::clipboard()->setText(QStringLiteral("from\nelsewhere"));
    EXPECT_TRUE(form->EditPaste->isEnabled());
    form->EditPasteClick();
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *label = last<TLabelEx>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("from\r\nelsewhere"));
    EXPECT_TRUE(label->Transparent());
    EXPECT_FALSE(label->AutoSize());
    EXPECT_EQ(label->Font(), TLabelEx().Font());
    EXPECT_EQ(label->Cursor(), crHandPoint);
    TLabelEx measured;
    measured.SetCaption(label->Caption());
    measured.AdjustBounds();
    EXPECT_EQ(label->geometry(), QRect(0, 0, measured.width() + 1, measured.height()));
    EXPECT_EQ(form->ModificationCount, 1);
}

TEST_F(Clipboard, AnImageFromAnotherProgramPastesAsAPicture)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QApplication::clipboard()->setImage(image);
    form->EditPasteClick();
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *picture = last<TImage>();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 30, 20));
    EXPECT_EQ(picture->Tag(), 0);
    EXPECT_TRUE(picture->Stretch());
    EXPECT_FALSE(picture->AutoSize());
    EXPECT_EQ(picture->Picture().Graphic()->ClassName(), QStringLiteral("TBitmap"));
    EXPECT_EQ(picture->Picture().Graphic()->ToImage().pixelColor(5, 5), QColor(Qt::magenta));
}

TEST_F(Clipboard, AJpegPictureIsABitmapForOthersAndTheWholePictureForUs)
{
    QImage pixels(64, 32, QImage::Format_RGB32);
    pixels.fill(Qt::darkGreen);
    QPainter(&pixels).fillRect(0, 0, 32, 32, Qt::yellow);
    const QByteArray jpeg = EncodedImage(pixels, "JPG");
    auto *picture = new TImage(form->DrawPanel);
    auto graphic = std::make_unique<TJPEGImage>();
    graphic->LoadFromBytes(jpeg);
    picture->Picture().SetGraphic(std::move(graphic));
    picture->SetStretch(true);
    picture->SetBounds(200, 100, 128, 64);
    picture->SetTag(1); // a catch-phrase picture
    form->AttachCardObject(picture);
    select(picture);
    form->CopyButton->click();

    const QImage offered = ClipboardImage();
    EXPECT_EQ(offered.size(), QSize(64, 32));
    EXPECT_LT(qAbs(offered.pixelColor(10, 10).red() - 255), 8);
    form->PasteButton->click();
    ASSERT_EQ(form->ObjectList.size(), 2);
    auto *copy = last<TImage>();
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->Picture().Graphic(), nullptr);
    EXPECT_EQ(copy->Picture().Graphic()->ClassName(), QStringLiteral("TJPEGImage"));
    EXPECT_EQ(copy->Picture().Graphic()->FileBytes(), jpeg);
    EXPECT_EQ(copy->geometry(), QRect(0, 0, 128, 64));
    EXPECT_EQ(copy->Tag(), 1);
    EXPECT_EQ(form->CurrentPicture, copy);
}

TEST_F(Clipboard, AMetafilePictureIsOfferedAsItsDrawing)
{
    auto *picture = new TImage(form->DrawPanel);
    picture->Picture().ReadData(QByteArray("\x09TMetafile") + [] {
        const QByteArray emf = SampleEmf();
        const qint32 length = qint32(emf.size() + 4);
        return QByteArray(reinterpret_cast<const char *>(&length), 4) + emf;
    }());
    picture->SetStretch(true);
    picture->SetBounds(40, 40, 100, 50);
    form->AttachCardObject(picture);
    select(picture);
    form->EditCopyClick();
    const QImage offered = ClipboardImage();
    EXPECT_EQ(offered.size(), QSize(100, 50));
    // The red rectangle of the sample is drawn into it.
    EXPECT_EQ(offered.pixelColor(30, 25).red(), 255);
    EXPECT_TRUE(ClipboardHasComponent());
}

TEST_F(Clipboard, CutAndDeleteRemoveTheSelectedObject)
{
    TQVShape *shape = addShape({20, 20, 80, 40});
    shape->Pen().SetWidth(4);
    select(shape);
    const int before = form->ModificationCount;
    form->EditCutClick();
    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_FALSE(form->HasSelection);
    EXPECT_FALSE(form->CutButton->isEnabled());
    EXPECT_EQ(form->ModificationCount, before + 1);
    // What was cut comes back.
    form->EditPasteClick();
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *back = last<TQVShape>();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(boxOf(back), (EditRect{0, 0, 80, 40}));
    EXPECT_EQ(back->Pen().Width(), 4);

    // Delete acts wherever the focus is, except in a field being typed in.
    TLabelEx *label = addLabel({150, 100}, QStringLiteral("Keep"));
    select(label);
    form->FontNameComboBox->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(form->ObjectList.size(), 2);
    select(back);
    ASSERT_TRUE(form->HasSelection);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(form->ObjectList.size(), 1);
    EXPECT_EQ(form->ObjectList.first(), label);
    // With nothing selected Delete does nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(form->ObjectList.size(), 1);
}

TEST_F(Clipboard, TheMenuShortcutsReachTheCommandsFromTheWorksheet)
{
    TQVShape *shape = addShape({20, 20, 80, 40});
    select(shape);
    ASSERT_EQ(QApplication::focusWidget(), form->TestMemo);
    QTest::keyClick(form->TestMemo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(ClipboardHasComponent());
    QTest::keyClick(form->TestMemo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->ObjectList.size(), 2);
}

TEST_F(Clipboard, TheInPlaceEditorCutsCopiesAndPastesItsOwnText)
{
    TLabelEx *label = addLabel({120, 60}, QStringLiteral("Velmora card"));
    doubleClick(inside(label));
    ASSERT_TRUE(form->EditingLabel);
    TInPlaceEditor *editor = form->InPlaceEditor;
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    EXPECT_TRUE(form->EditCut->isEnabled());
    form->EditCutClick();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Velmora "));
    EXPECT_EQ(editor->Text(), QStringLiteral("card"));
    EXPECT_EQ(form->ObjectList.size(), 1);
    EXPECT_TRUE(form->EditPaste->isEnabled());
    cursor = editor->textCursor();
    cursor.movePosition(QTextCursor::End);
    editor->setTextCursor(cursor);
    form->EditPasteClick();
    EXPECT_EQ(editor->Text(), QStringLiteral("cardVelmora "));
    EXPECT_EQ(form->ObjectList.size(), 1);
    click({400, 250});
    EXPECT_EQ(label->Caption(), QStringLiteral("cardVelmora "));
}

TEST_F(Clipboard, ADamagedClipboardGivesClipboardErrorAndAddsNothing)
{
    TGridShape grid;
    const QByteArray gridStream = WriteComponent(grid);
    TLabelEx label;
    label.SetCaption(QStringLiteral("cut short"));
    const QByteArray labelStream = WriteComponent(label);
    const QByteArray damaged[] = {QByteArray("TPF0\x08TLabelEx\x00", 14),
                                  labelStream.left(labelStream.size() - 3), QByteArray("not a stream"),
                                  gridStream};
    for (const QByteArray &stream : damaged) {
        auto *data = new QMimeData;
        data->setData(QString::fromLatin1(kComponentMimeType), stream);
        // The text beside it is not taken instead: the component format came first.
        data->setText(QStringLiteral("fallback"));
        QApplication::clipboard()->setMimeData(data);
        modal->answerMessage(IDOK);
        form->EditPasteClick();
    }
    QApplication::clipboard()->setMimeData(new QMimeData);
    EXPECT_FALSE(form->EditPaste->isEnabled());
    modal->answerMessage(IDOK);
    form->EditPasteClick();

    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_EQ(form->ModificationCount, 0);
    ASSERT_EQ(modal->asked.size(), 5u);
    for (const AskedInteraction &asked : modal->asked) {
        EXPECT_EQ(asked.text, QStringLiteral("Clipboard Error"));
        EXPECT_EQ(asked.buttons, MB_OK);
    }
    // Only the worksheet's own controls are left on it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int cardControls = 0;
    for (QObject *child : form->DrawPanel->children())
        cardControls += KindOf(child) != CardKind::None && child != form->BackgroundPicture;
    EXPECT_EQ(cardControls, 0);
}

} // namespace
