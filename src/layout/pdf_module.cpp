// The placeholders' images, and the PDF module that replaces them, loaded on first use.
#include "layout/pdf_placeholder_module.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

struct LoadedModule
{
    PdfPlaceholderReplacer replace = nullptr;
    QString error; // why it could not be loaded
};

// Beside the program in the build folder, one folder up for the build's tests and benchmarks, and where
// the package installs it, relative to the program so the package can be moved.
LoadedModule loadModule()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QString file = QString::fromLatin1(PdfModuleFile);
    const QStringList candidates = {
        bin + u'/' + file, bin + QStringLiteral("/../") + file,
        QDir::cleanPath(bin + QStringLiteral("/" VELMORA_MODULE_FROM_BIN "/") + file)};
    LoadedModule loaded;
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        static QLibrary library; // stays loaded: the program may print again
        library.setFileName(path);
        loaded.replace =
            reinterpret_cast<PdfPlaceholderReplacer>(library.resolve(PdfPlaceholderReplacerName));
        if (!loaded.replace)
            loaded.error = library.errorString();
        return loaded;
    }
    loaded.error = QStringLiteral("%1 がありません").arg(candidates.join(QStringLiteral(", ")));
    return loaded;
}

const LoadedModule &pdfModule()
{
    static const LoadedModule module = loadModule();
    return module;
}

} // namespace

bool PdfJpegModuleAvailable()
{
    return pdfModule().replace != nullptr;
}

QImage PdfPlaceholderImage(int index)
{
    const QByteArray samples = PdfPlaceholderSamples(index);
    QImage image(PdfPlaceholderWidth, PdfPlaceholderHeight, QImage::Format_RGB32);
    for (int i = 0; i < PdfPlaceholderWidth * PdfPlaceholderHeight; ++i)
        image.setPixel(i % PdfPlaceholderWidth, i / PdfPlaceholderWidth,
                       qRgb(uchar(samples[3 * i]), uchar(samples[3 * i + 1]), uchar(samples[3 * i + 2])));
    return image;
}

void ReplacePdfPlaceholders(const QByteArray &pdf, const std::vector<PdfJpegPicture> &pictures,
                            const FileChunkSink &write)
{
    const LoadedModule &module = pdfModule();
    if (!module.replace)
        throw EPrinterError(
            QStringLiteral("PDF に JPEG 画像を入れるモジュールを読み込めません: %1").arg(module.error));
    PdfPlaceholderJob job{pdf, pictures, write, {}};
    if (!module.replace(job))
        throw EPrinterError(QStringLiteral("印刷した PDF を仕上げられませんでした: %1").arg(job.error));
}
