#include "ValueReadout.h"

#include "FocusMark.h"

namespace {

constexpr float kFontHeight = 12.0f;
constexpr int kHeight = 17;
constexpr int kGap = 2;

}  // namespace

ValueReadout::ValueReadout() {
    setInterceptsMouseClicks(false, false);
    setVisible(false);
}

void ValueReadout::showFor(const juce::Component& control, const juce::String& text) {
    auto* parent = getParentComponent();
    if (parent == nullptr)
        return;
    control_ = &control;
    text_ = text;
    const juce::Rectangle<int> area = parent->getLocalArea(&control, control.getLocalBounds());
    const int width = juce::roundToInt(juce::Font(kFontHeight).getStringWidthFloat(text)) + 12;
    juce::Rectangle<int> bounds(area.getCentreX() - width / 2, area.getY() - kGap - kHeight, width,
                                kHeight);
    if (bounds.getY() < 0)
        bounds.setY(area.getBottom() + kGap);
    setBounds(bounds.constrainedWithin(parent->getLocalBounds()));
    toFront(false);
    setVisible(true);
    repaint();
}

void ValueReadout::hideFor(const juce::Component& control) {
    if (control_ != &control)
        return;
    control_ = nullptr;
    setVisible(false);
}

void ValueReadout::paint(juce::Graphics& g) {
    const juce::Rectangle<float> plate = getLocalBounds().toFloat().reduced(0.5f);
    g.setColour(juce::Colour(0xE0101214));
    g.fillRoundedRectangle(plate, 4.0f);
    g.setColour(FocusMark::colour().withAlpha(0.6f));
    g.drawRoundedRectangle(plate, 4.0f, 1.0f);
    g.setColour(FocusMark::colour());
    g.setFont(juce::Font(kFontHeight));
    g.drawText(text_, getLocalBounds(), juce::Justification::centred, false);
}
