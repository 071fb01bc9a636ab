// Streaming of TImage: bounds and flags, the background picture's settings, and Picture.Data of every
// graphic class written back byte for byte.
#include "common/picture_samples.h"
#include "controls/card_classes.h"
#include "controls/image.h"
#include "document/component_registry.h"
#include "jpeg/jpeg_image.h"
#include "platform/bytes.h"
#include "platform/metafile.h"
#include "stream_helpers.h"

#include <gtest/gtest.h>

namespace {

QImage gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
    return image;
}

// The graphic's class name as a short string, then its own data.
QByteArray pictureData(const char *className, const QByteArray &graphicData)
{
    return QByteArray(1, char(qstrlen(className))) + className + graphicData;
}

QByteArray lengthPrefixed(const QByteArray &bytes, int extra = 0)
{
    QByteArray out;
    AppendInt32(out, std::int32_t(bytes.size() + extra));
    return out + bytes;
}

class ImageStream : public ::testing::Test
{
protected:
    void SetUp() override { RegisterCardClasses(); }
    QWidget panel;
};

} // namespace

TEST_F(ImageStream, FreshImageWritesItsBoundsOnly)
{
    TImage image;
    EXPECT_EQ(WrittenNames(image), (QStringList{"Left", "Top", "Width", "Height"}));
    EXPECT_EQ(WrittenValue(image, "Height"), StreamValue::Int8(105));
}

TEST_F(ImageStream, BackgroundPictureCarriesStretchDisabledAndHidden)
{
    TImage background(&panel);
    background.SetBounds(0, 0, 455, 275);
    background.SetEnabled(false);
    background.SetAutoSize(false);
    background.SetStretch(true);
    background.SetVisible(false);
    EXPECT_EQ(WrittenNames(background), Names("Left Top Width Height Enabled Stretch Visible"));

    TImage back(&panel);
    ReadComponent(WriteComponent(background), back);
    EXPECT_TRUE(back.Stretch());
    EXPECT_FALSE(back.Enabled());
    EXPECT_TRUE(back.testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(back.isHidden());
    EXPECT_TRUE(back.Picture().Empty());
    EXPECT_EQ(WriteComponent(back), WriteComponent(background));
}

TEST_F(ImageStream, EveryPropertyInDeclaredOrderAndBackByteForByte)
{
    TImage image(&panel);
    image.SetTag(1); // a catch-phrase picture
    image.SetBounds(12, 34, 120, 60);
    image.SetCursor(crHandPoint);
    image.SetHint(QStringLiteral("写真"));
    image.Extras.Align = alLeft;
    image.Extras.Anchors = 1 << akLeft;
    image.SetCenter(true);
    image.Extras.Constraints.MinHeight = 20;
    image.Extras.DragCursor = crNoDrop;
    image.Extras.DragKind = dkDock;
    image.Extras.DragMode = dmAutomatic;
    image.SetEnabled(false);
    image.IncrementalDisplay = true;
    image.Extras.ParentShowHint = false;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(gradient(4, 3));
    image.Picture().SetGraphic(std::move(bitmap));
    image.Extras.PopupMenu = QStringLiteral("PopupMenu");
    image.Extras.ShowHint = true;
    image.SetStretch(true);
    image.SetTransparent(true);
    image.SetVisible(false);
    image.SetAutoSize(true); // written before the picture: the read control takes the picture's size
    EXPECT_EQ(image.geometry(), QRect(12, 34, 4, 3));

    EXPECT_EQ(WrittenNames(image),
              Names("Tag Left Top Width Height Cursor Hint Align Anchors AutoSize Center "
                    "Constraints.MinHeight DragCursor DragKind DragMode Enabled IncrementalDisplay "
                    "ParentShowHint Picture.Data PopupMenu ShowHint Stretch Transparent Visible"));
    const QByteArray bytes = WriteComponent(image);
    TImage back(&panel);
    ReadComponent(bytes, back);
    EXPECT_EQ(back.Tag(), 1);
    EXPECT_EQ(back.geometry(), QRect(12, 34, 4, 3));
    EXPECT_TRUE(back.IncrementalDisplay);
    EXPECT_EQ(back.Extras.Align, alLeft);
    EXPECT_EQ(back.Extras.Anchors, 1 << akLeft);
    EXPECT_EQ(back.Picture().Graphic()->ToImage().pixel(3, 2), gradient(4, 3).pixel(3, 2));
    EXPECT_EQ(WriteComponent(back), bytes);
}

TEST_F(ImageStream, EveryGraphicClassRoundTripsByteForByte)
{
    const QByteArray jpeg = EncodedImage(gradient(40, 30), "JPG");
    const QByteArray ico = EncodedImage(gradient(16, 16), "ICO");
    const QByteArray bmp = EncodedImage(gradient(5, 7), "BMP");
    ASSERT_FALSE(jpeg.isEmpty());
    ASSERT_FALSE(ico.isEmpty());
    const struct
    {
        QByteArray data;
        QString className;
        QSize size;
    } pictures[] = {
        {pictureData("TBitmap", lengthPrefixed(bmp)), "TBitmap", {5, 7}},
        {pictureData("TIcon", ico), "TIcon", {16, 16}},
        {pictureData("TJPEGImage", lengthPrefixed(jpeg)), "TJPEGImage", {40, 30}},
        // A metafile's length counts itself.
        {pictureData("TMetafile", lengthPrefixed(SampleEmf(), 4)), "TMetafile", {100, 50}},
        {pictureData("TMetafile", lengthPrefixed(SampleWmf(), 4)), "TMetafile", {96, 48}},
    };
    for (const auto &picture : pictures) {
        const QByteArray stream = StreamOf(
            "TImage", {Prop("Left", StreamValue::Int8(0)), Prop("Top", StreamValue::Int8(0)),
                       Prop("Width", StreamValue::Int16(455)), Prop("Height", StreamValue::Int16(275)),
                       Prop("Picture.Data", StreamValue::Binary(picture.data)),
                       Prop("Stretch", StreamValue::Bool(true))});
        std::unique_ptr<Streamable> read = ReadComponentCreating(stream, &panel);
        auto *image = dynamic_cast<TImage *>(read.get());
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->parentWidget(), &panel);
        ASSERT_NE(image->Picture().Graphic(), nullptr) << picture.className.toStdString();
        EXPECT_EQ(image->Picture().Graphic()->ClassName(), picture.className);
        EXPECT_EQ(QSize(image->Picture().Width(), image->Picture().Height()), picture.size)
            << picture.className.toStdString();
        EXPECT_EQ(WriteComponent(*image), stream) << picture.className.toStdString();
    }
}

