#include "NoDevice.h"

void NoDevice::paint(juce::Graphics& g) {
    g.setColour(juce::Colour(0xFFD3D3D3).withAlpha(0.6f));
    g.fillRoundedRectangle(getLocalBounds().toFloat(), 1.0f);
    g.setColour(juce::Colours::black.withAlpha(0.7f));
    g.fillRoundedRectangle(290.0f, 276.0f, 80.0f, 20.0f, 7.0f);
    g.setColour(juce::Colours::white);
    g.setFont(juce::Font(20.0f));
    g.drawText("No Device", 295, 250, 70, 70, juce::Justification::centred, true);
}
