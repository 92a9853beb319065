#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The look of the control panel's drop-down selectors: no box of their own,
// light green text over the skin, a black list with a red selection.
class cpStyle : public juce::LookAndFeel_V4 {
public:
    cpStyle();
    ~cpStyle() override;

    void drawComboBox(juce::Graphics& g, int width, int height, bool isButtonDown, int buttonX,
                      int buttonY, int buttonW, int buttonH, juce::ComboBox& box) override;
    // The text fills the selector up to the skin's printed arrow, in a font
    // small enough for "10.0 ms" and "88.2 kHz".
    juce::Font getComboBoxFont(juce::ComboBox& box) override;
    void positionComboBoxText(juce::ComboBox& box, juce::Label& label) override;
};
