// Replacing and resizing a picture, choosing and clearing the background, and the その他 menu's state.
#include "editor_fixture.h"

#include "common/scripted_modal.h"
#include "controls/graphic_classes.h"
#include "dialogs/irdlg.h"
#include "dialogs/number_memo.h"
#include "platform/application.h"
#include "platform/picture.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class PictureCommands : public EditorFixture
{
protected:
    void SetUp() override
    {
        RegisterGraphicClasses();
        EditorFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(filled(50, 50, Qt::red).save(path("square.bmp")));
        ASSERT_TRUE(filled(40, 10, Qt::blue).save(path("strip.bmp")));
        QFile broken(path("broken.bmp"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM not a bitmap at all");
    }

    static QImage filled(int w, int h, Qt::GlobalColor c)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(c);
        return image;
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    // Selects a picture as a click on it does.
    void select(TImage *picture) { click(inside(picture, 5, 5)); }
    // The bottom-right handle's figure, which starts at the box's last pixel.
    QPoint handleCorner() const
    {
        const TQVShape *h = form->SelectionHandles[hBottomRight];
        return h ? QPoint(h->Left(), h->Top()) : QPoint(-1, -1);
    }
    QRgb panelPixel(QPoint p) { return form->DrawPanel->grab().toImage().pixel(p); }

    QTemporaryDir dir;
};

TEST_F(PictureCommands, ReplacingAPictureTakesTheNewFilesSizeAtTheSameCorner)
{
    TImage *picture = addPicture({30, 40, 200, 100});
    select(picture);
    ScopedScriptedModal modal;
    modal->answerFile(path("square.bmp"));
    const int before = form->ModificationCount;
    form->ImageChangeClick();
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_EQ(modal->asked[0].file.initialDir, UserDocumentsDirectory());
    EXPECT_EQ(modal->asked[0].file.fileName, QStringLiteral("*.bmp"));
    EXPECT_TRUE(modal->asked[0].file.picturePreview);
    EXPECT_EQ(picture->geometry(), QRect(30, 40, 50, 50));
    EXPECT_EQ(picture->Picture().Width(), 50);
    EXPECT_TRUE(picture->Stretch());
    EXPECT_FALSE(picture->AutoSize());
    EXPECT_EQ(picture->Tag(), 0);
    EXPECT_EQ(form->ModificationCount, before + 1);
    EXPECT_EQ(form->PictureDirectory, dir.path());
    // Selected again, with the handles around the new size.
    EXPECT_TRUE(form->HasSelection);
    EXPECT_EQ(form->SelectedObject, picture);
    EXPECT_EQ(handleCorner(), QPoint(30 + 50 - 1, 40 + 50 - 1));
}

TEST_F(PictureCommands, ACatchPhraseIsReplacedFromItsFolderAndAnUnreadableFileChangesNothing)
{
    TImage *phrase = addPicture({10, 10, 80, 20}, 1);
    select(phrase);
    ScopedScriptedModal modal;
    modal->answerFile(path("broken.bmp"));
    modal->answerMessage(IDOK);
    const int before = form->ModificationCount;
    form->ImageChange->trigger();
    ASSERT_EQ(modal->asked.size(), 2u);
    EXPECT_EQ(modal->asked[0].file.initialDir, form->CatchPhraseDirectory);
    EXPECT_EQ(modal->asked[0].file.fileName, QStringLiteral("*.jpg"));
    EXPECT_TRUE(modal->asked[0].file.filter.startsWith(QStringLiteral("JPEG")));
    EXPECT_TRUE(modal->asked[0].file.filter.contains(QStringLiteral("*.png")));
    EXPECT_EQ(modal->asked[1].kind, QStringLiteral("message"));
    EXPECT_EQ(phrase->geometry(), QRect(10, 10, 80, 20));
    EXPECT_EQ(phrase->Picture().Width(), 80);
    EXPECT_EQ(form->ModificationCount, before);

    modal->answerFile(path("square.bmp"));
    form->ImageChangeClick();
    EXPECT_EQ(phrase->size(), QSize(50, 50));
    EXPECT_EQ(phrase->Tag(), 1);
    EXPECT_NE(form->PictureDirectory, dir.path()); // a catch-phrase leaves the picture folder alone
}

TEST_F(PictureCommands, TheImageSizeDialogResizesThePictureAndTakesBackUnitAndRatio)
{
    TImage *picture = addPicture({20, 30, 200, 100});
    select(picture);
    ScopedScriptedModal modal;
    form->MeasureUnit = muInch;
    modal->answerDialog([](QDialog &dialog) {
        auto &d = static_cast<TImageReductionDlg &>(dialog);
        // The caller's texts: inches with two decimals, the preview at the present size.
        EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("1.57"));
        EXPECT_EQ(d.ImageHeightMemo->text(), QStringLiteral("0.79"));
        EXPECT_TRUE(d.TanniInRB->isChecked());
        EXPECT_TRUE(d.FixedRateCB->isChecked());
        EXPECT_EQ(d.PreviewImage->size(), QSize(200, 100));
        EXPECT_FALSE(d.IPHScrollBar->isHidden());
        d.TanniPixRB->click();
        d.ImageWidthMemo->clear();
        QTest::keyClicks(d.ImageWidthMemo, QStringLiteral("301"));
        d.ImageWidthMemoExit();
        d.FixedRateCB->setChecked(false);
        d.OKBtn->click();
        return d.result();
    });
    const int before = form->ModificationCount;
    form->ImageReduction->trigger();
    EXPECT_EQ(picture->geometry(), QRect(20, 30, 302, 151));
    EXPECT_EQ(form->MeasureUnit, muPixel);
    EXPECT_FALSE(form->KeepImageRatio);
    EXPECT_EQ(form->ModificationCount, before + 1);
    EXPECT_TRUE(form->HasSelection);
    EXPECT_EQ(handleCorner(), QPoint(20 + 302 - 1, 30 + 151 - 1));
}

TEST_F(PictureCommands, OkWithTheSameSizeOrCancelChangeNothing)
{
    TImage *picture = addPicture({20, 30, 200, 100});
    select(picture);
    ScopedScriptedModal modal;
    modal->answerDialog([](QDialog &dialog) {
        auto &d = static_cast<TImageReductionDlg &>(dialog);
        EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("200"));
        d.TanniMmRB->click();
        d.OKBtn->click();
        return d.result();
    });
    const int before = form->ModificationCount;
    form->ImageReductionClick();
    EXPECT_EQ(picture->size(), QSize(200, 100));
    EXPECT_EQ(form->ModificationCount, before);
    EXPECT_EQ(form->MeasureUnit, muMillimetre); // the unit comes back with OK all the same

    modal->answerDialog([](QDialog &dialog) {
        auto &d = static_cast<TImageReductionDlg &>(dialog);
        EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("40.0"));
        d.TanniInRB->click();
        d.FixedRateCB->click();
        d.ImageWidthMemo->clear();
        QTest::keyClicks(d.ImageWidthMemo, QStringLiteral("3"));
        d.CancelBtn->click();
        return d.result();
    });
    form->ImageReductionClick();
    EXPECT_EQ(picture->size(), QSize(200, 100));
    EXPECT_EQ(form->MeasureUnit, muMillimetre);
    EXPECT_TRUE(form->KeepImageRatio);
    EXPECT_EQ(form->ModificationCount, before);
}

