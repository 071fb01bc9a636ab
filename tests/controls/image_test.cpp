// TImage: defaults, auto-size, stretch, centring, transparency and repainting on picture changes.
#include "controls/image.h"

#include "render_helpers.h"

#include <gtest/gtest.h>

namespace {

// A 2 x 2 bitmap: red, green on top; blue, yellow below.
std::unique_ptr<TBitmap> quadrants()
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.setPixelColor(0, 0, Qt::red);
    img.setPixelColor(1, 0, Qt::green);
    img.setPixelColor(0, 1, Qt::blue);
    img.setPixelColor(1, 1, Qt::yellow);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(img);
    return bitmap;
}

const QColor kBackground(Qt::white);

} // namespace

TEST(Image, Defaults)
{
    TImage image;
    EXPECT_EQ(image.size(), QSize(105, 105));
    EXPECT_FALSE(image.Stretch());
    EXPECT_FALSE(image.AutoSize());
    EXPECT_FALSE(image.Center());
    EXPECT_FALSE(image.Transparent());
    EXPECT_TRUE(image.Picture().Empty());
    EXPECT_EQ(image.Tag(), 0);
    RenderWidget(image); // an empty picture draws nothing and does not fail
}

TEST(Image, AutoSizeTakesThePictureSize)
{
    QWidget panel;
    TImage image(&panel);
    image.SetBounds(7, 8, 50, 60);
    image.Picture().SetGraphic(quadrants());
    EXPECT_EQ(image.geometry(), QRect(7, 8, 50, 60)); // auto-size off: unchanged
    image.SetAutoSize(true);
    EXPECT_EQ(image.geometry(), QRect(7, 8, 2, 2));
    image.SetAutoSize(false);
    image.SetBounds(7, 8, 50, 60);
    image.SetAutoSize(true);
    image.Picture().Clear();
    EXPECT_EQ(image.size(), QSize(2, 2)); // an empty picture leaves the size alone
}

TEST(Image, StretchFillsTheControl)
{
    TImage image;
    image.SetBounds(0, 0, 20, 20);
    image.Picture().SetGraphic(quadrants());
    image.SetStretch(true);
    const QImage img = RenderWidget(image, kBackground);
    EXPECT_EQ(PixelAt(img, 5, 5), QColor(Qt::red));
    EXPECT_EQ(PixelAt(img, 15, 5), QColor(Qt::green));
    EXPECT_EQ(PixelAt(img, 5, 15), QColor(Qt::blue));
    EXPECT_EQ(PixelAt(img, 15, 15), QColor(Qt::yellow));
}

TEST(Image, NaturalSizeAtTheCornerOrCentred)
{
    TImage image;
    image.SetBounds(0, 0, 20, 20);
    image.Picture().SetGraphic(quadrants());
    QImage img = RenderWidget(image, kBackground);
    EXPECT_EQ(PixelAt(img, 0, 0), QColor(Qt::red));
    EXPECT_EQ(PixelAt(img, 1, 1), QColor(Qt::yellow));
    EXPECT_EQ(PixelAt(img, 5, 5), kBackground);

    image.SetCenter(true);
    EXPECT_EQ(image.DestRect(), QRect(9, 9, 2, 2));
    img = RenderWidget(image, kBackground);
    EXPECT_EQ(PixelAt(img, 9, 9), QColor(Qt::red));
    EXPECT_EQ(PixelAt(img, 10, 10), QColor(Qt::yellow));
    EXPECT_EQ(PixelAt(img, 0, 0), kBackground);
}

TEST(Image, TransparentBitmapLeavesItsKeyColourOut)
{
    TImage image;
    image.SetBounds(0, 0, 20, 20);
    image.SetStretch(true);
    image.Picture().SetGraphic(quadrants());
    image.SetTransparent(true);
    const QImage img = RenderWidget(image, kBackground);
    EXPECT_EQ(PixelAt(img, 5, 15), kBackground); // the bottom-left colour, blue
    EXPECT_EQ(PixelAt(img, 5, 5), QColor(Qt::red));
}

TEST(Image, PictureAssignCopiesTheGraphic)
{
    TPicture source;
    source.SetGraphic(quadrants());
    TImage image;
    image.SetAutoSize(true);
    image.SetPicture(source);
    source.Clear();
    EXPECT_EQ(image.Picture().Width(), 2);
    EXPECT_EQ(image.size(), QSize(2, 2));
}

TEST(Image, ScalingScalesTheBounds)
{
    QWidget panel;
    TImage image(&panel);
    image.SetBounds(10, 20, 30, 40);
    image.ChangeScale(3, 2);
    EXPECT_EQ(image.geometry(), QRect(15, 30, 45, 60));
}
