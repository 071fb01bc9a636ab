// Printing the sheet: the card copy scaled to the printer, recorded once and replayed in every cell.
#include "layout/print_sheet.h"

#include "controls/image.h"
#include "editor/drawpanel.h"
#include "layout/card_copy.h"
#include "layout/pdf_pictures.h"
#include "layout/print_geometry.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTemporaryFile>
#include <limits>
#include <variant>
#include <vector>

std::unique_ptr<TPanel> ComposePrintPanel(const SheetToPrint &sheet)
{
    CardCopyOptions options;
    options.widenLabels = true;
    return ComposeCardCopy(sheet.background, sheet.objects, sheet.card.WorkSheetWidthPx,
                           sheet.card.WorkSheetHeightPx, options);
}

namespace {

// The card as painted once: runs of shapes and labels recorded by their own paint code into pictures
// (text stays text, shapes stay paths), and between them the picture controls, which are drawn straight
// onto the device by their graphic, so that the decode made for the device is one image object that
// every cell shares. In stacking order, the panel's own colour first.
struct CardLayers
{
    QSize size;
    std::vector<std::variant<std::unique_ptr<QPicture>, const TImage *>> layers;
};

CardLayers recordCard(TPanel &panel)
{
    CardLayers card;
    card.size = panel.size();
    auto run = std::make_unique<QPicture>();
    auto recorder = std::make_unique<QPainter>(run.get());
    panel.render(recorder.get(), QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const auto closeRun = [&] {
        recorder.reset();
        card.layers.emplace_back(std::move(run));
    };
    for (QObject *object : panel.children()) {
        auto *control = qobject_cast<QWidget *>(object);
        if (!control || control->isHidden())
            continue;
        if (auto *picture = dynamic_cast<const TImage *>(control)) {
            closeRun();
            card.layers.emplace_back(picture);
            run = std::make_unique<QPicture>();
            recorder = std::make_unique<QPainter>(run.get());
            continue;
        }
        control->render(recorder.get(), control->pos(), QRegion(), QWidget::RenderFlags());
    }
    closeRun();
    return card;
}

void paintCard(QPainter &painter, const CardLayers &card, QPoint origin, PdfJpegPictures *jpegs)
{
    painter.save();
    painter.translate(origin);
    painter.setClipRect(QRect(QPoint(), card.size), Qt::IntersectClip);
    for (const auto &layer : card.layers) {
        painter.save();
        if (const auto *picture = std::get_if<std::unique_ptr<QPicture>>(&layer)) {
            // A picture replays scaled from its own resolution to the device's; it was recorded in device
            // pixels already.
            painter.scale(qreal((*picture)->logicalDpiX()) / painter.device()->logicalDpiX(),
                          qreal((*picture)->logicalDpiY()) / painter.device()->logicalDpiY());
            painter.drawPicture(0, 0, **picture);
        } else {
            const TImage *image = std::get<const TImage *>(layer);
            painter.translate(image->pos());
            painter.setClipRect(image->rect(), Qt::IntersectClip);
            if (!jpegs || !jpegs->Draw(painter, *image)) {
                // Qt's PDF engine writes images as JPEG unless told otherwise: bitmaps, icons and PNG
                // pictures stay lossless; a JPEG drawn here is one the PDF cannot carry as it is.
                const TGraphic *graphic = image->Picture().Graphic();
                painter.setRenderHint(QPainter::LosslessImageRendering,
                                      !graphic || graphic->ClassName() != QStringLiteral("TJPEGImage"));
                image->PaintPicture(painter);
            }
        }
        painter.restore();
    }
    painter.restore();
}

} // namespace

void PaintSheet(QPainter &painter, const PrinterMeasures &m, const SheetToPrint &sheet,
                PdfJpegPictures *jpegs)
{
    const std::vector<QPoint> origins = PrintCellOrigins(sheet.card, sheet.layout, m, sheet.offset);
    if (origins.empty())
        return;
    const int percent = PrintScalePercent(sheet.card, sheet.layout, m);
    std::unique_ptr<TPanel> panel = ComposePrintPanel(sheet);
    ScaleCardCopy(*panel, percent, 100);

    // The printer canvas's default pen: black, one printer pixel wide. Each mark covers the pixels from
    // its first point up to its second, as a one-pixel-wide filled strip, which every device draws alike.
    for (const QLine &line : CropMarkLines(sheet.card, sheet.layout, m, sheet.offset)) {
        const QRect strip = line.dx() != 0 ? QRect(line.x1(), line.y1(), line.dx(), 1)
                                           : QRect(line.x1(), line.y1(), 1, line.dy());
        painter.fillRect(strip, Qt::black);
    }

    const CardLayers card = recordCard(*panel);
    for (const QPoint &origin : origins)
        paintCard(painter, card, origin, jpegs);
}

namespace {

// The printer as a message names it: the queue, or the file a PDF printer writes.
QString printerTitle(const QPrinter &printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

QString cannotStart(const QString &title)
{
    return QStringLiteral("プリンタ \"%1\" で印刷を開始できません。").arg(title);
}

using PagePainter = std::function<void(QPainter &, const PrinterMeasures &)>;

void printPage(QPrinter &printer, const QString &title, const PagePainter &paint, const PrintCheck &check)
{
    const PrinterMeasures m = MeasurePrinter(printer);
    if (!PrinterMeasuresUsable(m))
        throw EPrinterError(QStringLiteral("プリンタ \"%1\" の印刷可能範囲がありません。").arg(title));
    QPainter painter;
    if (!painter.begin(&printer))
        throw EPrinterError(cannotStart(title));
    try {
        paint(painter, m);
        if (check)
            check();
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw EPrinterError(QStringLiteral("プリンタ \"%1\" で印刷できませんでした。").arg(title));
    if (printer.printerState() == QPrinter::Aborted)
        throw EPrinterError(QStringLiteral("印刷は中止されました。"));
}

// Qt writes the PDF into a temporary file beside the target; the JPEG pictures go in afterwards and
// the result replaces the target in one step.
void printPdf(QPrinter &printer, const SheetToPrint &sheet, const PrintCheck &check)
{
    const QString target = printer.outputFileName();
    QTemporaryFile partial(QFileInfo(target).absolutePath() + QStringLiteral("/.velmora-print-XXXXXX.pdf"));
    if (!partial.open())
        throw EPrinterError(cannotStart(target) + QStringLiteral(" (%1)").arg(partial.errorString()));
    partial.close();
    PdfJpegPictures jpegs;
    printer.setOutputFileName(partial.fileName());
    try {
        printPage(
            printer, target,
            [&](QPainter &painter, const PrinterMeasures &m) { PaintSheet(painter, m, sheet, &jpegs); },
            check);
    } catch (...) {
        printer.setOutputFileName(target);
        throw;
    }
    printer.setOutputFileName(target);

    const QByteArray pdf = ReadWholeFile(partial.fileName(), std::numeric_limits<qint64>::max());
    QString error;
    const bool written = WriteFileAtomically(
        target,
        [&](const FileChunkSink &write) {
            if (jpegs.Pictures().empty())
                write(pdf.constData(), pdf.size());
            else
                ReplacePdfPlaceholders(pdf, jpegs.Pictures(), write);
        },
        &error);
    if (!written)
        throw EFileError(error);
}

} // namespace

void PrintSheet(QPrinter &printer, const SheetToPrint &sheet, const PrintCheck &check)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        printPdf(printer, sheet, check);
    else
        printPage(
            printer, printerTitle(printer),
            [&](QPainter &painter, const PrinterMeasures &m) { PaintSheet(painter, m, sheet); }, check);
}

void PrintPage(QPrinter &printer, const std::function<void(QPainter &, const PrinterMeasures &)> &paint)
{
    printPage(printer, printerTitle(printer), paint, {});
}
