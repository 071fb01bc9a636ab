// Printing a document's sheet into a PDF file.
#include "app/print_pdf.h"

#include "app/batch_mode.h"
#include "app/unit3.h"
#include "layout/print_sheet.h"
#include "platform/broken_picture.h"
#include "platform/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

// The layout's paper, A4 while none is chosen. A PDF has no unprintable edge, so the whole paper is
// the printable area and the printer's measures are those of the paper itself.
QPageLayout pdfPage(const PageLayout &layout)
{
    const bool chosen = layout.PaperWidth > 0 && layout.PaperHeight > 0;
    const QPageSize size =
        chosen ? QPageSize(QSizeF(layout.PaperWidth, layout.PaperHeight), QPageSize::Millimeter)
               : QPageSize(QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void printInto(const QString &outputPath, const TForm3 &form, const PrintOffset &offset)
{
    const QFileInfo target(outputPath);
    if (!target.absoluteDir().exists())
        throw EFileError(QStringLiteral("Cannot write \"%1\": the folder %2 does not exist")
                             .arg(outputPath, target.absolutePath()));
    // Printed beside the target and renamed over it only when complete.
    QTemporaryFile partial(target.absolutePath() + QStringLiteral("/.velmora-print-XXXXXX.pdf"));
    if (!partial.open())
        throw EFileError(QStringLiteral("Cannot write \"%1\": %2").arg(outputPath, partial.errorString()));
    partial.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(PrintPdfResolution);
    printer.setPageLayout(pdfPage(form.PageLayout));
    printer.setOutputFileName(partial.fileName());
    printer.setDocName(QFileInfo(form.CurrentFileName).completeBaseName());
    {
        const UndrawablePictures undrawable;
        SheetToPrint sheet = form.sheetToPrint();
        sheet.offset = offset;
        PrintSheet(printer, sheet);
        // A sheet with a placeholder where a picture should be is no success; the partial file goes.
        if (!undrawable.List().isEmpty())
            throw VelmoraError(undrawable.List().join(u'\n'));
    }

    // The temporary file is private to its owner; the PDF gets the permissions a new file gets, or those
    // of the file it replaces.
    const QByteArray partialName = QFile::encodeName(partial.fileName());
    const QByteArray targetName = QFile::encodeName(outputPath);
    struct stat existing;
    mode_t mode = 0;
    if (::stat(targetName.constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(partialName.constData(), mode);
    if (std::rename(partialName.constData(), targetName.constData()) != 0)
        throw EFileError(QStringLiteral("Cannot write \"%1\": %2")
                             .arg(outputPath, QString::fromLocal8Bit(std::strerror(errno))));
    partial.setAutoRemove(false);
}

} // namespace

int PrintPdf(const QString &documentPath, const QString &outputPath, const PrintOffset &offset)
{
    return RunOnDocument(documentPath, [&](TForm3 &form) {
        printInto(outputPath, form, offset);
        return true;
    });
}
