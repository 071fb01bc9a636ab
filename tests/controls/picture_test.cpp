// Pictures: the class registry, stored data of bitmaps and icons and how it is shared, damaged data,
// scaling of controls.
#include "common/picture_samples.h"
#include "controls/graphic_classes.h"
#include "jpeg/jpeg_samples.h"
#include "platform/errors.h"
#include "platform/metafile.h"
#include "platform/picture.h"
#include "platform/scaling.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QImage twoColourImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(w / 2, 0, w - w / 2, h, Qt::blue);
    return image;
}

class Pictures : public ::testing::Test
{
protected:
    void SetUp() override { RegisterGraphicClasses(); }
};

TEST_F(Pictures, BitmapDataIsLengthThenTheUnchangedFile)
{
    const QByteArray bmp = EncodedImage(twoColourImage(6, 4), "BMP");
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    QByteArray data;
    data.append(char(7)).append("TBitmap");
    AppendInt32(data, qint32(bmp.size()));
    data.append(bmp);
    picture.ReadData(data);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
    EXPECT_EQ(picture.WriteData(), data);
    EXPECT_EQ(picture.Graphic()->ToImage().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(picture.Graphic()->ToImage().pixelColor(5, 3), QColor(Qt::blue));
}

TEST_F(Pictures, IconDataIsTheWholeIcoFile)
{
    const QByteArray ico = EncodedImage(twoColourImage(16, 16), "ICO");
    ASSERT_FALSE(ico.isEmpty());
    QByteArray data;
    data.append(char(5)).append("TIcon").append(ico);
    TPicture picture;
    picture.ReadData(data);
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.WriteData(), data);
    EXPECT_THROW(picture.Graphic()->SetSize(8, 8), VelmoraError);
}

TEST_F(Pictures, DamagedDataIsRefusedAndLeavesThePictureAsItWas)
{
    const QByteArray bmp = EncodedImage(twoColourImage(6, 4), "BMP");
    TPicture picture;
    QByteArray good;
    good.append(char(7)).append("TBitmap");
    AppendInt32(good, qint32(bmp.size()));
    good.append(bmp);
    picture.ReadData(good);

    QByteArray lengthTooBig = good;
    lengthTooBig[11] = char(0x7F); // length now claims far more than there is
    QByteArray nameTooLong;
    nameTooLong.append(char(200)).append("TBitmap");
    QByteArray garbage;
    garbage.append(char(7)).append("TBitmap");
    AppendInt32(garbage, 10);
    garbage.append("0123456789");
    for (const QByteArray &bad : {QByteArray(), lengthTooBig, nameTooLong, garbage}) {
        EXPECT_THROW(picture.ReadData(bad), VelmoraError);
        EXPECT_EQ(picture.Width(), 6);
    }

    // A graphic class this program does not know gives an empty picture, as the class library does.
    QByteArray unknownClass;
    unknownClass.append(char(11)).append("TPngObject");
    AppendInt32(unknownClass, 4);
    unknownClass.append("\x89PNG");
    picture.ReadData(unknownClass);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_TRUE(picture.WriteData().isEmpty());
}

TEST_F(Pictures, LoadFromFileChoosesTheClassByExtension)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Photo.BMP"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodedImage(twoColourImage(10, 5), "BMP"));
    file.close();
    TPicture picture;
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.Graphic()->ClassName(), QStringLiteral("TBitmap"));
    EXPECT_EQ(picture.Width(), 10);
    EXPECT_THROW(picture.LoadFromFile(dir.filePath(QStringLiteral("x.xyz"))), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile(dir.filePath(QStringLiteral("missing.bmp"))), EFileError);
    EXPECT_EQ(picture.Width(), 10);
}

