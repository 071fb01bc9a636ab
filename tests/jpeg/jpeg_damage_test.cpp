// Damaged, hostile and oversized JPEG data: clear errors or partial pictures, never a crash.
#include "jpeg/jpeg_image.h"
#include "jpeg_samples.h"
#include "platform/memory_budget.h"
#include "platform/strings.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

QImage solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QString codecError(int code)
{
    return QStringLiteral("JPEG エラー #%1").arg(code);
}

// Rewrites the frame size in the first SOF marker (baseline or progressive).
QByteArray withFrameSize(QByteArray jpeg, int width, int height)
{
    int sof = FindMarker(jpeg, 0xC0);
    if (sof < 0)
        sof = FindMarker(jpeg, 0xC2);
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

QString expectLoadError(const QByteArray &bytes)
{
    TJPEGImage picture;
    try {
        picture.LoadFromBytes(bytes);
    } catch (const EJPEG &e) {
        EXPECT_TRUE(picture.Empty());
        return e.message();
    }
    ADD_FAILURE() << "loaded";
    return {};
}

QImage drawnAt(const TJPEGImage &picture, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    picture.Draw(p, image.rect());
    return image;
}

} // namespace

TEST(JpegDamage, GarbageIsACodecErrorWithItsNumber)
{
    EXPECT_EQ(JpegErrorMessage(42), QStringLiteral("JPEG エラー #42"));
    EXPECT_EQ(expectLoadError(QByteArray("this is not a picture")), codecError(JERR_NO_SOI));
    EXPECT_EQ(expectLoadError(QByteArray()), codecError(JERR_INPUT_EMPTY));
    // A start-of-image marker and nothing after it.
    const QString truncatedHeader = expectLoadError(QByteArray("\xFF\xD8\xFF", 3));
    EXPECT_TRUE(truncatedHeader.startsWith(QStringLiteral("JPEG エラー #"))) << truncatedHeader.toStdString();

    // A failed load leaves the former picture.
    TJPEGImage picture;
    picture.LoadFromBytes(EncodeGrayJpeg(20, 10, 0));
    EXPECT_THROW(picture.LoadFromBytes(QByteArray(100, 'x')), EJPEG);
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_NEAR(qRed(picture.ToImage().pixel(3, 3)), 0, 3);
}

TEST(JpegDamage, TruncatedFileShowsWhatWasDecodedAndGreyForTheRest)
{
    const QByteArray whole = EncodeRgbJpeg(solid(256, 256, QColor(200, 20, 20)), 90);
    for (const bool viaDraw : {false, true}) {
        TJPEGImage picture;
        picture.LoadFromBytes(whole.left(whole.size() / 2));
        EXPECT_EQ(picture.Width(), 256);
        const QImage image = viaDraw ? drawnAt(picture, 256, 256) : picture.ToImage();
        ASSERT_EQ(image.size(), QSize(256, 256));
        EXPECT_NEAR(qRed(image.pixel(128, 4)), 200, 10);
        EXPECT_NEAR(qGreen(image.pixel(128, 4)), 20, 10);
        EXPECT_EQ(image.pixel(128, 250), qRgb(128, 128, 128));
        EXPECT_TRUE(picture.DrawError().isEmpty());
    }
}

TEST(JpegDamage, ScanDataCutAfterTheHeaderIsGrey)
{
    const QByteArray whole = EncodeGrayJpeg(64, 64, 10);
    const int sos = FindMarker(whole, 0xDA);
    TJPEGImage picture;
    picture.LoadFromBytes(whole.left(sos + 14));
    EXPECT_EQ(picture.ToImage().pixel(32, 60), qRgb(128, 128, 128));
}

TEST(JpegDamage, FailureAfterTheHeaderDrawsAPlaceholderAndToImageThrows)
{
    // A progressive file carries a Huffman table before each later scan; damage the one before the
    // second scan, which the header reader never reaches.
    QByteArray jpeg = EncodeRgbJpeg(solid(64, 64, QColor(10, 200, 10)), 90, true);
    const int secondScan = FindMarker(jpeg, 0xDA, 1);
    int table = -1;
    for (int n = 0, at; (at = FindMarker(jpeg, 0xC4, n)) >= 0 && at < secondScan; ++n)
        table = at;
    ASSERT_GT(table, FindMarker(jpeg, 0xDA, 0));
    jpeg[table + 4] = char(0x7F); // table class and index out of range

    TJPEGImage picture;
    picture.LoadFromBytes(jpeg);
    EXPECT_EQ(picture.Width(), 64);
    const QImage image = drawnAt(picture, 64, 64);
    EXPECT_EQ(picture.DrawError(), codecError(JERR_DHT_INDEX));
    EXPECT_EQ(image.pixel(32, 20), qRgb(0xD8, 0xD8, 0xD8)); // the placeholder's fill
    // The failure is remembered, not decoded again on every repaint.
    drawnAt(picture, 64, 64);
    EXPECT_EQ(picture.DecodeCount(), 1);
    try {
        picture.ToImage();
        FAIL() << "no exception";
    } catch (const EJPEG &e) {
        EXPECT_EQ(e.message(), codecError(JERR_DHT_INDEX));
    }
}

