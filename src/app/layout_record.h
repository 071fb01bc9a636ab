// The main window's sheet layout to and from the layout records of a card document.
#pragma once

#include "document/zrd_format.h"
#include "layout/page_layout.h"

ZrdLayout ToZrdLayout(const PageLayout &layout);
// Takes the record's ten fields into the layout; the others (unit, overhang, crop marks, index) stay.
void ApplyZrdLayout(const ZrdLayout &record, PageLayout &layout);
// Takes the old record's seven fields; the paper becomes A4 and the source a free setting.
void ApplyLegacyLayout(const ZrdLegacyLayout &record, PageLayout &layout);