TEST_F(Pictures, BitmapFromImageIsStoredAsBmp)
{
    TBitmap bitmap;
    bitmap.SetImage(twoColourImage(3, 2));
    EXPECT_TRUE(bitmap.FileBytes().startsWith("BM"));
    TBitmap copy;
    copy.ReadData(bitmap.WriteData());
    EXPECT_EQ(copy.ToImage().pixelColor(2, 1), QColor(Qt::blue));
}

TEST(Scaling, ChildrenScaleFromTheirEdges)
{
    QWidget parent;
    parent.resize(200, 100);
    auto *a = new QWidget(&parent);
    a->setGeometry(10, 10, 15, 15);
    auto *b = new QWidget(&parent);
    b->setGeometry(25, 10, 15, 15); // abuts a
    ScaleBy(&parent, 3, 2);
    EXPECT_EQ(parent.size(), QSize(300, 150));
    EXPECT_EQ(a->geometry(), QRect(15, 15, 23, 23));
    EXPECT_EQ(b->x(), a->x() + a->width()); // still abutting after rounding
}

TEST(Scaling, ScaleAwareControlsScaleThemselves)
{
    struct Aware : QWidget, ScaleAware
    {
        using QWidget::QWidget;
        int m = 0, d = 0;
        void ChangeScale(int mm, int dd) override { m = mm, d = dd; }
    };
    QWidget parent;
    auto *child = new Aware(&parent);
    child->setGeometry(1, 2, 3, 4);
    ScaleBy(&parent, 600, 96);
    EXPECT_EQ(child->m, 600);
    EXPECT_EQ(child->d, 96);
    EXPECT_EQ(child->geometry(), QRect(1, 2, 3, 4));
}

TEST_F(Pictures, PngDataIsClassNameLengthThenTheFileAndKeepsItsAlpha)
{
    QImage logo(8, 4, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    logo.setPixelColor(1, 1, QColor(255, 0, 0, 255));
    logo.setPixelColor(2, 1, QColor(0, 0, 255, 100));
    const QByteArray png = EncodedImage(logo, "PNG");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("logo.PNG")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(png);
    file.close();

    TPicture picture;
    picture.LoadFromFile(file.fileName());
    ASSERT_EQ(picture.Graphic()->ClassName(), QStringLiteral("TPngImage"));
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 4);
    const QByteArray data = picture.WriteData();
    EXPECT_EQ(data, QByteArray("\x09TPngImage") + LengthPrefixed(png));

    TPicture reread;
    reread.ReadData(data);
    EXPECT_EQ(reread.WriteData(), data);
    const QImage image = reread.Graphic()->ToImage();
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_NEAR(image.pixelColor(2, 1).alpha(), 100, 1);

    // Drawn over a colour, the transparent parts show it.
    QImage canvas(16, 8, QImage::Format_RGB32);
    canvas.fill(QColor(0, 128, 0));
    {
        QPainter p(&canvas);
        reread.Graphic()->Draw(p, QRect(0, 0, 8, 4));
    }
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_EQ(canvas.pixelColor(12, 6), QColor(0, 128, 0));

    EXPECT_THROW(reread.Graphic()->SetSize(4, 4), EInvalidGraphic);
    TPicture empty;
    empty.ReadData(QByteArray("\x09TPngImage") + LengthPrefixed({}));
    EXPECT_TRUE(empty.Empty());
    EXPECT_THROW(empty.ReadData(QByteArray("\x09TPngImage") + LengthPrefixed("\x89PNG\r\n\x1a\n broken")),
                 EInvalidGraphic);
    EXPECT_THROW(empty.ReadData(QByteArray("\x09TPngImage\x05\x00\x00\x00PN", 16)), EReadError);
    EXPECT_TRUE(GraphicFileFilter().contains(QStringLiteral("*.png")));
}

} // namespace

