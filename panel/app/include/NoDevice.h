#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The veil over the main component (or the shade strip) while no unit is
// attached: a pale wash with "No Device" in a dark box centred on a point of
// its own. Lying above the sections, it also takes the clicks meant for them.
class NoDevice : public juce::Component {
public:
    // Where the main component shows the words.
    static constexpr juce::Point<int> kMainCentre{330, 285};

    explicit NoDevice(juce::Point<int> centre = kMainCentre) : centre_(centre) {}
    ~NoDevice() override = default;

    void paint(juce::Graphics& g) override;

private:
    juce::Point<int> centre_;
};
