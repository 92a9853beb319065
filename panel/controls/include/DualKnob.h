#pragma once
#include "KnobCtl.h"

#include <juce_data_structures/juce_data_structures.h>
#include <juce_gui_basics/juce_gui_basics.h>

class AvcUnit;

// The line input's two gains on one spot: a large outer ring (right channel)
// and a small inner knob (left channel), linked so that turning one turns the
// other by the same amount; with Alt held one turns alone.
class DualKnob : public juce::Component, private juce::ChangeListener {
public:
    explicit DualKnob(AvcUnit& unit);
    ~DualKnob() override;

    // Reads both gains of block 2 (128 for a failed read) and sets the knobs.
    void refreshFromUnit();
    // "LeftLine" is the inner knob, "RightLine" the outer ring.
    void saveState(juce::PropertySet& mix) const;
    void loadState(const juce::PropertySet& mix);
    void setLinearDrag(bool linear);

    KnobCtl& getInnerKnob() { return inner_; }
    KnobCtl& getOuterKnob() { return outer_; }

private:
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    void rememberValues();

    AvcUnit& unit_;
    KnobCtl outer_;
    KnobCtl inner_;
    double lastOuter_ = 0.0;
    double lastInner_ = 0.0;
};
