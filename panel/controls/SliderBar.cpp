#include "SliderBar.h"

namespace SliderBar {

bool isBar(juce::Slider::SliderStyle style) {
    return style == juce::Slider::LinearBar || style == juce::Slider::LinearBarVertical;
}

void draw(juce::Graphics& g, juce::LookAndFeel& look, juce::Slider& slider, int x, int y,
          int height, float sliderPos) {
    const bool enabled = slider.isEnabled();
    g.setColour(
        look.findColour(juce::Slider::backgroundColourId).withAlpha(enabled ? 0.5f : 0.15f));
    g.fillRect(slider.getLocalBounds());
    const auto bar =
        juce::Rectangle<float>(float(x), float(y), sliderPos - float(x), float(height));
    g.setColour(look.findColour(juce::Slider::thumbColourId));
    g.fillRect(bar);
    g.setColour(look.findColour(juce::Slider::trackColourId).withAlpha(0.5f));
    g.drawRect(bar, 1.0f);
}

}  // namespace SliderBar
