// What one document may cost: the pixel memory it holds at once, the largest card, the largest file.
#pragma once

#include <QtGlobal>
#include <memory>

// Pixel memory a document may hold at once: its decoded pictures, the card image of an export, the
// print panel, together. A document of a few kilobytes can claim pictures of gigapixels; this keeps
// what it costs to a few hundred megabytes, while a card printed at 600 dpi with full-size photos
// (about 60 MB) is far from it.
constexpr qint64 DocumentPixelBudgetBytes = 192LL * 1024 * 1024;

// The largest card side in worksheet pixels (1.2 m at 5 px/mm): beyond any paper sheet, so beyond
// every real card. Documents declaring more are refused and page setup does not accept more.
constexpr int MaxWorkSheetPx = 6000;

// The largest document or template file read, and the largest picture file.
constexpr qint64 MaxDocumentFileBytes = 64LL * 1024 * 1024;
constexpr qint64 MaxPictureFileBytes = 64LL * 1024 * 1024;

// The bytes of a 32-bit image of that size; negative sizes count as empty, beyond qint64 as its maximum.
qint64 PixelBytes(qint64 width, qint64 height);

// One claim on the budget, given back when the last copy of its handle goes.
class PixelCharge
{
public:
    explicit PixelCharge(qint64 bytes);
    ~PixelCharge();
    PixelCharge(const PixelCharge &) = delete;
    PixelCharge &operator=(const PixelCharge &) = delete;
    qint64 Bytes() const { return bytes_; }

private:
    qint64 bytes_;
};
using PixelChargeHandle = std::shared_ptr<const PixelCharge>;

// A charge of `bytes` when what is held already leaves room for it; null otherwise.
PixelChargeHandle ChargePixelBudget(qint64 bytes);
// What the charges alive now hold, and what is left.
qint64 PixelBudgetInUse();
qint64 PixelBudgetLeft();
