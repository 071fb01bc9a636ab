// Metafiles converted to SVG documents: EMF by libemf2svg, placeable WMF by libwmf's SVG device.
#pragma once

#include "platform/metafile_format.h"

#include <QByteArray>

// The SVG document of an enhanced metafile; empty when the converter fails.
QByteArray EmfToSvg(const QByteArray &emf);

// The SVG document of a placeable Windows metafile, its bounding box filling the picture; empty when
// the converter fails.
QByteArray WmfToSvg(const QByteArray &wmf, const MetafileHeader &header);
