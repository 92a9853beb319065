#include "myTooltip.h"

#include "PanelState.h"
#include "SkinData.h"
#include "SkinImage.h"

#include <cmath>

namespace {

juce::TextLayout tipLayout(const juce::String& text, float maxWidth) {
    juce::AttributedString tip;
    tip.setJustification(juce::Justification::left);
    tip.append(text, juce::Font(15.0f, juce::Font::bold), juce::Colours::black);
    juce::TextLayout layout;
    layout.createLayoutWithBalancedLineLengths(tip, maxWidth);
    return layout;
}

}  // namespace

myTooltip::myTooltip(const PanelState& state)
    : state_(state),
      titleBar_(SkinImage::decoded(SkinData::titlebar_png, SkinData::titlebar_pngSize)),
      close_(SkinImage::cached(SkinData::close_png, SkinData::close_pngSize)),
      closePressed_(SkinImage::cached(SkinData::closedown_png, SkinData::closedown_pngSize)),
      closeHover_(SkinImage::cached(SkinData::closehover_png, SkinData::closehover_pngSize)) {}

myTooltip::~myTooltip() = default;

juce::Rectangle<int> myTooltip::getTooltipSize(const juce::String& tipText) const {
    if (!state_.getTooltipsShown())
        return {};
    const juce::TextLayout layout = tipLayout(tipText, 300.0f);
    // Rounded up: a tip cut to a pixel less than its text would wrap when drawn.
    return {int(std::ceil(layout.getWidth())) + 14, int(std::ceil(layout.getHeight())) + 20};
}

juce::Rectangle<int> myTooltip::getTooltipBounds(const juce::String& tipText,
                                                 juce::Point<int> screenPos,
                                                 juce::Rectangle<int> parentArea) {
    const juce::Rectangle<int> size = getTooltipSize(tipText);
    const int w = size.getWidth();
    const int h = size.getHeight();
    // Beside the pointer, on the side of the screen with more room.
    const int x = screenPos.x > parentArea.getCentreX() ? screenPos.x - (w + 12) : screenPos.x + 24;
    const int y = screenPos.y > parentArea.getCentreY() ? screenPos.y - (h + 6) : screenPos.y + 6;
    return juce::Rectangle<int>(x, y, w, h).constrainedWithin(parentArea);
}

void myTooltip::drawTooltip(juce::Graphics& g, const juce::String& text, int width, int height) {
    g.fillAll(juce::Colour(0xFFEEEEBB));
    g.setColour(juce::Colours::black.withAlpha(0.3f));
    g.drawRect(0, 0, width, height, 1);
    const juce::TextLayout layout = tipLayout(text, float(width - 14));
    const auto area = juce::Rectangle<float>(float(width), float(height));
    layout.draw(g, area.withSizeKeepingCentre(layout.getWidth(), layout.getHeight()));
}

juce::Button* myTooltip::createDocumentWindowButton(int buttonType) {
    if (buttonType != juce::DocumentWindow::closeButton)
        return nullptr;
    auto* button = new juce::ImageButton("close");
    const juce::Colour none = juce::Colours::transparentBlack;
    button->setImages(true, false, true, close_, 1.0f, none, closeHover_, 1.0f, none, closePressed_,
                      1.0f, none, 0.0f);
    button->setTitle("Close");
    return button;
}

void myTooltip::drawImageButton(juce::Graphics& g, juce::Image* image, int imageX, int imageY,
                                int imageW, int imageH, const juce::Colour&, float imageOpacity,
                                juce::ImageButton& button) {
    const juce::AffineTransform t =
        juce::RectanglePlacement(juce::RectanglePlacement::stretchToFit)
            .getTransformToFit(image->getBounds().toFloat(),
                               juce::Rectangle<int>(imageX, imageY, imageW, imageH).toFloat());
    g.setOpacity(button.isEnabled() ? imageOpacity : imageOpacity * 0.3f);
    SkinImage::draw(g, *image, t);
}

void myTooltip::drawDocumentWindowTitleBar(juce::DocumentWindow& window, juce::Graphics& g,
                                           int width, int height, int, int, const juce::Image*,
                                           bool) {
    g.setColour(juce::Colours::black);
    g.setFont(juce::Font(float(height) * 0.6f, juce::Font::bold));
    SkinImage::draw(g, titleBar_, {});
    g.drawText(window.getName(), 2, 0, width - 44, height - 2, juce::Justification::centredLeft,
               true);
    g.setOpacity(0.4f);
    g.fillRect(0, height - 1, width, 1);
}
