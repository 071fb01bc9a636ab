// Making the card object classes known to the component stream reader by class name.
#pragma once

#include <cstdint>

class QWidget;
class TGraphicControl;

// Registers "TQVShape", "TImage" and "TLabelEx" (each made with the owner as its parent widget) and the
// picture classes that stored pictures name (TBitmap, TIcon, TMetafile, TJPEGImage). Safe to call more
// than once.
void RegisterCardClasses();

// The card object that a document record of `tag` holds, made on `parent`: a shape for tag 2, a label
// for 3 and 17, a picture for 4; null for every other tag.
TGraphicControl *NewCardObjectForTag(std::int32_t tag, QWidget *parent);
