#pragma once
#include "MeterBallistics.h"

#include <juce_gui_basics/juce_gui_basics.h>

class PanelState;
class SkinBackdrop;

// A channel's level meter: the lit part of the meter-fill image below the
// current level, a peak marker held for 1.5 s, a clip indication that stays
// until the meter is clicked. It reads the mix-bypass flag of the panel state.
class myMeters : public juce::Component {
public:
    explicit myMeters(const PanelState& state);
    ~myMeters() override = default;

    // One update per meter poll: the unit's level and the fader's offset. A held
    // peak goes with the first update 1.5 s after the latest rise.
    void setLevel(double level, double offset);
    void setAlwaysAddOffset(bool on);

    // What a screen reader says: the name ("Strip 1 left level") and the level in words.
    void setAccessibleName(const juce::String& name);

    const MeterBallistics& getBallistics() const { return ballistics_; }

    void paint(juce::Graphics& g) override;
    void resized() override;
    void mouseDown(const juce::MouseEvent& event) override;
    void parentHierarchyChanged() override;

private:
    void repaintRows(double from, double to);
    void repaintPeak(double position, int height);
    void restartHold();
    void endHoldIfOver();
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    const PanelState& state_;
    MeterBallistics ballistics_;
    juce::Image image_;
    juce::Path bar_;
    // The skin this meter stands on, when there is one: the meter is then opaque.
    const SkinBackdrop* backdrop_ = nullptr;
    // When the hold was last (re)started, in milliseconds of the system counter.
    juce::uint32 holdStarted_ = 0;
    bool holding_ = false;
};
