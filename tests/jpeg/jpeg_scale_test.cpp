// Choice of the decode scale for a target size, and the limits against decompression bombs.
#include "jpeg/jpeg_decode.h"
#include "jpeg/jpeg_scale.h"
#include "jpeg_samples.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(JpegScale, SmallestScaleThatCoversTheTarget)
{
    // A 12-megapixel photo on the 455 x 275 worksheet needs only an eighth.
    EXPECT_EQ(JpegScaleForTarget(4000, 3000, 455, 275), 1);
    // The same photo on a card printed at 600 dpi (about 2150 pixels wide): 2000 is too small, 2500 is not.
    EXPECT_EQ(JpegScaleForTarget(4000, 3000, 2150, 1300), 5);
    // Exactly an eighth covers; one pixel more needs the next scale.
    EXPECT_EQ(JpegScaleForTarget(3640, 2200, 455, 275), 1);
    EXPECT_EQ(JpegScaleForTarget(3640, 2200, 456, 275), 2);
    EXPECT_EQ(JpegScaleForTarget(3640, 2200, 455, 276), 2);
    // Output sizes round up, so 1001 pixels give 126 at an eighth.
    EXPECT_EQ(JpegScaleForTarget(1001, 1001, 126, 126), 1);
    EXPECT_EQ(JpegScaleForTarget(1001, 1001, 127, 126), 2);
    // A picture smaller than its target is decoded whole and stretched.
    EXPECT_EQ(JpegScaleForTarget(100, 80, 455, 275), 8);
    EXPECT_EQ(JpegScaleForTarget(100, 80, 0, 0), 1);
}

TEST(JpegScale, ScaledSizesAreWhatLibjpegProduces)
{
    QImage image(1001, 777, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QByteArray jpeg = EncodeRgbJpeg(image);
    const auto *data = reinterpret_cast<const unsigned char *>(jpeg.constData());
    for (int eighths = 1; eighths <= 8; ++eighths) {
        VJpegInfo info;
        unsigned char *pixels = nullptr;
        ASSERT_EQ(
            vjpeg_decode(data, std::size_t(jpeg.size()), eighths, VJPEG_MAX_WORK_MEMORY, &info, &pixels),
            VJPEG_OK);
        std::free(pixels);
        EXPECT_EQ(info.width, vjpeg_scaled_size(1001, eighths)) << eighths;
        EXPECT_EQ(info.height, vjpeg_scaled_size(777, eighths)) << eighths;
    }
    EXPECT_EQ(vjpeg_scaled_size(1001, 1), 126);
    EXPECT_EQ(vjpeg_scaled_size(777, 3), 292);
}

TEST(JpegScale, LimitsAgainstDecompressionBombs)
{
    EXPECT_TRUE(JpegDecodeSizeAllowed(16384, 16384));
    EXPECT_FALSE(JpegDecodeSizeAllowed(16385, 10));
    EXPECT_FALSE(JpegDecodeSizeAllowed(10, 16385));
    EXPECT_FALSE(JpegDecodeSizeAllowed(0, 10));
    // A full-size decode of a 20000-pixel square is refused; three quarters (15000) fit.
    EXPECT_EQ(JpegLargestAllowedScale(20000, 20000, 8), 6);
    EXPECT_EQ(JpegLargestAllowedScale(20000, 20000, 2), 2);
    // The largest JPEG there is still decodes at an eighth.
    EXPECT_EQ(JpegLargestAllowedScale(65500, 65500, 8), 2);
    EXPECT_EQ(JpegLargestAllowedScale(4000, 3000, 8), 8);
}
