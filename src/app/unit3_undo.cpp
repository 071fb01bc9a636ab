// TForm3: undo and redo. Each change to the card becomes one step once the action that made it has
// ended (a drag, the text typed in place); steps are restored through the document reader.
#include "app/layout_record.h"
#include "app/unit3.h"

#include "controls/gridshape.h"
#include "editor/inplace_editor.h"
#include "platform/application.h"

#include <QAction>
#include <QEvent>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace {

// How often a step waits for the end of a drag or of text editing.
constexpr int kStepRetryMs = 50;

} // namespace

ZrdDocument TForm3::cardState(const ZrdDocument *reuse) const
{
    ZrdDocument state = documentRecords(reuse);
    // The old layout record carries the preset index, which no record written to files holds; read
    // before the layout record it leaves the old-layout indication clear, read after it sets it.
    ZrdLegacyLayout legacy;
    legacy.Grid() = PageLayout.Grid();
    legacy.PresetIndex = PageLayout.PresetIndex;
    auto layout = std::find_if(state.records.begin(), state.records.end(),
                               [](const ZrdRecord &r) { return r.tag == ZrdTag::Layout; });
    if (LegacyLayoutLoaded)
        ++layout;
    state.records.insert(layout, {ZrdTag::LegacyLayout, SerializeZrdLegacyLayout(legacy)});
    return state;
}

void TForm3::restoreCard(const CardState &state)
{
    // The grid's visibility is a view of the card, shown and hidden by its button; undo leaves it.
    const bool gridShown = GridOverlay && GridOverlay->Visible();
    const QByteArray fileVersion = LoadedFileVersion;
    loadRecords(state.document);
    LoadedFileVersion = fileVersion;
    GridOverlay->SetVisible(gridShown);
    Modified = state.modified;
    setWindowModified(Modified);
}

void TForm3::startHistory(const ZrdDocument *loaded)
{
    stepPending_ = false;
    // A loaded card's pictures stay where the file put them rather than in a second copy.
    if (DrawPanel)
        history_.Reset(cardState(loaded), Modified);
    else
        history_.Clear();
    setWindowModified(Modified);
    UpdateUndoCommands();
}

void TForm3::CardChanged()
{
    if (!DrawPanel || !history_.HasCard())
        return;
    stepPending_ = true;
    UpdateUndoCommands();
    queueUndoStep(0);
}

void TForm3::queueUndoStep(int delayMs)
{
    if (stepQueued_)
        return;
    stepQueued_ = true;
    QTimer::singleShot(delayMs, this, [this] {
        stepQueued_ = false;
        if (!stepPending_)
            return;
        // A drag makes one step however many moves it has, and text typed in place one step per edit.
        if (ButtonDown || Dragging || TextEditOpen) {
            queueUndoStep(kStepRetryMs);
            return;
        }
        RunGuarded([this] { FlushUndoStep(); });
    });
}

void TForm3::FlushUndoStep()
{
    if (!stepPending_)
        return;
    stepPending_ = false;
    if (DrawPanel && history_.HasCard())
        history_.Record(cardState(), Modified);
    setWindowModified(Modified);
    UpdateUndoCommands();
}

void TForm3::UpdateUndoCommands()
{
    const QTextDocument *typing = TextEditOpen && InPlaceEditor ? InPlaceEditor->document() : nullptr;
    const bool undo = (typing && typing->isUndoAvailable()) || stepPending_ || history_.CanUndo();
    const bool redo = typing ? typing->isRedoAvailable() : !stepPending_ && history_.CanRedo();
    EditUndo->setEnabled(undo);
    UndoButton->setEnabled(undo);
    EditRedo->setEnabled(redo);
    RedoButton->setEnabled(redo);
}

void TForm3::EditUndoClick()
{
    if (TextEditOpen && InPlaceEditor) {
        if (InPlaceEditor->document()->isUndoAvailable()) {
            InPlaceEditor->undo();
            UpdateUndoCommands();
            return;
        }
        // Nothing typed is left to take back: the edit ends, and what it changed is the step undone.
        CommitTextEdit();
    }
    FlushUndoStep();
    if (history_.CanUndo()) {
        restoreCard(history_.UndoTarget());
        history_.StepBack();
    }
    UpdateUndoCommands();
}

void TForm3::EditRedoClick()
{
    if (TextEditOpen && InPlaceEditor) {
        // While text is typed, redo belongs to the text; the card's steps wait for the edit to end.
        if (InPlaceEditor->document()->isRedoAvailable())
            InPlaceEditor->redo();
        UpdateUndoCommands();
        return;
    }
    FlushUndoStep();
    if (history_.CanRedo()) {
        restoreCard(history_.RedoTarget());
        history_.StepForward();
    }
    UpdateUndoCommands();
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    // Typing in place changes what undo and redo would do.
    if (TextEditOpen && (event->type() == QEvent::KeyRelease || event->type() == QEvent::InputMethod))
        QTimer::singleShot(0, this, [this] { UpdateUndoCommands(); });
    return TForm2::eventFilter(watched, event);
}
