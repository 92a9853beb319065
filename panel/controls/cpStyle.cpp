#include "cpStyle.h"

#include "FocusMark.h"

cpStyle::cpStyle() {
    const juce::Colour lightGreen(0xFF90EE90);
    const juce::Colour red(0xFFFF0000);
    setColour(juce::ComboBox::textColourId, lightGreen);
    setColour(juce::PopupMenu::textColourId, lightGreen);
    setColour(juce::PopupMenu::backgroundColourId, juce::Colour(0xFF000000));
    setColour(juce::PopupMenu::highlightedBackgroundColourId, red);
    setColour(juce::ComboBox::focusedOutlineColourId, red);
    setColour(juce::ComboBox::backgroundColourId, juce::Colours::transparentBlack);
    setColour(juce::ComboBox::outlineColourId, juce::Colours::transparentBlack);
    setColour(juce::ComboBox::arrowColourId, juce::Colour(0xFFD3D3D3));
}

cpStyle::~cpStyle() = default;

// No box: the selector's text stands on the skin. Only the keyboard focus shows.
void cpStyle::drawComboBox(juce::Graphics& g, int width, int height, bool, int, int, int, int,
                           juce::ComboBox& box) {
    if (FocusMark::shown(box))
        FocusMark::draw(g, juce::Rectangle<int>(width, height).toFloat());
}

juce::Font cpStyle::getComboBoxFont(juce::ComboBox& box) {
    return juce::Font(juce::jmin(14.0f, float(box.getHeight()) * 0.7f));
}

void cpStyle::positionComboBoxText(juce::ComboBox& box, juce::Label& label) {
    label.setBounds(1, 1, box.getWidth() - 14, box.getHeight() - 2);
    label.setFont(getComboBoxFont(box));
}
