// The card image of an export and the pictures on it share the document's pixel budget.
#include "controls/image.h"
#include "controls/qvshape.h"
#include "layout/card_copy.h"
#include "platform/broken_picture.h"
#include "platform/errors.h"
#include "platform/memory_budget.h"
#include "platform/strings.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QByteArray storedBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    QByteArray stored("\x07TBitmap");
    for (int i = 0; i < 4; ++i)
        stored.append(char((bmp.size() >> (8 * i)) & 0xFF));
    return stored + bmp;
}

} // namespace

TEST(CardImageBudget, AnImageBeyondTheBudgetIsRefusedWithItsSizeBeforeAnythingIsDrawn)
{
    TImage background;
    // 3000 x 3000 worksheet pixels at 381 dpi: 9000 x 9000, 308.99 MiB.
    try {
        RenderCardImage(background, {}, 3000, 3000, 381);
        FAIL() << "rendered";
    } catch (const EInvalidGraphic &e) {
        EXPECT_EQ(e.message(), LoadStr(Str::CardImageTooLarge)
                                   .arg(9000)
                                   .arg(9000)
                                   .arg(309) // MB, rounded up
                                   .arg(DocumentPixelBudgetBytes >> 20));
    }
    EXPECT_EQ(PixelBudgetInUse(), 0);
    // The same card at the worksheet's resolution is drawn.
    EXPECT_EQ(RenderCardImage(background, {}, 3000, 3000, 127).size(), QSize(3000, 3000));
    EXPECT_EQ(PixelBudgetInUse(), 0);
}

TEST(CardImageBudget, PicturesDrawnAsPlaceholdersAreNamedInTheRecord)
{
    TImage background;
    background.setEnabled(false);
    TImage picture;
    picture.Picture().ReadData(storedBitmap(20, 10));
    picture.SetBounds(30, 40, 20, 10);
    TQVShape shape;
    {
        const UndrawablePictures record;
        RenderCardImage(background, {&picture, &shape}, 455, 275, 127);
        EXPECT_TRUE(record.List().isEmpty());
    }
    // Without a record nothing is kept; with one, a placeholder is named by its place on the card.
    NoteUndrawablePicture(QStringLiteral("nobody listens"));
    const UndrawablePictures record;
    NoteUndrawablePicture(QStringLiteral("first"));
    NoteUndrawablePicture(QStringLiteral("first"));
    EXPECT_EQ(record.List(), QStringList{QStringLiteral("first")});
    EXPECT_EQ(picture.Describe(),
              LoadStr(Str::PicturePlace).arg(LoadStr(Str::PictureName)).arg(30).arg(40).arg(20).arg(10));
    EXPECT_TRUE(background.Describe().startsWith(LoadStr(Str::BackgroundPictureName)));
}
