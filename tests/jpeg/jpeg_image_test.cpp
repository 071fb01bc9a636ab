// The JPEG picture class: header-only loading, scaled drawing and its cache, colours, stored data, registry.
#include "jpeg/jpeg_image.h"
#include "jpeg_samples.h"
#include "platform/strings.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Two colours side by side, split at a multiple of 16 so the boundary falls between blocks.
QImage twoColours(int width, int height, int split)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(220, 30, 30));
    QPainter p(&image);
    p.fillRect(split, 0, width - split, height, QColor(30, 40, 210));
    return image;
}

TJPEGImage loaded(const QByteArray &jpeg)
{
    TJPEGImage picture;
    picture.LoadFromBytes(jpeg);
    return picture;
}

QImage drawn(const TGraphic &graphic, QSize canvas, QRect target, qreal ratio = 1.0, qreal scale = 1.0)
{
    QImage image(canvas * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    graphic.Draw(p, target);
    return image;
}

void expectColour(QRgb actual, QColor expected, int tolerance = 10)
{
    EXPECT_NEAR(qRed(actual), expected.red(), tolerance) << std::hex << actual;
    EXPECT_NEAR(qGreen(actual), expected.green(), tolerance) << std::hex << actual;
    EXPECT_NEAR(qBlue(actual), expected.blue(), tolerance) << std::hex << actual;
}

} // namespace

TEST(JpegImage, SizeComesFromTheHeaderWithoutDecoding)
{
    const QByteArray jpeg = EncodeRgbJpeg(twoColours(1600, 1200, 800));
    TJPEGImage picture = loaded(jpeg);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 1600);
    EXPECT_EQ(picture.Height(), 1200);
    EXPECT_EQ(picture.DecodeCount(), 0);
    EXPECT_EQ(picture.FileBytes(), jpeg);

    TJPEGImage stored;
    stored.ReadData(picture.WriteData());
    EXPECT_EQ(stored.Width(), 1600);
    EXPECT_EQ(stored.DecodeCount(), 0);
}

TEST(JpegImage, DrawsAtTheSmallestScaleThatCoversTheTarget)
{
    // Eight times the worksheet's 455 x 275.
    TJPEGImage picture = loaded(EncodeRgbJpeg(twoColours(3640, 2200, 1824)));
    const QRect sheet(0, 0, 455, 275);

    const QImage screen = drawn(picture, sheet.size(), sheet);
    EXPECT_EQ(picture.LastDecodeScale(), 1);
    EXPECT_EQ(picture.DecodeCount(), 1);
    expectColour(screen.pixel(100, 137), QColor(220, 30, 30));
    expectColour(screen.pixel(350, 137), QColor(30, 40, 210));

    // Repainting at the same size takes the cached pixels.
    drawn(picture, sheet.size(), sheet);
    drawn(picture, QSize(500, 300), sheet.translated(20, 10));
    EXPECT_EQ(picture.DecodeCount(), 1);

    // A zoomed painter or a high-density device needs more pixels for the same target.
    drawn(picture, sheet.size(), sheet, 1.0, 2.0);
    EXPECT_EQ(picture.LastDecodeScale(), 2);
    drawn(picture, sheet.size(), sheet, 3.0);
    EXPECT_EQ(picture.LastDecodeScale(), 3);
    EXPECT_EQ(picture.DecodeCount(), 3);
    // A print-sized target (the card at 600 dpi is about 2150 pixels wide).
    drawn(picture, QSize(2150, 1300), QRect(0, 0, 2150, 1300));
    EXPECT_EQ(picture.LastDecodeScale(), 5);
    EXPECT_EQ(picture.DecodeCount(), 4);
    // The two most recent scales stay cached.
    drawn(picture, sheet.size(), sheet, 3.0);
    EXPECT_EQ(picture.DecodeCount(), 4);
    drawn(picture, sheet.size(), sheet);
    EXPECT_EQ(picture.DecodeCount(), 5);
    EXPECT_TRUE(picture.DrawError().isEmpty());
}

TEST(JpegImage, StretchesIntoTheTarget)
{
    TJPEGImage picture = loaded(EncodeRgbJpeg(twoColours(64, 32, 32)));
    // Stretched to 200 x 100 at 50, 50: left half red, right half blue, outside untouched.
    const QImage image = drawn(picture, QSize(300, 200), QRect(50, 50, 200, 100));
    EXPECT_EQ(picture.LastDecodeScale(), 8);
    expectColour(image.pixel(60, 60), QColor(220, 30, 30));
    expectColour(image.pixel(140, 140), QColor(220, 30, 30));
    expectColour(image.pixel(160, 60), QColor(30, 40, 210));
    expectColour(image.pixel(245, 145), QColor(30, 40, 210));
    EXPECT_EQ(image.pixel(45, 60), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(255, 60), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(100, 155), qRgb(255, 255, 255));
}

