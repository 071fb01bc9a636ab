// Built as C++17: Debian 12's qpdf headers do not compile as C++20 with clang 14.
#include "app/pdf_image_list.h"

#include <QFile>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

std::vector<PdfImage> imagesOf(const QString &pdf)
{
    QPDF document;
    document.processFile(QFile::encodeName(pdf).constData());
    std::vector<PdfImage> images;
    for (QPDFObjectHandle &object : document.getAllObjects()) {
        if (!object.isImage())
            continue;
        QPDFObjectHandle dict = object.getDict();
        PdfImage image;
        const std::shared_ptr<Buffer> raw = object.getRawStreamData();
        image.raw = QByteArray(reinterpret_cast<const char *>(raw->getBuffer()), qsizetype(raw->getSize()));
        image.filter = dict.getKey("/Filter").unparse();
        image.colourSpace = dict.getKey("/ColorSpace").unparse();
        image.decode = dict.getKey("/Decode").unparse();
        image.width = dict.getKey("/Width").getIntValue();
        image.height = dict.getKey("/Height").getIntValue();
        image.softMask = dict.hasKey("/SMask");
        images.push_back(image);
    }
    return images;
}
