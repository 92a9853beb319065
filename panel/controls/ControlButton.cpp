#include "ControlButton.h"

#include "FocusMark.h"
#include "ReadoutHost.h"
#include "ValueText.h"

namespace {

class ButtonState : public juce::AccessibilityTextValueInterface {
public:
    explicit ButtonState(ControlButton& button) : button_(button) {}

    bool isReadOnly() const override { return true; }
    juce::String getCurrentValueAsString() const override { return button_.getStateText(); }
    void setValueAsString(const juce::String&) override {}

private:
    ControlButton& button_;
};

// Press and toggle both arrive as a click, the path a mouse click takes.
class ButtonHandler : public juce::AccessibilityHandler {
public:
    explicit ButtonHandler(ControlButton& button)
        : juce::AccessibilityHandler(button, juce::AccessibilityRole::toggleButton,
                                     juce::AccessibilityActions()
                                         .addAction(juce::AccessibilityActionType::press,
                                                    [&button] { button.triggerClick(); })
                                         .addAction(juce::AccessibilityActionType::toggle,
                                                    [&button] { button.triggerClick(); }),
                                     {std::make_unique<ButtonState>(button)}),
          button_(button) {}

    juce::AccessibleState getCurrentState() const override {
        juce::AccessibleState state = juce::AccessibilityHandler::getCurrentState().withCheckable();
        return button_.getToggleState() ? state.withChecked() : state;
    }
    juce::String getHelp() const override { return button_.getTooltip(); }

private:
    ControlButton& button_;
};

}  // namespace

ControlButton::ControlButton(const juce::String& name) : juce::ToggleButton(name) {
    setWantsKeyboardFocus(true);
}

ControlButton::~ControlButton() = default;

void ControlButton::setAccessibleName(const juce::String& name) {
    setTitle(name);
}

void ControlButton::setStateText(std::function<juce::String(bool)> stateToText) {
    stateText_ = std::move(stateToText);
}

juce::String ControlButton::getStateText() const {
    return stateText_ ? stateText_(getToggleState()) : ValueText::onOff(getToggleState());
}

bool ControlButton::keyPressed(const juce::KeyPress& key) {
    const bool toggleKey = key == juce::KeyPress(juce::KeyPress::spaceKey) ||
                           key == juce::KeyPress(juce::KeyPress::returnKey);
    if (!isEnabled() || !toggleKey)
        return false;
    FocusMark::noteKeyUsed(*this);
    triggerClick();
    updateReadout();
    return true;
}

void ControlButton::focusGained(FocusChangeType cause) {
    FocusMark::noteFocusCause(*this, cause);
    juce::ToggleButton::focusGained(cause);
    updateReadout();
}

void ControlButton::focusLost(FocusChangeType cause) {
    juce::ToggleButton::focusLost(cause);
    updateReadout();
}

void ControlButton::mouseEnter(const juce::MouseEvent& event) {
    juce::ToggleButton::mouseEnter(event);
    hovered_ = true;
    updateReadout();
}

void ControlButton::mouseExit(const juce::MouseEvent& event) {
    juce::ToggleButton::mouseExit(event);
    hovered_ = false;
    updateReadout();
}

// A toggle changes the state too: the readout follows it.
void ControlButton::buttonStateChanged() {
    juce::ToggleButton::buttonStateChanged();
    if (readoutShown_)
        updateReadout();
}

void ControlButton::updateReadout() {
    const bool wanted = isEnabled() && getTitle().isNotEmpty() &&
                        (hovered_ || (hasKeyboardFocus(false) && FocusMark::shown(*this)));
    if (!wanted && !readoutShown_)
        return;
    readoutShown_ = wanted;
    ReadoutHost::update(*this, wanted, getStateText());
}

std::unique_ptr<juce::AccessibilityHandler> ControlButton::createAccessibilityHandler() {
    return std::make_unique<ButtonHandler>(*this);
}
