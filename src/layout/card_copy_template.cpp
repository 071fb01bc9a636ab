// The card copy read from a template document's records, for the wizard's preview.
#include "layout/card_copy.h"

#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "document/streamable.h"
#include "document/zrd_format.h"
#include "editor/drawpanel.h"
#include "platform/errors.h"
#include "platform/strings.h"

namespace {

constexpr qsizetype kHeaderSize = 16;

// Font sizes round up at half size and the gap stays whole, so a label's text can outgrow its halved
// box; the box widens to the text, keeping the edge its alignment holds, so no name is cut off.
void widenToText(TLabelEx &label)
{
    if (label.AutoSize() || label.WordWrap())
        return;
    const QRect box = label.geometry();
    label.SetAutoSize(true);
    const int fitted = label.width();
    label.SetAutoSize(false);
    const int width = qMax(box.width(), fitted);
    const int left = label.Alignment() == taRightJustify ? box.right() + 1 - width
                     : label.Alignment() == taCenter     ? box.center().x() - width / 2
                                                         : box.left();
    label.SetBounds(left, box.top(), width, box.height());
}

} // namespace

std::unique_ptr<TPanel> ComposeTemplatePreview(const QByteArray &file)
{
    // The header and the first tag are read before anything is tested, so a shorter file is a read error.
    if (file.size() < kHeaderSize + 4)
        throw EReadError(LoadStr(Str::StreamReadError));
    ZrdDocument document;
    if (ParseZrd(file, document) != ZrdParse::Ok || !ZrdHeaderPlausible(document.header))
        return nullptr;

    auto panel = std::make_unique<TPanel>();
    panel->hide();
    panel->SetColor(0xFFFFFF);
    panel->resize(document.header.WorkSheetWidthPx, document.header.WorkSheetHeightPx);
    for (const ZrdRecord &record : document.records) {
        if (const CardClass *cardClass = CardClassForTag(record.tag)) {
            ReadZrdComponent(record, AsStreamable(*cardClass->construct(panel.get())));
        } else if (record.tag == ZrdTag::Background) {
            ReadZrdComponent(record, *new TImage(panel.get()));
        } else if (record.tag == ZrdTag::Grid) {
            // Read so that a damaged grid is reported as the load would; never shown.
            TGridShape grid;
            ReadZrdComponent(record, grid);
        } else if (record.tag == ZrdTag::ColorDialog) {
            TColorDialog dialog;
            ReadZrdComponent(record, dialog);
        }
    }
    ScaleCardCopy(*panel, 50, 100, GapScaling::Kept);
    for (QObject *child : panel->children())
        if (auto *label = dynamic_cast<TLabelEx *>(child))
            widenToText(*label);
    return panel;
}
