// A hidden copy of the card (background and objects) made through component streams and scaled, for
// printing, previews and images.
#pragma once

#include <QImage>
#include <QList>
#include <memory>

class QWidget;
class TImage;
class TLabelEx;
class TPanel;

struct CardCopyOptions
{
    // Printing widens each label by the width of "aaaa" so that printer fonts never clip its end.
    bool widenLabels = false;
};

// Builds the copy: a hidden panel named "PrintPanel" of the worksheet's size holding a copy of the
// background and of every card object, in stacking order. Throws what reading the streams throws.
std::unique_ptr<TPanel> ComposeCardCopy(const TImage &background, const QList<QWidget *> &objects,
                                        int widthPx, int heightPx, const CardCopyOptions &options = {});

// A printed label's copy: as wide as its text plus the width of "aaaa" in its font, its left edge kept.
void WidenLabelForPrint(TLabelEx &label);

// Whether scaling a copy scales each label's letter spacing with its font (printing, export) or keeps
// it as stored (the wizard's preview, which scales only what the control scaling reaches).
enum class GapScaling { Scaled, Kept };

// Scales the copy by M/D: the panel and its children with the control scaling, then what that does not
// reach (a shape's figure and pen width and, unless kept, a label's gap).
void ScaleCardCopy(TPanel &copy, int multiplier, int divisor, GapScaling gaps = GapScaling::Scaled);
// The second half of that: only what the control scaling does not reach, for a copy already scaled.
void ScaleCardCopies(TPanel &copy, int multiplier, int divisor, GapScaling gaps = GapScaling::Scaled);

// The wizard's half-size preview of a template document, read from the file's records in file order:
// each card object and the background where its record stands, the grid and the colour dialog read
// and dropped. The panel is white and hidden. Nothing when a record has a tag documents do not have or
// the header's size cannot be a worksheet's. A label whose text outgrows its halved box is widened to it.
// Throws EReadError when the file ends inside its header or a record, or a component stream cannot be read.
std::unique_ptr<TPanel> ComposeTemplatePreview(const QByteArray &file);

// Renders the card as an image at `dpi` (the worksheet has 127: five pixels per millimetre). Throws
// EInvalidGraphic when the image does not fit in the document's pixel budget.
QImage RenderCardImage(const TImage &background, const QList<QWidget *> &objects, int widthPx, int heightPx,
                       int dpi);
