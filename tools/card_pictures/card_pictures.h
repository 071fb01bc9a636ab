// The shipped catch-phrase and background pictures, drawn from code at build time.
#pragma once

#include <QString>

// Writes the catch-phrase pictures (JPEG on white, and PNG with a transparent ground) into `folder`.
bool WriteCatchPhrases(const QString &folder);
// Writes the background pictures (BMP, twice the card's worksheet size) into `folder`.
bool WriteBackgrounds(const QString &folder);
