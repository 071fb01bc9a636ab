// The document's pixel budget: claims are refused once what is held leaves no room, and given back.
#include "common/picture_samples.h"
#include "platform/errors.h"
#include "platform/memory_budget.h"
#include "platform/picture.h"
#include "platform/strings.h"

#include <QBuffer>
#include <climits>
#include <gtest/gtest.h>
#include <limits>

TEST(PixelBudget, ChargesAddUpAndAreGivenBackWithTheirLastHandle)
{
    ASSERT_EQ(PixelBudgetInUse(), 0);
    PixelChargeHandle a = ChargePixelBudget(DocumentPixelBudgetBytes / 2);
    ASSERT_TRUE(a);
    PixelChargeHandle copy = a; // a copied picture shares its pixels
    EXPECT_EQ(PixelBudgetInUse(), DocumentPixelBudgetBytes / 2);
    EXPECT_FALSE(ChargePixelBudget(DocumentPixelBudgetBytes / 2 + 1));
    PixelChargeHandle b = ChargePixelBudget(DocumentPixelBudgetBytes / 2);
    ASSERT_TRUE(b);
    EXPECT_EQ(PixelBudgetLeft(), 0);
    a.reset();
    EXPECT_EQ(PixelBudgetInUse(), DocumentPixelBudgetBytes);
    copy.reset();
    b.reset();
    EXPECT_EQ(PixelBudgetInUse(), 0);
    EXPECT_EQ(PixelBytes(-5, 10), 0);
    EXPECT_EQ(PixelBytes(65500, 65500), 65500LL * 65500 * 4);
    EXPECT_EQ(PixelBytes(1LL << 40, 1LL << 40), std::numeric_limits<qint64>::max());
    EXPECT_FALSE(ChargePixelBudget(PixelBytes(INT_MAX, INT_MAX)));
}

namespace {

// A BMP header claiming `width` x `height` 32-bit pixels, with no pixels after it.
QByteArray bmpClaiming(int width, int height)
{
    QImage small(2, 2, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray bmp = EncodedImage(small, "BMP");
    auto put = [&](int at, qint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put(18, width);
    put(22, height);
    return bmp;
}

} // namespace

TEST(PixelBudget, BitmapsClaimingMoreThanTheBudgetAreRefusedBeforeDecoding)
{
    TBitmap bitmap;
    try {
        bitmap.LoadFromBytes(bmpClaiming(30000, 30000));
        FAIL() << "loaded";
    } catch (const EInvalidGraphic &e) {
        EXPECT_EQ(e.message(), LoadStr(Str::PictureTooLarge).arg(30000).arg(30000));
    }
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(PixelBudgetInUse(), 0);

    // A real one is charged while it lives, once however often it is copied.
    QImage photo(100, 50, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    {
        TBitmap real;
        real.LoadFromBytes(EncodedImage(photo, "BMP"));
        EXPECT_EQ(PixelBudgetInUse(), PixelBytes(100, 50));
        std::unique_ptr<TGraphic> copy = real.Clone();
        EXPECT_EQ(PixelBudgetInUse(), PixelBytes(100, 50));
    }
    EXPECT_EQ(PixelBudgetInUse(), 0);
}

TEST(PixelBudget, TheSamePictureFileReadAgainSharesItsPixelsAndItsCharge)
{
    // More than half the budget: an undo step or a pasted copy reads it again while the card holds it.
    QImage large(5200, 5000, QImage::Format_Grayscale8);
    large.fill(200);
    const QByteArray file = EncodedImage(large, "PNG");
    const qint64 converted = PixelBytes(5200, 5000);
    ASSERT_GT(converted, DocumentPixelBudgetBytes / 2);
    {
        TPngImage first;
        first.LoadFromBytes(file);
        EXPECT_EQ(PixelBudgetInUse(), converted);
        TPngImage again;
        again.LoadFromBytes(QByteArray(file.constData(), file.size())); // a buffer of its own
        EXPECT_EQ(PixelBudgetInUse(), converted);
        EXPECT_EQ(again.ToImage().constBits(), first.ToImage().constBits());
        EXPECT_EQ(again.ToImage().format(), QImage::Format_ARGB32_Premultiplied);

        // Another file of the same size is another picture, and there is no room for it.
        QImage other = large;
        other.setPixel(0, 0, 7);
        TPngImage third;
        EXPECT_THROW(third.LoadFromBytes(EncodedImage(other, "PNG")), EInvalidGraphic);
        EXPECT_TRUE(third.Empty());

        // The pixels stay while any holder is left.
        first = TPngImage();
        EXPECT_EQ(PixelBudgetInUse(), converted);
        EXPECT_EQ(again.Width(), 5200);
    }
    EXPECT_EQ(PixelBudgetInUse(), 0);

    // Files that differ decode apart, however small and alike.
    QImage red(3, 3, QImage::Format_RGB32), blue(3, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    TBitmap redBitmap, blueBitmap;
    redBitmap.LoadFromBytes(EncodedImage(red, "BMP"));
    blueBitmap.LoadFromBytes(EncodedImage(blue, "BMP"));
    EXPECT_EQ(redBitmap.ToImage().pixel(1, 1), QColor(Qt::red).rgb());
    EXPECT_EQ(blueBitmap.ToImage().pixel(1, 1), QColor(Qt::blue).rgb());
    EXPECT_EQ(PixelBudgetInUse(), 2 * redBitmap.ToImage().sizeInBytes());
}
