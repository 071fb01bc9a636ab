// The image objects of a PDF file as qpdf reads them, for tests that look inside printed PDFs.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

struct PdfImage
{
    QByteArray raw; // the stream's bytes as stored
    std::string filter, colourSpace, decode;
    long long width = 0, height = 0;
    bool softMask = false;
};

// Every image object of the PDF.
std::vector<PdfImage> imagesOf(const QString &pdf);
