// Printing a document's sheet into a PDF file.
#include "app/print_pdf.h"

#include "app/batch_mode.h"
#include "app/unit3.h"
#include "layout/print_sheet.h"
#include "platform/broken_picture.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/strings.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cerrno>

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
        throw EFileError(LoadStr(Str::FileWriteError).arg(outputPath, SystemErrorText(ENOENT)));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(PrintPdfResolution);
    printer.setPageLayout(pdfPage(form.PageLayout));
    // Printing writes the file beside its place and puts it there only when complete.
    printer.setOutputFileName(outputPath);
    printer.setDocName(QFileInfo(form.CurrentFileName).completeBaseName());
    const UndrawablePictures undrawable;
    SheetToPrint sheet = form.sheetToPrint();
    sheet.offset = offset;
    PrintSheet(printer, sheet, [&] {
        // A sheet with a placeholder where a picture should be is no success; no file is written.
        if (!undrawable.List().isEmpty())
            throw VelmoraError(undrawable.List().join(u'\n'));
    });
}

} // namespace

int PrintPdf(const QString &documentPath, const QString &outputPath, const PrintOffset &offset)
{
    return RunOnDocument(documentPath, [&](TForm3 &form) {
        printInto(outputPath, form, offset);
        return true;
    });
}
