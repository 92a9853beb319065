#pragma once
#include "MixStep.h"

#include <juce_data_structures/juce_data_structures.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

// The undo history of the mix, one per unit: switching units keeps each
// unit's steps. The controls report nothing themselves: after each gesture
// the owner asks for a step, and the mix as it stands is compared with the
// mix after the last step (or read from the unit).
class MixHistory {
public:
    static constexpr int kSteps = 100;
    using Collect = std::function<juce::PropertySet()>;

    MixHistory(MixStep::Apply apply, Collect collect);

    // The unit shown now, read from it: its history, and the mix it holds as the base.
    void show(const std::string& unit);
    // A step when the mix differs from the base, named after the first control
    // that changed unless a name is given ("Load mix").
    bool recordChange(const juce::String& name = {});
    // A step that is no change of the mix (a rename), already done.
    void recordAction(std::unique_ptr<juce::UndoableAction> action, const juce::String& name);

    bool undo();
    bool redo();
    // "Main fader", or empty when there is nothing to undo (redo).
    juce::String undoName() const;
    juce::String redoName() const;

private:
    juce::UndoManager& current();

    MixStep::Apply apply_;
    Collect collect_;
    std::map<std::string, std::unique_ptr<juce::UndoManager>> histories_;
    std::string unit_;
    juce::PropertySet base_;
};
