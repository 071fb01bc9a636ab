// Making the card object classes known to the component stream reader by class name.
#pragma once

// Registers "TQVShape", "TImage" and "TLabelEx" (each made with the owner as its parent widget) and the
// picture classes that stored pictures name (TBitmap, TIcon, TMetafile, TJPEGImage). Safe to call more
// than once.
void RegisterCardClasses();
