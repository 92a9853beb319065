#include "ControlSlider.h"

#include "FocusMark.h"
#include "ReadoutHost.h"

namespace {

// Tells a screen reader the slider's value in the owner's words and lets it
// set a value, which counts as the user's move.
class SliderValue : public juce::AccessibilityValueInterface {
public:
    explicit SliderValue(ControlSlider& slider) : slider_(slider) {}

    bool isReadOnly() const override { return !slider_.isEnabled(); }
    double getCurrentValue() const override { return slider_.getValue(); }
    void setValue(double value) override { slider_.setValueByUser(value); }
    juce::String getCurrentValueAsString() const override {
        return slider_.getTextFromValue(slider_.getValue());
    }
    void setValueAsString(const juce::String& text) override {
        setValue(slider_.getValueFromText(text));
    }
    AccessibleValueRange getRange() const override {
        return {{slider_.getMinimum(), slider_.getMaximum()}, slider_.getArrowStep()};
    }

private:
    ControlSlider& slider_;
};

class SliderHandler : public juce::AccessibilityHandler {
public:
    explicit SliderHandler(ControlSlider& slider)
        : juce::AccessibilityHandler(slider, juce::AccessibilityRole::slider, {},
                                     {std::make_unique<SliderValue>(slider)}),
          slider_(slider) {}

    juce::String getHelp() const override { return slider_.getTooltip(); }

private:
    ControlSlider& slider_;
};

}  // namespace

ControlSlider::ControlSlider(const juce::String& name) : juce::Slider(name) {
    setWantsKeyboardFocus(true);
}

ControlSlider::~ControlSlider() = default;

void ControlSlider::setAccessibleName(const juce::String& name) {
    setTitle(name);
}

void ControlSlider::setValueText(std::function<juce::String(double)> valueToText) {
    textFromValueFunction = std::move(valueToText);
}

void ControlSlider::setReadoutText(std::function<juce::String(double)> valueToText) {
    readoutText_ = std::move(valueToText);
}

void ControlSlider::setKeySteps(double arrowStep, double pageStep) {
    arrowStep_ = arrowStep;
    pageStep_ = pageStep;
}

bool ControlSlider::isUserMove() const {
    return userMove_ || isMouseOverOrDragging();
}

void ControlSlider::setValueByUser(double value) {
    const juce::ScopedValueSetter<bool> user(userMove_, true);
    setValue(value, juce::sendNotificationSync);
}

bool ControlSlider::keyTarget(const juce::KeyPress& key, double& target) const {
    // Alt passes through: a dual knob turns one knob alone with it.
    if ((key.getModifiers().getRawFlags() & ~juce::ModifierKeys::altModifier) != 0)
        return false;
    const int code = key.getKeyCode();
    const double value = getValue();
    if (code == juce::KeyPress::upKey || code == juce::KeyPress::rightKey)
        target = value + arrowStep_;
    else if (code == juce::KeyPress::downKey || code == juce::KeyPress::leftKey)
        target = value - arrowStep_;
    else if (code == juce::KeyPress::pageUpKey)
        target = value + pageStep_;
    else if (code == juce::KeyPress::pageDownKey)
        target = value - pageStep_;
    else if (code == juce::KeyPress::homeKey)
        target = getMinimum();
    else if (code == juce::KeyPress::endKey)
        target = getMaximum();
    else
        return false;
    return true;
}

bool ControlSlider::keyPressed(const juce::KeyPress& key) {
    double target = 0.0;
    if (!isEnabled() || !keyTarget(key, target))
        return false;
    FocusMark::noteKeyUsed(*this);
    setValueByUser(target);
    updateReadout();
    return true;
}

void ControlSlider::focusGained(FocusChangeType cause) {
    FocusMark::noteFocusCause(*this, cause);
    juce::Slider::focusGained(cause);
    repaint();
    updateReadout();
}

void ControlSlider::focusLost(FocusChangeType cause) {
    juce::Slider::focusLost(cause);
    repaint();
    updateReadout();
}

void ControlSlider::mouseEnter(const juce::MouseEvent& event) {
    juce::Slider::mouseEnter(event);
    hovered_ = true;
    updateReadout();
}

void ControlSlider::mouseExit(const juce::MouseEvent& event) {
    juce::Slider::mouseExit(event);
    hovered_ = false;
    updateReadout();
}

void ControlSlider::startedDragging() {
    dragging_ = true;
    updateReadout();
}

void ControlSlider::stoppedDragging() {
    dragging_ = false;
    updateReadout();
}

void ControlSlider::valueChanged() {
    if (readoutShown_)
        updateReadout();
}

// Shown while hovered, dragged, or focused with the mark showing (a key used).
void ControlSlider::updateReadout() {
    const bool wanted = isEnabled() && (hovered_ || dragging_ ||
                                        (hasKeyboardFocus(false) && FocusMark::shown(*this)));
    if (!wanted && !readoutShown_)
        return;
    readoutShown_ = wanted;
    const double value = getValue();
    ReadoutHost::update(*this, wanted,
                        readoutText_ ? readoutText_(value) : getTextFromValue(value));
}

std::unique_ptr<juce::AccessibilityHandler> ControlSlider::createAccessibilityHandler() {
    return std::make_unique<SliderHandler>(*this);
}
