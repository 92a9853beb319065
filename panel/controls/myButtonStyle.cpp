#include "myButtonStyle.h"

#include "FocusMark.h"
#include "SkinImage.h"

myButtonStyle::myButtonStyle(const void* onImageData, int onImageSize, const void* offImageData,
                             int offImageSize, const void* pressedImageData, int pressedImageSize)
    : on_(SkinImage::cached(onImageData, onImageSize)),
      off_(SkinImage::cached(offImageData, offImageSize)),
      pressed_(SkinImage::cached(pressedImageData, pressedImageSize)) {}

myButtonStyle::~myButtonStyle() = default;

void myButtonStyle::drawToggleButton(juce::Graphics& g, juce::ToggleButton& button, bool,
                                     bool shouldDrawButtonAsDown) {
    g.setColour(juce::Colours::black.withAlpha(button.isEnabled() ? 1.0f : 0.4f));
    const juce::Image& image =
        shouldDrawButtonAsDown ? pressed_ : (button.getToggleState() ? on_ : off_);
    SkinImage::draw(g, image, {});
    if (FocusMark::shown(button))
        FocusMark::draw(g, image.getBounds().toFloat());
}

int myButtonStyle::getImageHeight() const {
    return on_.getHeight();
}

int myButtonStyle::getImageWidth() const {
    return on_.getWidth();
}
