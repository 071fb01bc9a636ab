// The undo history: states in the document's records, unchanged payloads shared between them.
#include "app/undo_history.h"

#include <QHash>

namespace {

bool sameRecord(const ZrdRecord &a, const ZrdRecord &b)
{
    if (a.tag != b.tag || a.payload.size() != b.payload.size())
        return false;
    // Shared bytes need no comparison: a picture's megabytes are compared at most once.
    return a.payload.constData() == b.payload.constData() || a.payload == b.payload;
}

} // namespace

void SharePayloads(ZrdDocument &after, const ZrdDocument &before)
{
    const std::vector<ZrdRecord> &old = before.records;
    // By size, for the records that moved further than one place (stacking order).
    QMultiHash<qsizetype, std::size_t> bySize;
    bool indexed = false;
    for (std::size_t i = 0; i < after.records.size(); ++i) {
        ZrdRecord &record = after.records[i];
        const ZrdRecord *match = nullptr;
        // Most records stay where they were or move by one (an object added or removed before them).
        for (std::size_t j : {i, i + 1, i - 1})
            if (j < old.size() && sameRecord(old[j], record)) {
                match = &old[j];
                break;
            }
        if (!match) {
            if (!indexed) {
                for (std::size_t j = 0; j < old.size(); ++j)
                    bySize.insert(old[j].payload.size(), j);
                indexed = true;
            }
            for (auto it = bySize.constFind(record.payload.size());
                 it != bySize.cend() && it.key() == record.payload.size(); ++it)
                if (sameRecord(old[it.value()], record)) {
                    match = &old[it.value()];
                    break;
                }
        }
        if (match)
            record.payload = match->payload;
    }
}

bool SameDocument(const ZrdDocument &a, const ZrdDocument &b)
{
    if (!(a.header == b.header) || a.records.size() != b.records.size())
        return false;
    for (std::size_t i = 0; i < a.records.size(); ++i)
        if (!sameRecord(a.records[i], b.records[i]))
            return false;
    return true;
}

void UndoHistory::Reset(ZrdDocument present, bool modified)
{
    states_.clear();
    states_.push_back({std::move(present), modified});
    present_ = 0;
}

void UndoHistory::Clear()
{
    states_.clear();
    present_ = 0;
}

bool UndoHistory::Record(ZrdDocument after, bool modified)
{
    if (!HasCard())
        return false;
    CardState &present = states_[present_];
    SharePayloads(after, present.document);
    if (SameDocument(after, present.document)) {
        present.modified = modified;
        return false;
    }
    states_.erase(states_.begin() + std::ptrdiff_t(present_) + 1, states_.end());
    states_.push_back({std::move(after), modified});
    if (states_.size() > maxSteps_ + 1)
        states_.erase(states_.begin());
    present_ = states_.size() - 1;
    return true;
}

void UndoHistory::MarkSaved()
{
    for (CardState &state : states_)
        state.modified = true;
    if (HasCard())
        states_[present_].modified = false;
}

void UndoHistory::SetPresentModified(bool modified)
{
    if (HasCard())
        states_[present_].modified = modified;
}
