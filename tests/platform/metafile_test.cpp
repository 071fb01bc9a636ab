// Metafile pictures: sizes from EMF and placeable WMF headers, drawing, stored data, damaged files.
#include "common/picture_samples.h"
#include "platform/errors.h"
#include "platform/metafile.h"

#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

TMetafile loaded(const QByteArray &bytes)
{
    TMetafile m;
    m.LoadFromBytes(bytes);
    return m;
}

QImage drawn(const TGraphic &graphic, QSize canvas, QRect target)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    graphic.Draw(p, target);
    return image;
}

bool isRed(QRgb c)
{
    return qRed(c) > 220 && qGreen(c) < 40 && qBlue(c) < 40;
}

constexpr QRgb PlaceholderFill = 0xFFD8D8D8;

// The sample EMF with `text` (UTF-16) put at the end of its header, and the header's description
// count and offset set as given.
QByteArray emfWithDescription(const QString &text, std::uint32_t count, std::uint32_t offset)
{
    QByteArray emf = SampleEmf();
    const QByteArray description(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    emf.insert(108, description);
    qToLittleEndian<std::uint32_t>(std::uint32_t(108 + description.size()), emf.data() + 4);
    qToLittleEndian<std::uint32_t>(std::uint32_t(emf.size()), emf.data() + 48);
    qToLittleEndian<std::uint32_t>(count, emf.data() + 60);
    qToLittleEndian<std::uint32_t>(offset, emf.data() + 64);
    return emf;
}

} // namespace

TEST(Metafile, EmfSizeFromTheFrameAtScreenResolution)
{
    const TMetafile emf = loaded(SampleEmf());
    EXPECT_TRUE(emf.Enhanced());
    EXPECT_EQ(emf.MMWidth(), 2646);
    EXPECT_EQ(emf.MMHeight(), 1323);
    EXPECT_EQ(emf.Width(), 100);
    EXPECT_EQ(emf.Height(), 50);

    // An empty frame falls back to the bounds at the reference device's resolution
    // (99 pixels of a 1920-pixel, 508-mm screen are 26.19 mm, so 99 pixels at 96 dpi).
    EmfSize noFrame;
    noFrame.frameRight = noFrame.frameBottom = 0;
    const TMetafile fallback = loaded(SampleEmf(noFrame));
    EXPECT_EQ(fallback.MMWidth(), 2619);
    EXPECT_EQ(fallback.Width(), 99);
    EXPECT_EQ(fallback.Height(), 49);
}

TEST(Metafile, WmfSizeFromThePlaceableBox)
{
    const TMetafile wmf = loaded(SampleWmf());
    EXPECT_FALSE(wmf.Enhanced());
    EXPECT_EQ(wmf.Width(), 96);
    EXPECT_EQ(wmf.Height(), 48);
    EXPECT_EQ(wmf.MMWidth(), 2540);
    EXPECT_EQ(wmf.MMHeight(), 1270);
}

TEST(Metafile, DrawsEmfStretchedIntoTheTarget)
{
    const TMetafile emf = loaded(SampleEmf());
    ASSERT_TRUE(emf.Drawable());
    // Twice the size at 20, 20: the rectangle (10..60 x 10..40) lands near 40..140 x 40..100.
    const QImage image = drawn(emf, QSize(260, 160), QRect(20, 20, 200, 100));
    EXPECT_TRUE(isRed(image.pixel(90, 70))) << std::hex << image.pixel(90, 70);
    EXPECT_TRUE(isRed(image.pixel(50, 50)));
    EXPECT_TRUE(isRed(image.pixel(130, 92)));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(180, 70), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(250, 150), qRgb(255, 255, 255));

    const QImage own = emf.ToImage();
    EXPECT_EQ(own.size(), QSize(100, 50));
    EXPECT_TRUE(isRed(own.pixel(35, 25)));
    EXPECT_EQ(qAlpha(own.pixel(80, 45)), 0);
}