namespace {

QByteArray storedPicture(const char *className, const QByteArray &data)
{
    return QByteArray(1, char(qstrlen(className))) + className + data;
}

// A metafile's data: a length that counts its own four bytes, then the file.
QByteArray lengthCountingItself(const QByteArray &file)
{
    QByteArray out;
    AppendInt32(out, qint32(file.size() + 4));
    return out + file;
}

// A picture's bytes lie in the stored data it was read from, and writing gives that data back: nothing
// is copied on the way into a picture or out of it.
TEST_F(Pictures, StoredDataIsReadAndWrittenBackWithoutACopy)
{
    const QImage image = twoColourImage(12, 8);
    const QByteArray samples[] = {
        storedPicture("TBitmap", LengthPrefixed(EncodedImage(image, "BMP"))),
        storedPicture("TIcon", EncodedImage(twoColourImage(16, 16), "ICO")),
        storedPicture("TPngImage", LengthPrefixed(EncodedImage(image, "PNG"))),
        storedPicture("TJPEGImage", LengthPrefixed(EncodeRgbJpeg(image))),
        storedPicture("TMetafile", lengthCountingItself(SampleEmf())),
    };
    for (const QByteArray &data : samples) {
        TPicture picture;
        picture.ReadData(data);
        ASSERT_NE(picture.Graphic(), nullptr);
        const QByteArray file = picture.Graphic()->FileBytes();
        EXPECT_EQ(file.constData(), data.constData() + data.size() - file.size()) << data.mid(1, 9).data();
        const QByteArray written = picture.WriteData();
        EXPECT_EQ(written, data);
        EXPECT_EQ(written.constData(), data.constData());

        TPicture copy;
        copy.Assign(picture);
        EXPECT_EQ(copy.Graphic()->FileBytes().constData(), file.constData());
        EXPECT_EQ(copy.WriteData().constData(), data.constData());
    }
}

// Data that is not in the form writing gives (bytes after the file, a metafile length that does not
// count itself) is written in that form, as before; a bitmap changed after reading writes its new bytes.
TEST_F(Pictures, DataWrittenIsAlwaysTheCurrentPictureInItsOwnForm)
{
    const QByteArray bmp = EncodedImage(twoColourImage(6, 4), "BMP");
    TPicture trailing;
    trailing.ReadData(storedPicture("TBitmap", LengthPrefixed(bmp) + "tail"));
    EXPECT_EQ(trailing.WriteData(), storedPicture("TBitmap", LengthPrefixed(bmp)));

    QByteArray metafileAlone;
    AppendInt32(metafileAlone, qint32(SampleEmf().size()));
    TPicture metafile;
    metafile.ReadData(storedPicture("TMetafile", metafileAlone + SampleEmf()));
    EXPECT_EQ(metafile.WriteData(), storedPicture("TMetafile", lengthCountingItself(SampleEmf())));

    TPicture resized;
    resized.ReadData(storedPicture("TBitmap", LengthPrefixed(bmp)));
    resized.Graphic()->SetSize(20, 10);
    const QByteArray written = resized.WriteData();
    TPicture reread;
    reread.ReadData(written);
    EXPECT_EQ(reread.Width(), 20);
    EXPECT_EQ(reread.Height(), 10);
    EXPECT_EQ(written, storedPicture("TBitmap", LengthPrefixed(resized.Graphic()->FileBytes())));
}

// A picture loaded from a file is held once: after the first write, its bytes are those of the stored
// form, which later writes give back unchanged.
TEST_F(Pictures, APictureFileIsHeldOnceOnceWritten)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("photo.jpg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray jpeg = EncodeRgbJpeg(twoColourImage(40, 30));
    file.write(jpeg);
    file.close();

    TPicture picture;
    picture.LoadFromFile(file.fileName());
    const QByteArray first = picture.WriteData();
    EXPECT_EQ(first, storedPicture("TJPEGImage", LengthPrefixed(jpeg)));
    EXPECT_EQ(picture.Graphic()->FileBytes().constData(), first.constData() + first.size() - jpeg.size());
    EXPECT_EQ(picture.WriteData().constData(), first.constData());
    EXPECT_EQ(picture.Graphic()->FileBytes(), jpeg);
}

} // namespace
