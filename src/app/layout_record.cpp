// Converting between the sheet layout and its document records.
#include "app/layout_record.h"

#include <cstring>

ZrdLayout ToZrdLayout(const PageLayout &layout)
{
    ZrdLayout record;
    record.PresetName = QByteArray(layout.PresetName.data(), int(layout.PresetName.size()));
    record.PresetSource = layout.PresetSource;
    record.PaperWidth = layout.PaperWidth;
    record.PaperHeight = layout.PaperHeight;
    record.Retu = layout.Retu;
    record.Dann = layout.Dann;
    record.LeftMargin = layout.LeftMargin;
    record.TopMargin = layout.TopMargin;
    record.InsideMarginX = layout.InsideMarginX;
    record.InsideMarginY = layout.InsideMarginY;
    return record;
}

void ApplyZrdLayout(const ZrdLayout &record, PageLayout &layout)
{
    layout.PresetName.fill('\0');
    std::memcpy(layout.PresetName.data(), record.PresetName.constData(),
                std::min<size_t>(layout.PresetName.size(), size_t(record.PresetName.size())));
    layout.PresetSource = record.PresetSource;
    layout.PaperWidth = record.PaperWidth;
    layout.PaperHeight = record.PaperHeight;
    layout.Retu = record.Retu;
    layout.Dann = record.Dann;
    layout.LeftMargin = record.LeftMargin;
    layout.TopMargin = record.TopMargin;
    layout.InsideMarginX = record.InsideMarginX;
    layout.InsideMarginY = record.InsideMarginY;
}

void ApplyLegacyLayout(const ZrdLegacyLayout &record, PageLayout &layout)
{
    layout.PresetIndex = record.PresetIndex;
    layout.Retu = record.Retu;
    layout.Dann = record.Dann;
    layout.LeftMargin = record.LeftMargin;
    layout.TopMargin = record.TopMargin;
    layout.InsideMarginX = record.InsideMarginX;
    layout.InsideMarginY = record.InsideMarginY;
    layout.PaperWidth = 210.0f;
    layout.PaperHeight = 297.0f;
    layout.PresetSource = FreeSetting;
}
