#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The pan look: the pan handle image on a horizontal slider, at half opacity
// when disabled, with the focus mark around the handle.
class iPanStyle : public juce::LookAndFeel_V4 {
public:
    iPanStyle();
    ~iPanStyle() override;

    void drawLinearSlider(juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                          float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                          juce::Slider& slider) override;
    int getSliderThumbRadius(juce::Slider& slider) override;

    const juce::Image& getHandleImage() const { return image_; }

private:
    juce::Image image_;
};
