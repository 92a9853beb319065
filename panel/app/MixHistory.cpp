#include "MixHistory.h"

#include "MixChange.h"

MixHistory::MixHistory(MixStep::Apply apply, Collect collect)
    : apply_(std::move(apply)), collect_(std::move(collect)) {}

void MixHistory::show(const std::string& unit) {
    unit_ = unit;
    base_ = collect_();
}

juce::UndoManager& MixHistory::current() {
    std::unique_ptr<juce::UndoManager>& history = histories_[unit_];
    if (history == nullptr) {
        history = std::make_unique<juce::UndoManager>(kSteps, kSteps);
        history->setMaxNumberOfStoredUnits(kSteps, kSteps);
    }
    return *history;
}

bool MixHistory::recordChange(const juce::String& name) {
    juce::PropertySet now = collect_();
    const juce::String key =
        MixChange::firstChangedKey(base_.getAllProperties(), now.getAllProperties());
    if (key.isEmpty())
        return false;
    juce::UndoManager& history = current();
    history.beginNewTransaction(name.isNotEmpty() ? name : MixChange::describe(key));
    history.perform(new MixStep(apply_, base_, now));
    base_ = now;
    return true;
}

void MixHistory::recordAction(std::unique_ptr<juce::UndoableAction> action,
                              const juce::String& name) {
    juce::UndoManager& history = current();
    history.beginNewTransaction(name);
    history.perform(action.release());
}

// What the controls hold afterwards is the new base: a linked pair, for
// one, may not take every value exactly as the step held it.
bool MixHistory::undo() {
    const bool undone = current().undo();
    base_ = collect_();
    return undone;
}

bool MixHistory::redo() {
    const bool redone = current().redo();
    base_ = collect_();
    return redone;
}

juce::String MixHistory::undoName() const {
    const auto found = histories_.find(unit_);
    return found != histories_.end() && found->second->canUndo()
               ? found->second->getUndoDescription()
               : juce::String();
}

juce::String MixHistory::redoName() const {
    const auto found = histories_.find(unit_);
    return found != histories_.end() && found->second->canRedo()
               ? found->second->getRedoDescription()
               : juce::String();
}
