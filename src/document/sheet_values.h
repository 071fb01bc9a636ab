// The value types a sheet layout is made of: the card grid, the paper and the card size, each with
// the field names the documents and preset files use, so that whole groups are copied and compared
// in one step.
#pragma once

#include <cstdint>

// Columns and rows of cards and the margins around and between them, in millimetres.
struct CardGrid
{
    std::int32_t Retu = 2; // columns
    std::int32_t Dann = 5; // rows
    float LeftMargin = 14.0f;
    float TopMargin = 11.0f;
    float InsideMarginX = 0.0f;
    float InsideMarginY = 0.0f;

    CardGrid &Grid() { return *this; }
    const CardGrid &Grid() const { return *this; }
    bool operator==(const CardGrid &) const = default;
};

// The paper in millimetres; zero while none is chosen.
struct PaperSize
{
    float PaperWidth = 0.0f;
    float PaperHeight = 0.0f;

    PaperSize &Paper() { return *this; }
    const PaperSize &Paper() const { return *this; }
    bool operator==(const PaperSize &) const = default;
};

// The card (worksheet) size in millimetres.
struct CardSizeMM
{
    float WorkSheetWidthMM = 91.0f;
    float WorkSheetHeightMM = 55.0f;

    CardSizeMM &CardMM() { return *this; }
    const CardSizeMM &CardMM() const { return *this; }
    bool operator==(const CardSizeMM &) const = default;
};

// The card size with its worksheet pixels.
struct CardSize : CardSizeMM
{
    std::int32_t WorkSheetWidthPx = 455;
    std::int32_t WorkSheetHeightPx = 275;

    CardSize &Card() { return *this; }
    const CardSize &Card() const { return *this; }
    bool operator==(const CardSize &) const = default;
};
