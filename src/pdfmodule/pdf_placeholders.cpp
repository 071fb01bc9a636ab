// The PDF module: the placeholders of JPEG pictures in a PDF replaced by the JPEG files, through qpdf.
// Debian 12's qpdf headers do not compile as C++20 with clang 14 (JSON.hh destroys a vector of its own
// still incomplete class), so this file is built as C++17 and is the program's only one to include them.
#include "layout/pdf_placeholder_module.h"

#include <exception>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

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
    if (!width.isInteger() || width.getIntValue() != PdfPlaceholderWidth || !height.isInteger() ||
        height.getIntValue() != PdfPlaceholderHeight)
        return -1;
    const std::shared_ptr<Buffer> data = stream.getStreamData(qpdf_dl_generalized);
    const QByteArray samples = QByteArray::fromRawData(reinterpret_cast<const char *>(data->getBuffer()),
                                                       qsizetype(data->getSize()));
    for (int i = 0; i < count; ++i)
        if (samples == PdfPlaceholderSamples(i))
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

extern "C" Q_DECL_EXPORT bool VelmoraReplacePdfPlaceholders(PdfPlaceholderJob &job)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("printed sheet", job.pdf.constData(), size_t(job.pdf.size()));
        for (QPDFObjectHandle &object : document.getAllObjects()) {
            const int index = placeholderIndex(object, int(job.pictures.size()));
            if (index >= 0)
                becomeJpeg(object, job.pictures[size_t(index)]);
        }
        SinkPipeline pipeline(job.write);
        QPDFWriter writer(document);
        writer.setOutputPipeline(&pipeline);
        // Qt's streams are copied as they are: decoding and compressing them again would only cost time
        // and memory.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        writer.write();
    } catch (const OutputFailed &) {
        // The sink keeps why, and its owner tells it.
    } catch (const std::exception &error) {
        job.error = QString::fromLocal8Bit(error.what());
        return false;
    }
    return true;
}