TEST_F(PictureCommands, ABackgroundOfAnyProportionsFillsTheCardAndClearingHidesIt)
{
    TImage *picture = addPicture({100, 100, 30, 30});
    form->OtherMenuClick();
    EXPECT_TRUE(form->OtherBGImage->isEnabled());
    EXPECT_FALSE(form->OtherBGImageClear->isEnabled());
    EXPECT_TRUE(form->BGGrid->isEnabled());

    ScopedScriptedModal modal;
    modal->answerFile(path("strip.bmp"));
    form->OtherBGImage->trigger();
    ASSERT_EQ(modal->asked.size(), 1u);
    EXPECT_EQ(modal->asked[0].file.initialDir, form->BackgroundDirectory);
    EXPECT_EQ(modal->asked[0].file.fileName, QStringLiteral("*.bmp"));
    EXPECT_TRUE(modal->asked[0].file.filter.startsWith(QStringLiteral("ビットマップ")));
    EXPECT_TRUE(form->BackgroundPicture->Visible());
    EXPECT_EQ(form->BackgroundPicture->geometry(), QRect(0, 0, 455, 275));
    EXPECT_EQ(form->ModificationCount, 1);
    EXPECT_EQ(form->DrawPanel->children().first(), form->BackgroundPicture);
    // Blue over the whole card (grid lines aside), the picture still above it.
    EXPECT_EQ(panelPixel({454, 274}), qRgb(0, 0, 255));
    EXPECT_EQ(panelPixel({3, 3}), qRgb(0, 0, 255));
    EXPECT_EQ(panelPixel({115, 115}), QColor(Qt::darkCyan).rgb());
    EXPECT_FALSE(picture->isHidden());
    form->OtherMenuClick();
    EXPECT_TRUE(form->OtherBGImageClear->isEnabled());

    // A file that cannot be read keeps the background it had.
    modal->answerFile(path("broken.bmp"));
    modal->answerMessage(IDOK);
    form->BGImageButton->setEnabled(true);
    form->BGImageButton->click();
    EXPECT_EQ(form->BackgroundPicture->Picture().Width(), 40);
    EXPECT_EQ(form->ModificationCount, 1);

    form->OtherBGImageClear->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form->BackgroundPicture->Visible());
    EXPECT_TRUE(form->BackgroundPicture->Picture().Empty());
    EXPECT_EQ(form->BackgroundPicture->geometry(), QRect(0, 0, 455, 275));
    EXPECT_EQ(form->DrawPanel->children().first(), form->BackgroundPicture);
    EXPECT_EQ(form->ModificationCount, 2);
    EXPECT_EQ(panelPixel({3, 3}), qRgb(255, 255, 255));
    form->OtherMenuClick();
    EXPECT_FALSE(form->OtherBGImageClear->isEnabled());
    EXPECT_EQ(form->ObjectList.size(), 1);
}

TEST_F(PictureCommands, WithoutAWorksheetTheMenuOffersNothing)
{
    form->DestroyWorkSheet();
    form->OtherMenuClick();
    EXPECT_FALSE(form->OtherBGImage->isEnabled());
    EXPECT_FALSE(form->OtherBGImageClear->isEnabled());
    EXPECT_FALSE(form->BGGrid->isEnabled());
    ScopedScriptedModal modal;
    form->ChooseBackground(); // a stray command asks nothing
    form->EditGridSettings();
    EXPECT_TRUE(modal->asked.empty());
}

} // namespace
