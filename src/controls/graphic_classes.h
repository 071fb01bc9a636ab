// The one list of graphic classes a stored picture or a picture file may name.
#pragma once

// Registers TBitmap (bmp), TIcon (ico), TPngImage (png), TMetafile (emf, wmf) and TJPEGImage (jpg, jpeg)
// by class name and file extension, in the order the open dialogs list them. Safe to call more than once.
void RegisterGraphicClasses();