TEST_F(ImageStream, LoadedPicturesAreWrittenAsTheirClassAndFile)
{
    TImage image;
    auto jpeg = std::make_unique<TJPEGImage>();
    const QByteArray jpegFile = EncodedImage(gradient(8, 8), "JPG");
    jpeg->LoadFromBytes(jpegFile);
    image.Picture().SetGraphic(std::move(jpeg));
    EXPECT_EQ(WrittenValue(image, "Picture.Data"),
              StreamValue::Binary(pictureData("TJPEGImage", lengthPrefixed(jpegFile))));

    auto metafile = std::make_unique<TMetafile>();
    metafile->LoadFromBytes(SampleEmf());
    image.Picture().SetGraphic(std::move(metafile));
    EXPECT_EQ(WrittenValue(image, "Picture.Data"),
              StreamValue::Binary(pictureData("TMetafile", lengthPrefixed(SampleEmf(), 4))));

    // A picture holder with an empty graphic still writes it; one without a graphic writes nothing.
    image.Picture().SetGraphic(std::make_unique<TBitmap>());
    EXPECT_EQ(WrittenValue(image, "Picture.Data"),
              StreamValue::Binary(pictureData("TBitmap", lengthPrefixed(QByteArray()))));
    image.Picture().Clear();
    EXPECT_FALSE(WrittenNames(image).contains("Picture.Data"));
}

TEST_F(ImageStream, DamagedPictureDataIsAReadErrorAndKeepsThePicture)
{
    TImage image;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(gradient(3, 3));
    image.Picture().SetGraphic(std::move(bitmap));
    const QByteArray before = WriteComponent(image);

    const QByteArray bmp = EncodedImage(gradient(5, 7), "BMP");
    for (const QByteArray &bad : {QByteArray(), pictureData("TBitmap", lengthPrefixed(bmp).left(30)),
                                  pictureData("TBitmap", lengthPrefixed(QByteArray(40, 'x'))),
                                  pictureData("TJPEGImage", lengthPrefixed(QByteArray(40, 'x'))),
                                  pictureData("TMetafile", lengthPrefixed(QByteArray(60, 'x'), 4))}) {
        const QString error =
            ReadError(StreamOf("TImage", {Prop("Picture.Data", StreamValue::Binary(bad))}), image);
        EXPECT_TRUE(error.startsWith(QStringLiteral("TImage.Picture.Data の読み込みエラー: ")))
            << error.toStdString();
    }
    EXPECT_NE(ReadError(StreamOf("TImage", {Prop("Picture.Data", StreamValue::Text("x"))}), image),
              QStringLiteral("(no error)"));
    EXPECT_EQ(WriteComponent(image), before);
}

TEST_F(ImageStream, ImageSpecificNamesOnly)
{
    TImage image;
    ReadComponent(StreamOf("TImage", {Prop("OnProgress", StreamValue::Ident("ImageProgress"))}), image);
    for (const char *name : {"Caption", "Font.Color", "Gap", "BiDiMode", "ParentColor", "Picture.Bogus"})
        EXPECT_NE(ReadError(StreamOf("TImage", {Prop(name, StreamValue::Int8(1))}), image),
                  QStringLiteral("(no error)"))
            << name;
}
