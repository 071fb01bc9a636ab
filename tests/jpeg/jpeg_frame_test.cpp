// Reading a JPEG's frame from its markers, and which files a PDF can carry unchanged.
#include "jpeg/jpeg_frame.h"
#include "jpeg_samples.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage colourful(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 90));
    return image;
}

std::optional<JpegPassThrough> passThrough(const QByteArray &jpeg)
{
    const std::optional<JpegFrame> frame = ReadJpegFrame(jpeg);
    return frame ? JpegForPassThrough(*frame) : std::nullopt;
}

} // namespace

TEST(JpegFrame, SizeSamplesAndCodingOfTheFilesLibjpegWrites)
{
    const std::optional<JpegFrame> baseline = ReadJpegFrame(EncodeRgbJpeg(colourful(37, 21)));
    ASSERT_TRUE(baseline);
    EXPECT_EQ(baseline->sofMarker, 0xC0);
    EXPECT_EQ(baseline->width, 37);
    EXPECT_EQ(baseline->height, 21);
    EXPECT_EQ(baseline->components, 3);
    EXPECT_EQ(baseline->bitsPerSample, 8);
    EXPECT_FALSE(baseline->arithmetic);
    EXPECT_FALSE(baseline->adobeMarker);

    const std::optional<JpegFrame> progressive = ReadJpegFrame(EncodeRgbJpeg(colourful(16, 9), 90, true));
    ASSERT_TRUE(progressive);
    EXPECT_EQ(progressive->sofMarker, 0xC2);

    const std::optional<JpegFrame> gray = ReadJpegFrame(EncodeGrayJpeg(5, 300, 128));
    ASSERT_TRUE(gray);
    EXPECT_EQ(gray->components, 1);
    EXPECT_EQ(gray->width, 5);
    EXPECT_EQ(gray->height, 300);

    const std::optional<JpegFrame> arithmetic = ReadJpegFrame(EncodeArithmeticJpeg(colourful(16, 16)));
    ASSERT_TRUE(arithmetic);
    EXPECT_TRUE(arithmetic->arithmetic);
}

TEST(JpegFrame, ColoursAsAReaderOfTheBytesMustTakeThem)
{
    const auto rgb = passThrough(EncodeRgbJpeg(colourful(8, 8)));
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->colours, JpegPassThrough::Rgb);
    EXPECT_FALSE(rgb->noColourTransform);

    const auto gray = passThrough(EncodeGrayJpeg(8, 8, 30));
    ASSERT_TRUE(gray);
    EXPECT_EQ(gray->colours, JpegPassThrough::Gray);

    // Adobe's CMYK is stored inverted, whether as CMYK or YCCK; without the marker it is plain.
    for (const bool ycck : {false, true}) {
        const auto adobe = passThrough(EncodeCmykJpeg(8, 8, {10, 20, 30, 40}, ycck, true));
        ASSERT_TRUE(adobe);
        EXPECT_EQ(adobe->colours, JpegPassThrough::Cmyk);
        EXPECT_TRUE(adobe->invertedCmyk) << ycck;
        const std::optional<JpegFrame> frame = ReadJpegFrame(EncodeCmykJpeg(8, 8, {1, 2, 3, 4}, ycck, true));
        EXPECT_EQ(frame->adobeTransform, ycck ? 2 : 0);
    }
    const auto plain = passThrough(EncodeCmykJpeg(8, 8, {10, 20, 30, 40}, false, false));
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->invertedCmyk);

    // Three components named R, G and B hold RGB, not YCbCr; so does an Adobe marker without transform.
    QByteArray named = EncodeRgbJpeg(colourful(8, 8));
    const int sof = FindMarker(named, 0xC0);
    named[sof + 10] = 'R';
    named[sof + 13] = 'G';
    named[sof + 16] = 'B';
    const auto rgbIds = passThrough(named);
    ASSERT_TRUE(rgbIds);
    EXPECT_TRUE(rgbIds->noColourTransform);
    QByteArray adobeRgb = EncodeRgbJpeg(colourful(8, 8));
    const QByteArray app14("\xFF\xEE\x00\x0E"
                           "Adobe\x00\x64\x00\x00\x00\x00\x00",
                           16);
    adobeRgb.insert(2, app14);
    const auto adobe = passThrough(adobeRgb);
    ASSERT_TRUE(adobe);
    EXPECT_TRUE(adobe->noColourTransform);
}

TEST(JpegFrame, FilesAPdfCannotCarryAsTheyAre)
{
    EXPECT_FALSE(passThrough(EncodeArithmeticJpeg(colourful(16, 16))));

    // 12-bit samples, and a lossless frame, written into an ordinary file's frame header.
    QByteArray twelve = EncodeRgbJpeg(colourful(16, 16));
    const int sof = FindMarker(twelve, 0xC0);
    twelve[sof + 4] = 12;
    ASSERT_TRUE(ReadJpegFrame(twelve));
    EXPECT_EQ(ReadJpegFrame(twelve)->bitsPerSample, 12);
    EXPECT_FALSE(passThrough(twelve));
    QByteArray lossless = EncodeRgbJpeg(colourful(16, 16));
    lossless[sof + 1] = char(0xC3);
    EXPECT_FALSE(passThrough(lossless));

    // A height left to a DNL marker.
    QByteArray later = EncodeRgbJpeg(colourful(16, 16));
    later[sof + 5] = later[sof + 6] = 0;
    ASSERT_TRUE(ReadJpegFrame(later));
    EXPECT_FALSE(passThrough(later));

    // A DAC marker (arithmetic conditioning) before the scan marks arithmetic coding too.
    QByteArray dac = EncodeRgbJpeg(colourful(16, 16));
    dac.insert(2, QByteArray("\xFF\xCC\x00\x04\x00\x11", 6));
    EXPECT_TRUE(ReadJpegFrame(dac)->arithmetic);
}

