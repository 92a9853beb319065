#pragma once
#include "myTooltip.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The updater's look: the panel's skinned title bar and close button, and
// for the plain widgets the panel's colours: dark brushed metal, light text,
// the amber of the skin's lit states and its focus mark.
class UpdaterLook : public myTooltip {
public:
    static juce::Colour amber();
    static juce::Colour text();
    static juce::Colour good();
    static juce::Colour bad();

    explicit UpdaterLook(const PanelState& state);
    ~UpdaterLook() override;

    void drawButtonBackground(juce::Graphics& g, juce::Button& button, const juce::Colour& colour,
                              bool highlighted, bool down) override;
    void drawToggleButton(juce::Graphics& g, juce::ToggleButton& button, bool highlighted,
                          bool down) override;
    juce::Font getTextButtonFont(juce::TextButton& button, int buttonHeight) override;
    void drawProgressBar(juce::Graphics& g, juce::ProgressBar& bar, int width, int height,
                         double progress, const juce::String& text) override;
};
