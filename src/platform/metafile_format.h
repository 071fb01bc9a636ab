// Headers and record structure of enhanced metafiles (EMF) and placeable Windows metafiles (WMF).
#pragma once

#include <QByteArray>
#include <optional>

struct MetafileHeader
{
    bool enhanced = false;
    // EMF: the picture frame in 0.01 mm; WMF: the bounding box in logical units.
    int width = 0;
    int height = 0;
    // WMF: logical units per inch; 0 for EMF.
    int inch = 0;
    // The bytes the metafile says it occupies (EMF: its byte count; WMF: placeable header + its words).
    qint64 declaredSize = 0;
};

// Reads the header of an EMF or of a WMF with a placeable header; nothing when the bytes are neither.
std::optional<MetafileHeader> ParseMetafileHeader(const QByteArray &bytes);

// Whether every record lies inside the file and the records end with the end-of-file record.
bool MetafileRecordsIntact(const QByteArray &bytes, const MetafileHeader &header);

// Screen pixels (96 dpi) for a size in the header's units, as the class library reports a metafile's size.
int MetafilePixels(int units, const MetafileHeader &header);
// And back: the header's units for a size in screen pixels.
int MetafileUnits(int pixels, const MetafileHeader &header);
// 0.01 mm for a size in the header's units.
int MetafileHundredthsMm(int units, const MetafileHeader &header);
