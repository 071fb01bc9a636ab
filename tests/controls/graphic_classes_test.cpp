// The graphic classes registered together: by class name in stored pictures and by file extension.
#include "common/picture_samples.h"
#include "controls/graphic_classes.h"
#include "jpeg/jpeg_image.h"
#include "jpeg/jpeg_samples.h"
#include "platform/bytes.h"
#include "platform/metafile.h"
#include "platform/picture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TMetafile loaded(const QByteArray &bytes)
{
    TMetafile m;
    m.LoadFromBytes(bytes);
    return m;
}

} // namespace

TEST(GraphicClasses, RegistryFindsClassesByNameAndExtension)
{
    RegisterGraphicClasses();
    EXPECT_EQ(CreateGraphicByClassName(QStringLiteral("TBitmap"))->ClassName(), QStringLiteral("TBitmap"));
    EXPECT_EQ(CreateGraphicForExtension(QStringLiteral("BMP"))->ClassName(), QStringLiteral("TBitmap"));
    EXPECT_EQ(CreateGraphicForExtension(QStringLiteral("ico"))->ClassName(), QStringLiteral("TIcon"));
    EXPECT_EQ(CreateGraphicForExtension(QStringLiteral("txt")), nullptr);
    EXPECT_EQ(CreateGraphicByClassName(QStringLiteral("TNoSuchGraphic")), nullptr);
    EXPECT_TRUE(GraphicFileFilter().contains(QStringLiteral("*.bmp")));
}

TEST(GraphicClasses, MetafileRegisteredForEmfAndWmf)
{
    RegisterGraphicClasses();
    RegisterGraphicClasses(); // harmless a second time
    for (const char *ext : {"emf", "EMF", "wmf", "Wmf"}) {
        const auto graphic = CreateGraphicForExtension(QString::fromLatin1(ext));
        ASSERT_NE(graphic, nullptr) << ext;
        EXPECT_EQ(graphic->ClassName(), QStringLiteral("TMetafile"));
    }
    const QString filter = GraphicFileFilter();
    EXPECT_TRUE(filter.contains(QStringLiteral("拡張メタファイル (*.emf)|*.emf")));
    EXPECT_TRUE(filter.contains(QStringLiteral("メタファイル (*.wmf)|*.wmf")));

    const TMetafile emf = loaded(SampleEmf());
    QByteArray data;
    data.append(char(9)).append("TMetafile").append(emf.WriteData());
    TPicture picture;
    picture.ReadData(data);
    EXPECT_EQ(picture.Width(), 100);
    EXPECT_EQ(picture.WriteData(), data);
}

TEST(GraphicClasses, JpegStoredInPictureDataByClassName)
{
    RegisterGraphicClasses();
    const QByteArray jpeg = EncodeGrayJpeg(30, 20, 60);
    QByteArray data;
    data.append(char(10));
    data.append("TJPEGImage");
    AppendInt32(data, qint32(jpeg.size()));
    data.append(jpeg);

    TPicture picture;
    picture.ReadData(data);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->ClassName(), QStringLiteral("TJPEGImage"));
    EXPECT_EQ(picture.Width(), 30);
    EXPECT_EQ(picture.WriteData(), data);

    TPicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.WriteData(), data);
}

TEST(GraphicClasses, JpegRegisteredForJpgAndJpegInAnyCase)
{
    RegisterGraphicClasses();
    RegisterGraphicClasses();
    for (const char *ext : {"jpg", "JPG", "jpeg", "Jpeg"}) {
        const auto graphic = CreateGraphicForExtension(QString::fromLatin1(ext));
        ASSERT_NE(graphic, nullptr) << ext;
        EXPECT_EQ(graphic->ClassName(), QStringLiteral("TJPEGImage"));
    }
    const QString filter = GraphicFileFilter();
    EXPECT_TRUE(filter.contains(QStringLiteral("JPEG イメージファイル (*.jpg)|*.jpg")))
        << filter.toStdString();
    EXPECT_EQ(filter.count(QStringLiteral("(*.jpeg)")), 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.JPG"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeGrayJpeg(33, 22, 128));
    file.close();
    TPicture picture;
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.Width(), 33);
    EXPECT_EQ(picture.Graphic()->ClassName(), QStringLiteral("TJPEGImage"));
}
