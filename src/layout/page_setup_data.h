// What the page setup dialog is handed and hands back, and how the main window takes the results.
#pragma once

#include "layout/page_layout.h"

#include <QByteArray>
#include <cstdint>

// The card (worksheet) size and the sheet layout.
struct PageSetupData : CardSize
{
    PageLayout Layout;
    QByteArray ProgramVersion = QByteArray("2.0j\0\0\0\0", 8);
    bool LegacyLayoutLoaded = false; // the document had only the old layout record
    bool NewDocument = false;        // opened by the New command
};

// The hand-in of the New command: the new-document flag, no card size and no layout values (the
// dialog then starts on the first preset).
PageSetupData NewDocumentPageSetup(const QByteArray &programVersion);

struct PageSetupChanges
{
    bool cardSize = false; // the card's pixel size changed: the worksheet must be resized
    bool modified = false; // some value was taken: the document is modified
};

// Takes the dialog's results (after OK) into the document's values. For a new document every value
// is taken, with PresetIndex. Otherwise group by group, each group only when it differs: the card
// size when its pixel size differs; the eight layout numbers; the preset name and source; the unit;
// the overhang; the crop marks. The legacy flag is cleared either way.
PageSetupChanges TakePageSetupResults(const PageSetupData &results, PageSetupData &document);
