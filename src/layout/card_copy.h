// A hidden copy of the card (background and objects) made through component streams and scaled, for
// printing, previews and images.
#pragma once

#include <QImage>
#include <QList>
#include <memory>

class QWidget;
class TImage;
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

// Scales the copy by M/D: the panel and its children with the control scaling, then what that does not
// reach (a shape's figure and pen width, a label's gap).
void ScaleCardCopy(TPanel &copy, int multiplier, int divisor);

// Renders the card as an image at `dpi` (the worksheet has 127: five pixels per millimetre).
QImage RenderCardImage(const TImage &background, const QList<QWidget *> &objects, int widthPx, int heightPx,
                       int dpi);