TEST(JpegFrame, DataThatIsNoJpegOrBreaksOffBeforeTheFrame)
{
    EXPECT_FALSE(ReadJpegFrame(QByteArray()));
    EXPECT_FALSE(ReadJpegFrame(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    const QByteArray jpeg = EncodeRgbJpeg(colourful(16, 16));
    const int sof = FindMarker(jpeg, 0xC0);
    // Cut anywhere before the end of the frame header.
    for (int cut = 0; cut < sof + 19; ++cut)
        EXPECT_FALSE(ReadJpegFrame(jpeg.left(cut))) << cut;
    EXPECT_TRUE(ReadJpegFrame(jpeg.left(FindMarker(jpeg, 0xDA) + 4)));
    // A segment length running past the end, or below its own two bytes.
    QByteArray longSegment = jpeg;
    longSegment[4] = char(0x7F);
    EXPECT_FALSE(ReadJpegFrame(longSegment));
    QByteArray shortSegment = jpeg;
    shortSegment[4] = 0;
    shortSegment[5] = 1;
    EXPECT_FALSE(ReadJpegFrame(shortSegment));
    // A scan without a frame before it.
    QByteArray noFrame = jpeg;
    noFrame[sof + 1] = char(0xE5);
    EXPECT_FALSE(ReadJpegFrame(noFrame));
    // A frame whose component list is cut short by its own length.
    QByteArray fewComponents = jpeg;
    fewComponents[sof + 9] = char(40);
    EXPECT_FALSE(ReadJpegFrame(fewComponents));
}

TEST(JpegFrame, OnlyFilesThatRunToTheirEndAreComplete)
{
    // Noise, so the coded data is long and holds stuffed zero bytes.
    QImage noise(64, 48, QImage::Format_RGB32);
    quint32 seed = 7;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setPixel(x, y, seed >> 8);
        }
    const QByteArray jpeg = EncodeRgbJpeg(noise);
    ASSERT_TRUE(jpeg.contains(QByteArray("\xFF\x00", 2)));
    EXPECT_TRUE(JpegStructureComplete(jpeg));
    EXPECT_TRUE(JpegStructureComplete(EncodeRgbJpeg(noise, 90, true)));
    EXPECT_TRUE(JpegStructureComplete(EncodeGrayJpeg(5, 300, 128)));
    EXPECT_TRUE(JpegStructureComplete(EncodeCmykJpeg(8, 8, {1, 2, 3, 4}, false, true)));
    // Bytes after the end, as some cameras and editors leave them.
    EXPECT_TRUE(JpegStructureComplete(jpeg + QByteArray(100, '\x00')));
    // A restart marker in the coded data belongs to it.
    QByteArray restart = jpeg;
    restart.insert(FindMarker(jpeg, 0xDA) + 40, QByteArray("\xFF\xD3", 2));
    EXPECT_TRUE(JpegStructureComplete(restart));

    // Cut anywhere, the end marker included.
    for (int cut = 0; cut < jpeg.size(); ++cut)
        ASSERT_FALSE(JpegStructureComplete(jpeg.left(cut))) << cut;
    const QByteArray progressive = EncodeRgbJpeg(noise, 90, true);
    for (int scan = 1; FindMarker(progressive, 0xDA, scan) > 0; ++scan)
        EXPECT_FALSE(JpegStructureComplete(progressive.left(FindMarker(progressive, 0xDA, scan)))) << scan;

    // No scan before the end.
    const int sos = FindMarker(jpeg, 0xDA);
    EXPECT_FALSE(JpegStructureComplete(jpeg.left(sos) + QByteArray("\xFF\xD9", 2)));
    // A scan over a component the frame does not have.
    QByteArray strangeComponent = jpeg;
    strangeComponent[sos + 5] = char(0x77);
    EXPECT_FALSE(JpegStructureComplete(strangeComponent));
    // The luminance quantisation table never defined: libjpeg writes one table per segment.
    QByteArray noTable = jpeg;
    const int dqt = FindMarker(jpeg, 0xDB);
    ASSERT_EQ(noTable[dqt + 4] & 0x0F, 0);
    noTable[dqt + 4] = char(2);
    EXPECT_FALSE(JpegStructureComplete(noTable));
    // A second frame.
    const int sof = FindMarker(jpeg, 0xC0);
    const int sofLength = (uchar(jpeg[sof + 2]) << 8) | uchar(jpeg[sof + 3]);
    QByteArray twoFrames = jpeg;
    twoFrames.insert(sos, jpeg.mid(sof, sofLength + 2));
    EXPECT_FALSE(JpegStructureComplete(twoFrames));
}
