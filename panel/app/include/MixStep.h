#pragma once
#include "RecordedStep.h"

#include <functional>

// One step of a unit's mix history: the whole mix before and after it. Undo
// and redo set the controls as a user's moves would, so the unit follows;
// only the controls whose values differ change.
class MixStep : public RecordedStep {
public:
    using Apply = std::function<void(const juce::PropertySet&)>;

    MixStep(Apply apply, const juce::PropertySet& before, const juce::PropertySet& after)
        : apply_(std::move(apply)), before_(before), after_(after) {}

private:
    void redo() override { apply_(after_); }
    void revert() override { apply_(before_); }

    Apply apply_;
    juce::PropertySet before_;
    juce::PropertySet after_;
};
