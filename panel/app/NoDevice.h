#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The veil over the main component while no unit is attached: a pale wash
// with "No Device" in a dark box. Lying above the sections, it also takes
// the clicks meant for them.
class NoDevice : public juce::Component {
public:
    NoDevice() = default;
    ~NoDevice() override = default;

    void paint(juce::Graphics& g) override;
};
