// Converting between the sheet layout and its document records.
#include "app/layout_record.h"

#include <cstring>

ZrdLayout ToZrdLayout(const PageLayout &layout)
{
    ZrdLayout record;
    record.PresetName = QByteArray(layout.PresetName.data(), int(layout.PresetName.size()));
    record.PresetSource = layout.PresetSource;
    record.Paper() = layout.Paper();
    record.Grid() = layout.Grid();
    return record;
}

void ApplyZrdLayout(const ZrdLayout &record, PageLayout &layout)
{
    layout.PresetName.fill('\0');
    std::memcpy(layout.PresetName.data(), record.PresetName.constData(),
                std::min<size_t>(layout.PresetName.size(), size_t(record.PresetName.size())));
    layout.PresetSource = record.PresetSource;
    layout.Paper() = record.Paper();
    layout.Grid() = record.Grid();
}

void ApplyLegacyLayout(const ZrdLegacyLayout &record, PageLayout &layout)
{
    layout.PresetIndex = record.PresetIndex;
    layout.Grid() = record.Grid();
    layout.Paper() = {210.0f, 297.0f};
    layout.PresetSource = FreeSetting;
}
