#include "mySlider.h"

#include "FocusMark.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "SliderBar.h"

mySlider::mySlider() : image_(SkinImage::cached(SkinData::fader_png, SkinData::fader_pngSize)) {}

mySlider::~mySlider() = default;

void mySlider::drawLinearSlider(juce::Graphics& g, int x, int y, int, int height, float sliderPos,
                                float, float, juce::Slider::SliderStyle style,
                                juce::Slider& slider) {
    if (SliderBar::isBar(style)) {
        SliderBar::draw(g, *this, slider, x, y, height, sliderPos);
        return;
    }
    if (!slider.isVertical())
        return;
    const int top = int(sliderPos - 20.0f);
    g.setColour(juce::Colour(0xFF808080).withAlpha(slider.isEnabled() ? 1.0f : 0.5f));
    SkinImage::draw(g, image_, juce::AffineTransform::translation(0.0f, float(top)));
    if (FocusMark::shown(slider))
        FocusMark::draw(
            g, juce::Rectangle<int>(0, top, image_.getWidth(), image_.getHeight()).toFloat());
}

int mySlider::getSliderThumbRadius(juce::Slider&) {
    return image_.getHeight() / 2;
}
