// The pixel budget of a document: one ledger for the whole program, which holds one document.
#include "platform/memory_budget.h"

#include <limits>

namespace {
// Everything runs on the GUI thread.
qint64 inUse = 0;
} // namespace

qint64 PixelBytes(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return 0;
    // Sizes claimed by damaged headers can be anything: more than can be counted is simply too much.
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    return width > most / 4 / height ? most : width * height * 4;
}

PixelCharge::PixelCharge(qint64 bytes) : bytes_(bytes)
{
    inUse += bytes_;
}

PixelCharge::~PixelCharge()
{
    inUse -= bytes_;
}

PixelChargeHandle ChargePixelBudget(qint64 bytes)
{
    if (bytes < 0 || bytes > PixelBudgetLeft())
        return nullptr;
    return std::make_shared<const PixelCharge>(bytes);
}

qint64 PixelBudgetInUse()
{
    return inUse;
}

qint64 PixelBudgetLeft()
{
    return DocumentPixelBudgetBytes - inUse;
}
