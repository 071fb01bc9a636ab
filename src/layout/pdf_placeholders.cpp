// Placeholders for JPEG pictures in a PDF and their replacement by the JPEG files, through qpdf.
// Debian 12's qpdf headers do not compile as C++20 with clang 14 (JSON.hh destroys a vector of its own
// still incomplete class), so this file alone is built as C++17 and is the only one to include them.
#include "layout/pdf_pictures.h"

#include "platform/errors.h"

#include <exception>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

constexpr int PlaceholderWidth = 8, PlaceholderHeight = 2;

// The placeholder's samples as a PDF holds them: RGB, row by row.
QByteArray placeholderSamples(int index)
{
    QByteArray samples("Velmora JPEG picture placeholder #");
    for (int shift = 24; shift >= 0; shift -= 8)
        samples.append(char((index >> shift) & 0xFF));
    samples.append(PlaceholderWidth * PlaceholderHeight * 3 - samples.size(), char(0x5A));
    return samples;
}

// qpdf's output goes straight to the file. A failed write ends the writing (the sink knows why).
struct OutputFailed
{};

class SinkPipeline : public Pipeline
{
public:
    explicit SinkPipeline(const FileChunkSink &write) : Pipeline("velmora output", nullptr), write_(write) {}
    void write(unsigned char const *data, size_t length) override
    {
        if (!write_(reinterpret_cast<const char *>(data), qint64(length)))
            throw OutputFailed{};
    }
    void finish() override {}

private:
    const FileChunkSink &write_;
};

QPDFObjectHandle colourSpace(JpegPassThrough::Colours colours)
{
    switch (colours) {
    case JpegPassThrough::Gray:
        return QPDFObjectHandle::newName("/DeviceGray");
    case JpegPassThrough::Cmyk:
        return QPDFObjectHandle::newName("/DeviceCMYK");
    case JpegPassThrough::Rgb:
        break;
    }
    return QPDFObjectHandle::newName("/DeviceRGB");
}

// The picture whose placeholder `stream` is, or -1.
int placeholderIndex(QPDFObjectHandle stream, int count)
{
    if (!stream.isImage())
        return -1;
    QPDFObjectHandle dict = stream.getDict();
    QPDFObjectHandle width = dict.getKey("/Width"), height = dict.getKey("/Height");
    if (!width.isInteger() || width.getIntValue() != PlaceholderWidth || !height.isInteger() ||
        height.getIntValue() != PlaceholderHeight)
        return -1;
    const std::shared_ptr<Buffer> data = stream.getStreamData(qpdf_dl_generalized);
    const QByteArray samples = QByteArray::fromRawData(reinterpret_cast<const char *>(data->getBuffer()),
                                                       qsizetype(data->getSize()));
    for (int i = 0; i < count; ++i)
        if (samples == placeholderSamples(i))
            return i;
    return -1;
}

void becomeJpeg(QPDFObjectHandle stream, const PdfJpegPicture &picture)
{
    QPDFObjectHandle dict = stream.getDict();
    const JpegPassThrough &image = picture.image;
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(image.width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(image.height));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    dict.replaceKey("/ColorSpace", colourSpace(image.colours));
    dict.removeKey("/SMask");
    dict.removeKey("/Mask");
    if (image.invertedCmyk) {
        std::vector<QPDFObjectHandle> decode;
        for (int i = 0; i < 4; ++i) {
            decode.push_back(QPDFObjectHandle::newInteger(1));
            decode.push_back(QPDFObjectHandle::newInteger(0));
        }
        dict.replaceKey("/Decode", QPDFObjectHandle::newArray(decode));
    } else {
        dict.removeKey("/Decode");
    }
    QPDFObjectHandle parms = QPDFObjectHandle::newNull();
    if (image.noColourTransform) {
        parms = QPDFObjectHandle::newDictionary();
        parms.replaceKey("/ColorTransform", QPDFObjectHandle::newInteger(0));
    }
    // The file's bytes are handed over when the PDF is written; nothing is copied before.
    const QByteArray file = picture.file;
    stream.replaceStreamData(
        [file](Pipeline *pipeline) {
            pipeline->write(reinterpret_cast<const unsigned char *>(file.constData()), size_t(file.size()));
            pipeline->finish();
        },
        QPDFObjectHandle::newName("/DCTDecode"), parms);
}

} // namespace

QImage PdfPlaceholderImage(int index)
{
    const QByteArray samples = placeholderSamples(index);
    QImage image(PlaceholderWidth, PlaceholderHeight, QImage::Format_RGB32);
    for (int i = 0; i < PlaceholderWidth * PlaceholderHeight; ++i)
        image.setPixel(i % PlaceholderWidth, i / PlaceholderWidth,
                       qRgb(uchar(samples[3 * i]), uchar(samples[3 * i + 1]), uchar(samples[3 * i + 2])));
    return image;
}

void ReplacePdfPlaceholders(const QByteArray &pdf, const std::vector<PdfJpegPicture> &pictures,
                            const FileChunkSink &write)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("printed sheet", pdf.constData(), size_t(pdf.size()));
        for (QPDFObjectHandle &object : document.getAllObjects()) {
            const int index = placeholderIndex(object, int(pictures.size()));
            if (index >= 0)
                becomeJpeg(object, pictures[size_t(index)]);
        }
        SinkPipeline pipeline(write);
        QPDFWriter writer(document);
        writer.setOutputPipeline(&pipeline);
        // Qt's streams are copied as they are: decoding and compressing them again would only cost time
        // and memory.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        writer.write();
    } catch (const OutputFailed &) {
    } catch (const std::exception &error) {
        throw EPrinterError(QStringLiteral("The printed PDF could not be completed: %1")
                                .arg(QString::fromLocal8Bit(error.what())));
    }
}
