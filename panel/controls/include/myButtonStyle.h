#pragma once
#include "myLookAndFeel.h"

// An image toggle button's look: the pressed image while held down, else the
// on or off image for its state, at 40 % opacity when disabled; the focus mark
// while it has the keyboard focus. The three images (one size) come from the
// image cache, keyed by their compiled-in arrays.
class myButtonStyle : public myLookAndFeel {
public:
    myButtonStyle(const void* onImageData, int onImageSize, const void* offImageData,
                  int offImageSize, const void* pressedImageData, int pressedImageSize);
    ~myButtonStyle() override;

    void drawToggleButton(juce::Graphics& g, juce::ToggleButton& button,
                          bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    int getImageHeight() const override;
    int getImageWidth() const override;

private:
    juce::Image on_;
    juce::Image off_;
    juce::Image pressed_;
};
