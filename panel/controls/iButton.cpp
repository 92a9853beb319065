#include "iButton.h"

#include "myLookAndFeel.h"

iButton::iButton(myLookAndFeel& look, const juce::String& name)
    : juce::Component(name), look_(look), button_(name) {
    button_.setClickingTogglesState(true);
    button_.setLookAndFeel(&look_);
    addAndMakeVisible(button_);
    button_.setBounds(0, 0, look_.getImageWidth(), look_.getImageHeight());
    button_.addListener(this);
}

iButton::~iButton() {
    button_.removeListener(this);
    button_.setLookAndFeel(nullptr);
}

void iButton::setName(const juce::String& newName) {
    juce::Component::setName(newName);
    button_.setName(newName);
}

void iButton::setToggleState(bool on) {
    button_.setToggleState(on, juce::sendNotification);
}

bool iButton::getToggleState() const {
    return button_.getToggleState();
}

void iButton::setEnabled(bool enabled) {
    button_.setEnabled(enabled);
}

void iButton::setTooltip(const juce::String& text) {
    button_.setTooltip(text);
}

void iButton::setAccessibleName(const juce::String& name) {
    button_.setAccessibleName(name);
}

void iButton::setStateText(std::function<juce::String(bool)> stateToText) {
    button_.setStateText(std::move(stateToText));
}

void iButton::buttonClicked(juce::Button*) {
    sendActionMessage(button_.getName());
}

// The button inside speaks for the wrapper.
std::unique_ptr<juce::AccessibilityHandler> iButton::createAccessibilityHandler() {
    return createIgnoredAccessibilityHandler(*this);
}
