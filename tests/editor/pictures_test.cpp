// The picture and catch-phrase tools: the dialog they open and the picture they place at the press.
#include "editor_fixture.h"

#include "common/scripted_modal.h"
#include "controls/graphic_classes.h"
#include "platform/picture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

class Pictures : public EditorFixture
{
protected:
    void SetUp() override
    {
        RegisterGraphicClasses();
        EditorFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        QImage image(100, 50, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("logo.bmp"))));
        QFile broken(dir.filePath(QStringLiteral("broken.bmp")));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM not a bitmap at all");
    }

    QTemporaryDir dir;
};

TEST_F(Pictures, PictureToolPlacesTheChosenFileAtThePress)
{
    ScopedScriptedModal modal;
    modal->answerFile(dir.filePath(QStringLiteral("logo.bmp")));
    const QString startDir = form->PictureDirectory;
    form->imageButton->click();
    click({23, 37});
    ASSERT_EQ(modal->asked.size(), 1u);
    const FileDialogRequest &request = modal->asked[0].file;
    EXPECT_EQ(request.initialDir, startDir);
    EXPECT_EQ(request.fileName, QStringLiteral("*.bmp"));
    EXPECT_TRUE(request.filter.startsWith(QStringLiteral("ビットマップ (*.bmp)|*.bmp|JPEG")));
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *picture = dynamic_cast<TImage *>(form->ObjectList[0]);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(20, 40, 100, 50));
    EXPECT_EQ(picture->Tag(), 0);
    EXPECT_TRUE(picture->Stretch());
    EXPECT_FALSE(picture->AutoSize());
    EXPECT_EQ(picture->Cursor(), crHandPoint);
    EXPECT_EQ(form->ModificationCount, 1);
    EXPECT_EQ(form->PictureDirectory, dir.path());
    EXPECT_FALSE(form->PictureToolOn);
    EXPECT_TRUE(form->PointButton->isChecked());
    EXPECT_FALSE(form->HasSelection);

    // It moves and resizes like any picture, keeping its 2 : 1 ratio.
    form->SnapToGrid = false;
    click(inside(picture, 50, 25));
    const QPoint handle = centre(form->SelectionHandles[hBottomRight]);
    press(handle);
    move(handle + QPoint(60, 10));
    release(handle + QPoint(60, 10));
    EXPECT_EQ(picture->size(), QSize(120, 60));
}

TEST_F(Pictures, CatchPhraseToolOffersJpegFirstAndKeepsThePictureFolder)
{
    ScopedScriptedModal modal;
    modal->answerFile(dir.filePath(QStringLiteral("logo.bmp")));
    const QString pictureDir = form->PictureDirectory;
    form->CFButton->click();
    click({100, 100});
    ASSERT_EQ(modal->asked.size(), 1u);
    const FileDialogRequest &request = modal->asked[0].file;
    EXPECT_EQ(request.initialDir, form->CatchPhraseDirectory);
    EXPECT_EQ(request.fileName, QStringLiteral("*.jpg"));
    EXPECT_TRUE(request.filter.startsWith(QStringLiteral("JPEG (*.jpg, *.jpeg)|*.jpg;*.jpeg|ビットマップ")));
    ASSERT_EQ(form->ObjectList.size(), 1);
    EXPECT_EQ(static_cast<TImage *>(form->ObjectList[0])->Tag(), 1);
    EXPECT_EQ(form->PictureDirectory, pictureDir);
    EXPECT_FALSE(form->CatchPhraseToolOn);
}

TEST_F(Pictures, CancelledOrUnreadableFileAddsNothingAndReturnsToThePointer)
{
    ScopedScriptedModal modal;
    modal->answerFile(std::nullopt);
    form->imageButton->click();
    click({23, 37});
    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_FALSE(form->PictureToolOn);
    EXPECT_TRUE(form->PointButton->isChecked());

    modal->answerFile(dir.filePath(QStringLiteral("broken.bmp")));
    modal->answerMessage(IDOK);
    const int children = form->DrawPanel->children().size();
    form->imageButton->click();
    click({23, 37});
    EXPECT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_EQ(form->DrawPanel->children().size(), children);
    EXPECT_FALSE(form->PictureToolOn);
    EXPECT_EQ(form->ModificationCount, 0);
    EXPECT_NE(form->PictureDirectory, dir.path());
}

} // namespace