TEST(JpegDamage, OversizedPicturesAreRefusedBeforeAllocating)
{
    // 20000 x 20000 claimed by a tiny file: the size is reported, a full decode is refused.
    TJPEGImage picture;
    picture.LoadFromBytes(withFrameSize(EncodeGrayJpeg(16, 16, 50), 20000, 20000));
    EXPECT_EQ(picture.Width(), 20000);
    EXPECT_EQ(picture.Height(), 20000);
    try {
        picture.ToImage();
        FAIL() << "no exception";
    } catch (const EJPEG &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("20000 × 20000"))) << e.message().toStdString();
    }
    // Beyond the format's own limit of 65500 pixels.
    EXPECT_EQ(expectLoadError(withFrameSize(EncodeGrayJpeg(16, 16, 50), 65535, 16)),
              codecError(JERR_IMAGE_TOO_BIG));
}

TEST(JpegDamage, ProgressiveBombStopsAtTheWorkMemoryLimit)
{
    // A progressive file keeps coefficients for the whole image: 30000 x 30000 would need gigabytes
    // even when drawn small.
    TJPEGImage picture;
    picture.LoadFromBytes(withFrameSize(EncodeRgbJpeg(solid(16, 16, Qt::gray), 90, true), 30000, 30000));
    drawnAt(picture, 60, 60);
    EXPECT_EQ(picture.LastDecodeScale(), 1);
    EXPECT_EQ(picture.DrawError(), codecError(JERR_NO_BACKING_STORE));
}

TEST(JpegDamage, EndlessScansAreCut)
{
    // The last scan repeated 1100 times: each repeat is only a warning for libjpeg, but every scan
    // is a pass over the image.
    const QByteArray jpeg = EncodeRgbJpeg(solid(64, 64, Qt::darkGreen), 90, true);
    int lastScan = -1;
    for (int n = 0, at; (at = FindMarker(jpeg, 0xDA, n)) >= 0; ++n)
        lastScan = at;
    const QByteArray scan = jpeg.mid(lastScan, jpeg.size() - 2 - lastScan);
    QByteArray many = jpeg.left(jpeg.size() - 2);
    for (int i = 0; i < 1100; ++i)
        many.append(scan);
    many.append("\xFF\xD9", 2);

    TJPEGImage picture;
    picture.LoadFromBytes(many);
    drawnAt(picture, 64, 64);
    EXPECT_TRUE(picture.DrawError().contains(QStringLiteral("1000 scans")))
        << picture.DrawError().toStdString();
    EXPECT_THROW(picture.ToImage(), EJPEG);
}

TEST(JpegDamage, HugeClaimsOfManyPicturesCostNothingBeyondTheDocumentsBudget)
{
    // Eight records of 1 KB, each claiming 65500 x 65500: even an eighth is 8188 x 8188 (268 MB).
    const QByteArray claim = withFrameSize(EncodeGrayJpeg(16, 16, 50), 65500, 65500);
    std::vector<TJPEGImage> pictures(8);
    for (TJPEGImage &picture : pictures) {
        picture.LoadFromBytes(claim);
        drawnAt(picture, 60, 40);
        EXPECT_EQ(picture.DrawError(), LoadStr(Str::PictureTooLarge).arg(65500).arg(65500));
        EXPECT_EQ(picture.DecodeCount(), 0);
    }
    EXPECT_EQ(PixelBudgetInUse(), 0);
}

TEST(JpegDamage, PicturesThatFitAloneShareOneBudgetAndGetRoomBackWhenOthersGo)
{
    // 16384 x 16384 decodes at an eighth to 2048 x 2048: 16 MB each, twelve of them fill the budget.
    const QByteArray claim = withFrameSize(EncodeGrayJpeg(16, 16, 50), 16384, 16384);
    const qint64 each = PixelBytes(2048, 2048);
    ASSERT_EQ(DocumentPixelBudgetBytes / each, 12);
    std::vector<std::unique_ptr<TJPEGImage>> pictures;
    for (int i = 0; i < 13; ++i) {
        pictures.push_back(std::make_unique<TJPEGImage>());
        pictures.back()->LoadFromBytes(claim);
        drawnAt(*pictures.back(), 60, 60);
    }
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(pictures[i]->DrawError().isEmpty()) << i;
    EXPECT_FALSE(pictures[12]->DrawError().isEmpty());
    EXPECT_EQ(PixelBudgetInUse(), 12 * each);
    pictures.erase(pictures.begin());
    drawnAt(*pictures.back(), 60, 60);
    EXPECT_TRUE(pictures.back()->DrawError().isEmpty());
    pictures.clear();
    EXPECT_EQ(PixelBudgetInUse(), 0);
}
