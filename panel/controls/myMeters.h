#pragma once
#include "MeterBallistics.h"

#include <juce_gui_basics/juce_gui_basics.h>

class PanelState;

// A channel's level meter: the lit part of the meter-fill image below the
// current level, a peak marker held for 1.5 s, a clip indication that stays
// until the meter is clicked. It reads the mix-bypass flag of the panel state.
class myMeters : public juce::Component, private juce::Timer {
public:
    explicit myMeters(const PanelState& state);
    ~myMeters() override;

    // One update per meter poll: the unit's level and the fader's offset.
    void setLevel(double level, double offset);
    void setAlwaysAddOffset(bool on);

    // What a screen reader says: the name ("Strip 1 left level") and the level in words.
    void setAccessibleName(const juce::String& name);

    const MeterBallistics& getBallistics() const { return ballistics_; }

    void paint(juce::Graphics& g) override;
    void mouseDown(const juce::MouseEvent& event) override;

private:
    void timerCallback() override;
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    const PanelState& state_;
    MeterBallistics ballistics_;
    juce::Image image_;
};