TEST(JpegImage, ToImageDecodesTheWholePicture)
{
    TJPEGImage picture = loaded(EncodeRgbJpeg(twoColours(320, 48, 160), 95, true));
    const QImage image = picture.ToImage();
    ASSERT_EQ(image.size(), QSize(320, 48));
    EXPECT_EQ(picture.LastDecodeScale(), 8);
    expectColour(image.pixel(10, 10), QColor(220, 30, 30));
    expectColour(image.pixel(150, 40), QColor(220, 30, 30));
    expectColour(image.pixel(170, 5), QColor(30, 40, 210));
    expectColour(image.pixel(319, 47), QColor(30, 40, 210));
    EXPECT_TRUE(TJPEGImage().ToImage().isNull());
}

TEST(JpegImage, GreyscaleAndCmykBecomeRgb)
{
    expectColour(loaded(EncodeGrayJpeg(40, 30, 200)).ToImage().pixel(20, 15), QColor(200, 200, 200), 3);

    // Adobe CMYK is stored inverted: (255, 0, 0, 255) is no cyan, full magenta and yellow, no black.
    const QColor red(255, 0, 0);
    expectColour(loaded(EncodeCmykJpeg(32, 16, {255, 0, 0, 255}, false, true)).ToImage().pixel(5, 5), red);
    expectColour(loaded(EncodeCmykJpeg(32, 16, {255, 0, 0, 255}, true, true)).ToImage().pixel(5, 5), red);
    // Half black over cyan: 0 red, half green and blue.
    expectColour(loaded(EncodeCmykJpeg(32, 16, {0, 255, 255, 128}, false, true)).ToImage().pixel(5, 5),
                 QColor(0, 128, 128));
    // Without the Adobe marker the samples are plain ink amounts.
    expectColour(loaded(EncodeCmykJpeg(32, 16, {0, 255, 255, 0}, false, false)).ToImage().pixel(5, 5), red);

    // Drawn as well, not only converted for the clipboard.
    const TJPEGImage cmyk = loaded(EncodeCmykJpeg(32, 16, {0, 255, 0, 255}, false, true));
    expectColour(drawn(cmyk, QSize(64, 32), QRect(0, 0, 64, 32)).pixel(30, 20), QColor(0, 255, 0));
}

TEST(JpegImage, SizeChangeIsRefused)
{
    TJPEGImage picture = loaded(EncodeGrayJpeg(40, 30, 10));
    try {
        picture.SetSize(80, 60);
        FAIL() << "no exception";
    } catch (const EJPEG &e) {
        EXPECT_EQ(e.message(), QStringLiteral("JPEG イメージのサイズは変更できません"));
    }
    EXPECT_THROW(picture.SetSize(40, 30), VelmoraError);
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(picture.Height(), 30);
}

TEST(JpegImage, StoredDataIsLengthThenTheFileByteForByte)
{
    const QByteArray jpeg = EncodeRgbJpeg(twoColours(48, 24, 16));
    const QByteArray data = loaded(jpeg).WriteData();
    ASSERT_EQ(data.size(), jpeg.size() + 4);
    EXPECT_EQ(qFromLittleEndian<qint32>(data.constData()), jpeg.size());
    EXPECT_EQ(data.mid(4), jpeg);

    TJPEGImage back;
    back.ReadData(data);
    EXPECT_EQ(back.WriteData(), data);
    EXPECT_EQ(back.Width(), 48);

    // A zero length is an empty picture, written back the same way.
    back.ReadData(QByteArray(4, '\0'));
    EXPECT_TRUE(back.Empty());
    EXPECT_EQ(back.Width(), 0);
    EXPECT_EQ(back.WriteData(), QByteArray(4, '\0'));
    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    back.Draw(p, QRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(JpegImage, StoredDataIsBoundsChecked)
{
    const QByteArray data = loaded(EncodeGrayJpeg(16, 16, 90)).WriteData();
    TJPEGImage picture = loaded(EncodeGrayJpeg(24, 8, 90));
    EXPECT_THROW(picture.ReadData(QByteArray("\x01\x00", 2)), EReadError);
    EXPECT_THROW(picture.ReadData(data.left(data.size() - 1)), EReadError);
    QByteArray negative = data;
    negative[3] = char(0x80);
    EXPECT_THROW(picture.ReadData(negative), EReadError);
    QByteArray notJpeg;
    AppendInt32(notJpeg, 5);
    notJpeg.append("hello");
    EXPECT_THROW(picture.ReadData(notJpeg), EJPEG);
    // Each failure left the picture as it was.
    EXPECT_EQ(picture.Width(), 24);
    EXPECT_EQ(picture.Height(), 8);
}
