#include "KnobCtl.h"

#include "ValueText.h"

KnobCtl::KnobCtl(AvcUnit& unit, int imageKind, int firstAddress, int secondAddress,
                 bool gainSelector)
    : style_(imageKind),
      slider_("Knob"),
      sender_(unit),
      gainSelector_(gainSelector),
      firstAddress_(firstAddress),
      secondAddress_(secondAddress) {
    addAndMakeVisible(slider_);
    slider_.setLookAndFeel(&style_);
    slider_.setBounds(0, 0, style_.getKnobImageWidth(), style_.getKnobImageHeight());
    slider_.setRange(0.0, 255.0, 0.0);
    slider_.setValue(0.0, juce::sendNotificationAsync);
    slider_.setSliderStyle(juce::Slider::Rotary);
    slider_.setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
    slider_.setRotaryParameters(1.16f * juce::MathConstants<float>::pi,
                                2.85f * juce::MathConstants<float>::pi, true);
    slider_.setVelocityBasedMode(false);
    slider_.setValueText(gainSelector ? ValueText::gain : ValueText::level);
    slider_.addListener(this);
}

KnobCtl::~KnobCtl() {
    slider_.removeListener(this);
    slider_.setLookAndFeel(nullptr);
}

void KnobCtl::setValue(double value) {
    slider_.setValue(value, juce::sendNotificationAsync);
}

double KnobCtl::getValue() const {
    return slider_.getValue();
}

void KnobCtl::setSkewFactor(double factor) {
    slider_.setSkewFactor(factor);
}

void KnobCtl::setLinearDrag(bool linear) {
    slider_.setSliderStyle(linear ? juce::Slider::RotaryVerticalDrag : juce::Slider::Rotary);
}

void KnobCtl::setTooltip(const juce::String& text) {
    tooltip_ = text;
    // The tooltip window asks the component under the mouse, which is the slider.
    slider_.setTooltip(text);
}

juce::String KnobCtl::getTooltip() {
    return tooltip_;
}

void KnobCtl::setAccessibleName(const juce::String& name) {
    slider_.setAccessibleName(name);
}

void KnobCtl::setValueText(std::function<juce::String(double)> valueToText) {
    slider_.setValueText(std::move(valueToText));
}

void KnobCtl::sliderValueChanged(juce::Slider* slider) {
    if (slider != &slider_)
        return;
    changedByUser_ = slider_.isUserMove();
    if (changedByUser_)
        sendChangeMessage();
    sender_.request(gainSelector_ ? delayAVC::Gain : delayAVC::LevelKnob, firstAddress_,
                    secondAddress_, slider_.getValue());
}

// The slider inside speaks for the knob.
std::unique_ptr<juce::AccessibilityHandler> KnobCtl::createAccessibilityHandler() {
    return createIgnoredAccessibilityHandler(*this);
}
