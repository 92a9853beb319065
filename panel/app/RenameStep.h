#pragma once
#include "RecordedStep.h"

#include <functional>

// A unit's new name as a step of the history: undo gives the unit its old
// name again (empty for the unnamed state), redo the new one.
class RenameStep : public RecordedStep {
public:
    using Rename = std::function<void(int unitIndex, const juce::String& name)>;

    RenameStep(Rename rename, int unitIndex, const juce::String& before, const juce::String& after)
        : rename_(std::move(rename)), unitIndex_(unitIndex), before_(before), after_(after) {}

private:
    void redo() override { rename_(unitIndex_, after_); }
    void revert() override { rename_(unitIndex_, before_); }

    Rename rename_;
    int unitIndex_;
    juce::String before_;
    juce::String after_;
};