TEST(Metafile, DrawsWmfWithItsPlaceableBoxFillingTheTarget)
{
    const TMetafile wmf = loaded(SampleWmf());
    ASSERT_TRUE(wmf.Drawable());
    // The rectangle covers 100..1000 x 100..500 of the 1440 x 720 box.
    const QImage image = drawn(wmf, QSize(192, 96), QRect(0, 0, 192, 96));
    EXPECT_TRUE(isRed(image.pixel(70, 40))) << std::hex << image.pixel(70, 40);
    EXPECT_TRUE(isRed(image.pixel(20, 20)));
    EXPECT_TRUE(isRed(image.pixel(128, 62)));
    EXPECT_EQ(image.pixel(6, 6), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(150, 40), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(70, 80), qRgb(255, 255, 255));
}

TEST(Metafile, StoredDataIsALengthCountingItselfThenTheFile)
{
    for (const QByteArray &file : {SampleEmf(), SampleWmf()}) {
        const TMetafile m = loaded(file);
        const QByteArray data = m.WriteData();
        ASSERT_EQ(data.size(), file.size() + 4);
        EXPECT_EQ(qFromLittleEndian<qint32>(data.constData()), file.size() + 4);
        EXPECT_EQ(data.mid(4), file);

        TMetafile back;
        back.ReadData(data);
        EXPECT_EQ(back.FileBytes(), file);
        EXPECT_EQ(back.WriteData(), data);
        EXPECT_EQ(back.Width(), m.Width());

        // A length of the file alone, as other writers store it, reads the same file.
        QByteArray plain;
        AppendInt32(plain, qint32(file.size()));
        plain.append(file);
        back.ReadData(plain);
        EXPECT_EQ(back.FileBytes(), file);
    }
}

TEST(Metafile, EmptyAndBadStoredData)
{
    TMetafile m = loaded(SampleEmf());
    m.ReadData(QByteArray(4, '\0'));
    EXPECT_TRUE(m.Empty());
    EXPECT_EQ(m.Width(), 0);
    EXPECT_EQ(m.WriteData(), QByteArray(4, '\0'));
    m.ReadData(QByteArray("\x04\x00\x00\x00", 4));
    EXPECT_TRUE(m.Empty());
    m.ReadData(QByteArray());
    EXPECT_TRUE(m.Empty());

    m = loaded(SampleWmf());
    const QByteArray good = m.WriteData();
    EXPECT_THROW(m.ReadData(QByteArray("\x10\x00", 2)), EReadError);
    EXPECT_THROW(m.ReadData(good.left(good.size() - 5)), EReadError);
    QByteArray negative = good;
    negative[3] = char(0xFF);
    EXPECT_THROW(m.ReadData(negative), EReadError);
    QByteArray notMetafile;
    AppendInt32(notMetafile, 4 + 60);
    notMetafile.append(QByteArray(60, 'x'));
    EXPECT_THROW(m.ReadData(notMetafile), EInvalidGraphic);
    EXPECT_EQ(m.WriteData(), good);
}

TEST(Metafile, GarbageIsRefusedAndDamagedRecordsDrawAPlaceholder)
{
    // A record of a type beyond the known ones is skipped when drawn, and passes quietly.
    QByteArray unknownType = SampleEmf();
    qToLittleEndian<std::uint32_t>(300, unknownType.data() + 108);
    testing::internal::CaptureStderr();
    for (const QByteArray &good : {SampleEmf(), SampleWmf(), unknownType})
        EXPECT_TRUE(MetafileRecordsIntact(good, *ParseMetafileHeader(good)));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    TMetafile m;
    EXPECT_THROW(m.LoadFromBytes(QByteArray(300, 'x')), EInvalidGraphic);
    EXPECT_THROW(m.LoadFromBytes(SampleEmf().left(60)), EInvalidGraphic);
    EXPECT_THROW(m.LoadFromBytes(SampleWmf().left(30)), EInvalidGraphic);
    EXPECT_TRUE(m.Empty());

    QByteArray hugeRecord = SampleEmf();
    qToLittleEndian<std::uint32_t>(0x7FFFFFF0, hugeRecord.data() + 108 + 4);
    QByteArray oddRecord = SampleEmf();
    qToLittleEndian<std::uint32_t>(23, oddRecord.data() + 108 + 4);
    QByteArray shortWmfRecord = SampleWmf();
    qToLittleEndian<std::uint32_t>(1, shortWmfRecord.data() + 40);
    for (const QByteArray &damaged :
         {SampleEmf().left(150), hugeRecord, oddRecord, SampleWmf().left(60), shortWmfRecord}) {
        const TMetafile broken = loaded(damaged);
        EXPECT_FALSE(MetafileRecordsIntact(damaged, *ParseMetafileHeader(damaged)));
        EXPECT_FALSE(broken.Drawable());
        EXPECT_EQ(drawn(broken, QSize(60, 40), QRect(0, 0, 60, 40)).pixel(30, 10), PlaceholderFill);
        // Kept byte for byte all the same.
        EXPECT_EQ(broken.FileBytes(), damaged);
        EXPECT_EQ(broken.WriteData().mid(4), damaged);
    }
}

