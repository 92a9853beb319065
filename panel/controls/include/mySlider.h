#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The fader look: the fader cap image on a vertical slider, at half opacity
// when disabled, with the focus mark around the cap.
class mySlider : public juce::LookAndFeel_V4 {
public:
    mySlider();
    ~mySlider() override;

    void drawLinearSlider(juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                          float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                          juce::Slider& slider) override;
    int getSliderThumbRadius(juce::Slider& slider) override;

    const juce::Image& getCapImage() const { return image_; }

private:
    juce::Image image_;
};
