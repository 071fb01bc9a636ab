// What the program and its PDF module share. The module does the qpdf work; it is loaded only when a
// printed PDF has JPEG pictures to carry, because qpdf and the crypto libraries it links take about
// 3.5 MB of memory and start-up time in every process that loads them.
#pragma once

#include "layout/pdf_pictures.h"

#include <QByteArray>
#include <QString>
#include <vector>

constexpr int PdfPlaceholderWidth = 8, PdfPlaceholderHeight = 2;

// Placeholder `index`'s samples as a PDF holds them: RGB, row by row.
inline QByteArray PdfPlaceholderSamples(int index)
{
    QByteArray samples("Velmora JPEG picture placeholder #");
    for (int shift = 24; shift >= 0; shift -= 8)
        samples.append(char((index >> shift) & 0xFF));
    samples.append(PdfPlaceholderWidth * PdfPlaceholderHeight * 3 - samples.size(), char(0x5A));
    return samples;
}

struct PdfPlaceholderJob
{
    const QByteArray &pdf;
    const std::vector<PdfJpegPicture> &pictures;
    const FileChunkSink &write;
    QString error; // why the PDF could not be read or written
};

// The module's one function (extern "C", named PdfPlaceholderReplacerName): ReplacePdfPlaceholders
// without the exception, which does not cross the module's edge; false with job.error set on failure.
using PdfPlaceholderReplacer = bool (*)(PdfPlaceholderJob &job);
inline constexpr char PdfPlaceholderReplacerName[] = "VelmoraReplacePdfPlaceholders";
// The module's file; beside the program in the build folder, in VELMORA_MODULE_FROM_BIN when installed.
inline constexpr char PdfModuleFile[] = "libvelmora_pdfjpeg.so";
