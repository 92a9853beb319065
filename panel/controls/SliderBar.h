#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The bar style shared by the fader and pan looks, in the framework look's colours.
namespace SliderBar {

bool isBar(juce::Slider::SliderStyle style);
void draw(juce::Graphics& g, juce::LookAndFeel& look, juce::Slider& slider, int x, int y,
          int height, float sliderPos);

}  // namespace SliderBar
