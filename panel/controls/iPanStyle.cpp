#include "iPanStyle.h"

#include "FocusMark.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "SliderBar.h"

iPanStyle::iPanStyle()
    : image_(SkinImage::cached(SkinData::panhandle_png, SkinData::panhandle_pngSize)) {}

iPanStyle::~iPanStyle() = default;

void iPanStyle::drawLinearSlider(juce::Graphics& g, int x, int y, int, int height, float sliderPos,
                                 float, float, juce::Slider::SliderStyle style,
                                 juce::Slider& slider) {
    if (SliderBar::isBar(style)) {
        SliderBar::draw(g, *this, slider, x, y, height, sliderPos);
        return;
    }
    if (!slider.isHorizontal())
        return;
    // The handle starts 10 pixels left of the thumb position, one more than its half width.
    const int left = int(sliderPos - 10.0f);
    g.setColour(juce::Colour(0xFF808080).withAlpha(slider.isEnabled() ? 1.0f : 0.5f));
    SkinImage::draw(g, image_, juce::AffineTransform::translation(float(left), 0.0f));
    if (FocusMark::shown(slider))
        FocusMark::draw(g,
                        juce::Rectangle<float>(float(left - 2), 0.0f, float(image_.getWidth() + 4),
                                               float(slider.getHeight())),
                        3.0f);
}

int iPanStyle::getSliderThumbRadius(juce::Slider&) {
    return image_.getWidth() / 2;
}
