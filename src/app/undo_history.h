// The undo history of one card: each state is the card as the document writer describes it, with the
// payload bytes that did not change between states shared rather than copied.
#pragma once

#include "document/zrd_format.h"

#include <cstddef>
#include <vector>

// One state of the card and whether it differs from the file on disk.
struct CardState
{
    ZrdDocument document;
    bool modified = false;
};

class UndoHistory
{
public:
    explicit UndoHistory(std::size_t maxSteps = 500) : maxSteps_(maxSteps) {}

    // Starts over from `present` with nothing to undo or redo.
    void Reset(ZrdDocument present, bool modified);
    // No card: nothing to undo, redo or record.
    void Clear();
    bool HasCard() const { return !states_.empty(); }

    // Records the card after a change as one step, dropping what could be redone; false, and nothing
    // recorded, when it is the present state. Payloads equal to one of the present state's take its bytes.
    bool Record(ZrdDocument after, bool modified);
    // The present state was written to the file: it is the only one that is not modified.
    void MarkSaved();
    // The present state's modified flag changed without a change to the card.
    void SetPresentModified(bool modified);

    bool CanUndo() const { return HasCard() && present_ > 0; }
    bool CanRedo() const { return HasCard() && present_ + 1 < states_.size(); }
    std::size_t UndoCount() const { return HasCard() ? present_ : 0; }
    std::size_t RedoCount() const { return HasCard() ? states_.size() - present_ - 1 : 0; }
    // The states an undo or redo would restore; only while CanUndo / CanRedo.
    const CardState &UndoTarget() const { return states_[present_ - 1]; }
    const CardState &RedoTarget() const { return states_[present_ + 1]; }
    // Moves the present state once the card has been restored to the target.
    void StepBack() { --present_; }
    void StepForward() { ++present_; }
    const CardState &Present() const { return states_[present_]; }

private:
    std::vector<CardState> states_;
    std::size_t present_ = 0;
    std::size_t maxSteps_;
};

// Gives each payload of `after` that equals a payload of `before` the bytes of `before` (shared, not
// copied): a picture that stays the same is held once however many states keep it.
void SharePayloads(ZrdDocument &after, const ZrdDocument &before);
// Whether two documents hold the same header and records.
bool SameDocument(const ZrdDocument &a, const ZrdDocument &b);
