#include "NoDevice.h"

namespace {

const char kText[] = "No Device";
const int kTextSide = 70;

// At height 20 the words are wider than the 70-pixel box and were cut to
// "No De..."; the font shrinks until they fit (the ellipsis stays a last resort).
juce::Font fittedFont() {
    juce::Font font(20.0f);
    const float width = font.getStringWidthFloat(kText);
    if (width > float(kTextSide))
        font.setHeight(juce::jmax(10.0f, 20.0f * float(kTextSide) / width));
    return font;
}

}  // namespace

void NoDevice::paint(juce::Graphics& g) {
    g.setColour(juce::Colour(0xFFD3D3D3).withAlpha(0.6f));
    g.fillRoundedRectangle(getLocalBounds().toFloat(), 1.0f);
    g.setColour(juce::Colours::black.withAlpha(0.7f));
    g.fillRoundedRectangle(float(centre_.x - 40), float(centre_.y - 9), 80.0f, 20.0f, 7.0f);
    g.setColour(juce::Colours::white);
    g.setFont(fittedFont());
    const juce::Rectangle<int> box(centre_.x - kTextSide / 2, centre_.y - kTextSide / 2, kTextSide,
                                   kTextSide);
    g.drawText(kText, box, juce::Justification::centred, true);
}
