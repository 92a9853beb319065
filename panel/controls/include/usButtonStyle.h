#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The unit selector's button look: the unit icon with the unit's name under
// it, full strength when selected, faded when not, invisible when disabled.
class usButtonStyle : public juce::LookAndFeel_V4 {
public:
    usButtonStyle();
    ~usButtonStyle() override;

    void drawToggleButton(juce::Graphics& g, juce::ToggleButton& button,
                          bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    int getIconWidth() const;
    // The icon's height and 11 pixels for the name: 35.
    int getUnitButtonHeight() const;

private:
    juce::Image icon_;
};
