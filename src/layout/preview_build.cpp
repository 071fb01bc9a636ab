// The print preview's sheet: the paper and its printable area from the printer, one card copy per cell.
#include "layout/preview_form.h"

#include "controls/card_classes.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/drawpanel.h"
#include "editor/unit2.h"
#include "layout/card_copy.h"
#include "layout/preview_geometry.h"
#include "platform/errors.h"

void TPreviewForm::BuildPreview()
{
    delete SheetPanel; // with every card on it
    SheetPanel = nullptr;

    // Qt reads the measures from the printer's page layout: no job has to be started for them.
    const std::optional<PreviewSheet> sheet = MeasurePreviewSheet(measurePrinter_());
    if (!sheet)
        throw EPrinterError(QStringLiteral("プリンタから用紙の大きさを読めません。"));
    PreviewPanel->resize(sheet->paper);
    fitScrollRange();

    SheetPanel = new TPanel(PreviewPanel);
    SheetPanel->SetColor(clWhite);
    SheetPanel->setGeometry(sheet->printable);
    SheetPanel->show();
    if (!editor_.BackgroundPicture)
        return; // no card to show

    std::unique_ptr<TPanel> cardTemplate = ComposeCardCopy(*editor_.BackgroundPicture, editor_.ObjectList,
                                                           card_.WorkSheetWidthPx, card_.WorkSheetHeightPx);
    cardTemplate->SetColor(clWhite);
    cardTemplate->SetName({});
    ScaleCardCopy(*cardTemplate, sheet->percent, 100);
    const PrintOffset offset = PrinterOffset ? PrinterOffset() : PrintOffset();
    for (const QPoint &origin : PreviewCardOrigins(grid_, sheet->printable, cardTemplate->size(), offset))
        PlacePreviewCard(*cardTemplate, origin.x(), origin.y());
}

void TPreviewForm::PlacePreviewCard(const TPanel &cardTemplate, int x, int y)
{
    auto *card = new TPanel(SheetPanel);
    card->SetColor(clWhite);
    card->setGeometry(x, y, cardTemplate.width(), cardTemplate.height());
    // The card's outline, under everything; a background picture covers it.
    auto *outline = new TQVShape(card);
    outline->SetLeft(0);
    outline->SetTop(0);
    outline->SetWidth(card->width() - 1);
    outline->SetHeight(card->height() - 1);
    outline->Pen().SetStyle(psDot);
    // The background first, then the objects in their stacking order, each through its stream.
    for (QObject *child : cardTemplate.children())
        if (auto *object = qobject_cast<QWidget *>(child))
            CopyCardObject(*object, card);
    card->show();
}
