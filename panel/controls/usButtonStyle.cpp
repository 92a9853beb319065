#include "usButtonStyle.h"

#include "FocusMark.h"
#include "SkinData.h"
#include "SkinImage.h"

usButtonStyle::usButtonStyle()
    : icon_(SkinImage::cached(SkinData::unitsmall_png, SkinData::unitsmall_pngSize)) {}

usButtonStyle::~usButtonStyle() = default;

void usButtonStyle::drawToggleButton(juce::Graphics& g, juce::ToggleButton& button, bool, bool) {
    g.setFont(juce::Font(12.0f, juce::Font::plain));
    float alpha = button.getToggleState() ? 1.0f : 0.4f;
    if (!button.isEnabled())
        alpha = 0.0f;
    g.setColour(juce::Colours::black.withAlpha(alpha));
    SkinImage::draw(g, icon_, {});
    g.drawFittedText(button.getButtonText(), 1, 12, button.getWidth(), button.getHeight(),
                     juce::Justification::centred, 1);
    if (FocusMark::shown(button))
        FocusMark::draw(g, button.getLocalBounds().toFloat());
}

int usButtonStyle::getIconWidth() const {
    return icon_.getWidth();
}

int usButtonStyle::getUnitButtonHeight() const {
    return icon_.getHeight() + 11;
}