TEST(Metafile, TheHeadersDescriptionIsReadInsideTheFileOnly)
{
    // Application name and title, counted or (0) read up to their terminators; the long one ends
    // nearer the end of the file than its length, as the converter reads the title.
    const QString shortOne = QStringLiteral("App") + QChar(0) + QStringLiteral("Ti") + QChar(0) + QChar(0);
    const QString longOne = QString(50, u'A') + QChar(0) + u'T' + QChar(0) + QChar(0);
    for (const QByteArray &sound :
         {emfWithDescription(shortOne, std::uint32_t(shortOne.size()), 108),
          emfWithDescription(shortOne, 0, 108), emfWithDescription(longOne, 0, 108)}) {
        const TMetafile emf = loaded(sound);
        EXPECT_TRUE(emf.Drawable());
        EXPECT_TRUE(isRed(drawn(emf, QSize(100, 50), QRect(0, 0, 100, 50)).pixel(35, 25)));
    }
    // Pointing at the end of the file or past the header: refused, drawn as a placeholder.
    const auto count = std::uint32_t(longOne.size());
    const auto end = std::uint32_t(emfWithDescription(longOne, 0, 0).size());
    for (const QByteArray &damaged :
         {emfWithDescription(longOne, 0, end), emfWithDescription(longOne, 0, 0xFFFFFFF0),
          emfWithDescription(longOne, count + 1, 108), emfWithDescription(longOne, 0x80000000, 108)}) {
        const TMetafile broken = loaded(damaged);
        EXPECT_FALSE(broken.Drawable());
        EXPECT_EQ(drawn(broken, QSize(60, 40), QRect(0, 0, 60, 40)).pixel(30, 10), PlaceholderFill);
    }
}

TEST(Metafile, EveryCorruptedByteLoadsOrFailsCleanly)
{
    for (const QByteArray &file : {SampleEmf(), SampleWmf()}) {
        int drawnCount = 0;
        for (int at = 0; at < file.size(); ++at)
            for (const char value : {'\x00', '\x7F', '\xFF'}) {
                QByteArray damaged = file;
                damaged[at] = value;
                TMetafile m;
                try {
                    m.LoadFromBytes(damaged);
                } catch (const EInvalidGraphic &) {
                    continue;
                }
                drawn(m, QSize(50, 30), QRect(0, 0, 50, 30));
                ++drawnCount;
            }
        EXPECT_GT(drawnCount, file.size());
    }
}

TEST(Metafile, SizeChangeKeepsTheFile)
{
    TMetafile emf = loaded(SampleEmf());
    emf.SetSize(200, 80);
    EXPECT_EQ(emf.Width(), 200);
    EXPECT_EQ(emf.Height(), 80);
    EXPECT_EQ(emf.MMWidth(), 5292);
    EXPECT_EQ(emf.FileBytes(), SampleEmf());
    TMetafile wmf = loaded(SampleWmf());
    wmf.SetSize(48, 96);
    EXPECT_EQ(wmf.Width(), 48);
    EXPECT_EQ(wmf.Height(), 96);
    EXPECT_TRUE(isRed(wmf.ToImage().pixel(20, 40)));
}
