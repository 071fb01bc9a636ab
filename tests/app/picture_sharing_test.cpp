// A photo's bytes are held once: the file read, the undo history's records, the picture and every card
// copy (export, printing, the preview's cells, the wizard's preview) share one buffer, and copies draw
// with what the original has decoded.
#include "app/unit3.h"
#include "common/picture_samples.h"
#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/image.h"
#include "document/zrd_format.h"
#include "editor/drawpanel.h"
#include "jpeg/jpeg_image.h"
#include "layout/card_copy.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::yellow);
    return EncodedImage(image, "JPG");
}

QByteArray storedJpeg(const QByteArray &jpeg)
{
    return QByteArray("\x0aTJPEGImage") + ZrdInt32(qint32(jpeg.size())) + jpeg;
}

bool inside(const QByteArray &part, const QByteArray &whole)
{
    return part.constData() >= whole.constData() &&
           part.constData() + part.size() <= whole.constData() + whole.size();
}

QByteArray bytesOf(const TImage &image)
{
    return image.Picture().Graphic()->FileBytes();
}

std::vector<TImage *> picturesOn(const QWidget &panel)
{
    std::vector<TImage *> pictures;
    for (QObject *child : panel.children())
        if (auto *picture = dynamic_cast<TImage *>(child))
            pictures.push_back(picture);
    return pictures;
}

class PictureSharing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TForm3 author;
        author.RebuildWorkSheet(455, 275);
        author.BackgroundPicture->Picture().ReadData(storedJpeg(photo(910, 550)));
        auto *picture = new TImage(author.DrawPanel);
        picture->Picture().ReadData(storedJpeg(photo(800, 400)));
        picture->SetStretch(true);
        picture->SetBounds(300, 20, 60, 40);
        author.AttachCardObject(picture);
        auto *label = new TLabelEx(author.DrawPanel);
        label->SetCaption(QStringLiteral("山田 太郎"));
        label->SetBounds(20, 200, 120, 20);
        author.AttachCardObject(label);
        author.SaveDocument(path);
        ASSERT_EQ(form.LoadDocument(path), 0);
        ASSERT_EQ(form.ObjectList.size(), 2);
        background = form.BackgroundPicture;
        picture_ = dynamic_cast<TImage *>(form.ObjectList[0]);
        ASSERT_NE(picture_, nullptr);
    }

    // The payload of the present undo state under `tag`.
    QByteArray presentPayload(std::int32_t tag) const
    {
        for (const ZrdRecord &record : form.History().Present().document.records)
            if (record.tag == tag)
                return record.payload;
        return {};
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("photo.zrd"));
    TForm3 form;
    TImage *background = nullptr;
    TImage *picture_ = nullptr;
};

TEST_F(PictureSharing, ALoadedPhotoIsOneBufferFromTheDocumentToEveryCardCopy)
{
    const QByteArray backgroundBytes = bytesOf(*background);
    const QByteArray pictureBytes = bytesOf(*picture_);
    // The document as undo keeps it holds the very bytes the pictures show.
    EXPECT_TRUE(inside(backgroundBytes, presentPayload(ZrdTag::Background)));
    EXPECT_TRUE(inside(pictureBytes, presentPayload(ZrdTag::Picture)));

    // The copy that export, printing and the preview make, scaled as printing scales it.
    CardCopyOptions printing;
    printing.widenLabels = true;
    std::unique_ptr<TPanel> copy = ComposeCardCopy(*background, form.ObjectList, form.WorkSheetWidthPx,
                                                   form.WorkSheetHeightPx, printing);
    ScaleCardCopy(*copy, 600, 127);
    const std::vector<TImage *> copies = picturesOn(*copy);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(bytesOf(*copies[0]).constData(), backgroundBytes.constData());
    EXPECT_EQ(bytesOf(*copies[1]).constData(), pictureBytes.constData());
    // Each of the preview's cells copies the copy.
    TPanel cell;
    TGraphicControl *cellPicture = CopyCardObject(*copies[1], &cell);
    EXPECT_EQ(bytesOf(*static_cast<TImage *>(cellPicture)).constData(), pictureBytes.constData());
    EXPECT_EQ(cellPicture->geometry(), copies[1]->geometry());

    // A change elsewhere keeps the picture's record where it was; undoing it reads the picture back out
    // of the same buffer.
    form.ObjectList[1]->move(40, 210);
    form.NoteModified();
    form.FlushUndoStep();
    ASSERT_EQ(form.History().UndoCount(), 1u);
    EXPECT_TRUE(inside(pictureBytes, presentPayload(ZrdTag::Picture)));
    form.EditUndoClick();
    const auto *restored = dynamic_cast<TImage *>(form.ObjectList[0]);
    ASSERT_NE(restored, nullptr);
    EXPECT_NE(restored, picture_);
    EXPECT_EQ(bytesOf(*restored).constData(), pictureBytes.constData());
    EXPECT_EQ(bytesOf(*form.BackgroundPicture).constData(), backgroundBytes.constData());
}

TEST_F(PictureSharing, TheWizardPreviewShowsPicturesOutOfTheTemplateFile)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::unique_ptr<TPanel> preview = ComposeTemplatePreview(bytes);
    ASSERT_NE(preview, nullptr);
    const std::vector<TImage *> pictures = picturesOn(*preview);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(bytesOf(*pictures[0]), bytesOf(*background));
    EXPECT_EQ(bytesOf(*pictures[1]), bytesOf(*picture_));
    for (const TImage *picture : pictures)
        EXPECT_TRUE(inside(bytesOf(*picture), bytes));
}

// A copy draws with the original's decode where the scale is the same, and decodes a new scale for
// itself without filling the original's cache.
TEST_F(PictureSharing, CopiesDrawWithTheDecodesTheOriginalMade)
{
    QImage worksheet(form.DrawPanel->size(), QImage::Format_RGB32);
    {
        QPainter painter(&worksheet);
        form.DrawPanel->render(&painter);
    }
    const auto *original = dynamic_cast<const TJPEGImage *>(picture_->Picture().Graphic());
    ASSERT_NE(original, nullptr);
    ASSERT_EQ(original->DecodeCount(), 1);
    const int worksheetScale = original->LastDecodeScale();

    std::unique_ptr<TPanel> copy =
        ComposeCardCopy(*background, form.ObjectList, form.WorkSheetWidthPx, form.WorkSheetHeightPx);
    const auto *copied = dynamic_cast<const TJPEGImage *>(picturesOn(*copy)[1]->Picture().Graphic());
    ASSERT_NE(copied, nullptr);
    // It arrives with the original's decode, and drawing at the same scale decodes nothing more.
    EXPECT_EQ(copied->DecodeCount(), 1);
    EXPECT_EQ(copied->LastDecodeScale(), worksheetScale);
    QImage card(copy->size(), QImage::Format_RGB32);
    {
        QPainter painter(&card);
        copy->render(&painter);
    }
    EXPECT_EQ(copied->DecodeCount(), 1);
    EXPECT_EQ(card.pixelColor(305, 40), worksheet.pixelColor(305, 40));

    ScaleCardCopy(*copy, 600, 127);
    QImage printed(copy->size(), QImage::Format_RGB32);
    {
        QPainter painter(&printed);
        copy->render(&painter);
    }
    EXPECT_EQ(copied->DecodeCount(), 2);
    EXPECT_GT(copied->LastDecodeScale(), worksheetScale);
    EXPECT_EQ(original->DecodeCount(), 1);
    EXPECT_EQ(original->LastDecodeScale(), worksheetScale);
}

} // namespace
