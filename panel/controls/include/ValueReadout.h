#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The readout itself: the value in words on a small dark plate in the skin's
// amber, just above the control it belongs to (below it at the top edge). It
// takes no clicks and repaints only itself.
class ValueReadout : public juce::Component {
public:
    ValueReadout();
    ~ValueReadout() override = default;

    // Shows the text for the control, a descendant of this readout's parent.
    void showFor(const juce::Component& control, const juce::String& text);
    // Hides the readout if it is the control's.
    void hideFor(const juce::Component& control);

    void paint(juce::Graphics& g) override;
    const juce::String& getText() const { return text_; }

private:
    const juce::Component* control_ = nullptr;
    juce::String text_;
};
