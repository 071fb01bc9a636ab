// The sheet layout a document prints with, and the fixed-size preset name field it carries.
#pragma once

#include "document/sheet_values.h"

#include <QByteArray>
#include <array>
#include <cstdint>

// A preset name: CP932 bytes, zero-terminated in 64 bytes (63 usable). Kept as raw bytes so that a
// document's field is written back exactly as it was read.
using PresetNameField = std::array<char, 64>;

constexpr int PresetNameMaxBytes = 63;

// The bytes before the terminator (all 64 when there is none).
QByteArray PresetNameText(const PresetNameField &field);
// The longest start of `bytes` within `maxBytes` that does not cut a double-byte character in two.
int Cp932PrefixLength(const QByteArray &bytes, int maxBytes);
// A field holding `name` (up to a zero byte) cut to 63 bytes between characters, zero-filled after it.
PresetNameField MakePresetName(const QByteArray &name);
// The name compared byte for byte up to the terminators.
bool SamePresetName(const PresetNameField &a, const PresetNameField &b);

// Where a layout came from.
enum PresetSourceKind : std::int32_t { FreeSetting = 0, UserPreset = 1, MakerPreset = 2 };

// Measure units of the page setup dialog.
enum MeasureUnitKind : std::int32_t { UnitMillimetres = 1, UnitInches = 3 };

// Lengths in millimetres.
struct PageLayout : CardGrid, PaperSize
{
    std::int32_t PresetIndex = 0;
    std::int32_t Overhang = 0; // whole millimetres, -3 to +3
    bool Tonbo = true;         // print crop marks
    std::int32_t PresetSource = FreeSetting;
    std::int32_t MeasureUnit = 0;
    PresetNameField PresetName{};

    bool operator==(const PageLayout &) const = default;
};
