#include "MuteButton.h"

#include "AvcUnit.h"
#include "SkinData.h"

MuteButton::MuteButton(AvcUnit& unit)
    : unit_(unit),
      look_(SkinData::muteon_png, SkinData::muteon_pngSize, SkinData::muteoff_png,
            SkinData::muteoff_pngSize, SkinData::mutedown_png, SkinData::mutedown_pngSize),
      button_(look_, "Mute") {
    addAndMakeVisible(button_);
    button_.setBounds(0, 0, look_.getImageWidth(), look_.getImageHeight());
    button_.addActionListener(this);
}

MuteButton::~MuteButton() {
    button_.removeActionListener(this);
}

void MuteButton::setSide(int address, int side) {
    address_ = address;
    side_ = side;
    if (side == 1)
        button_.setName("MuteL");
    else if (side == 2)
        button_.setName("MuteR");
}

void MuteButton::setToggleState(bool on) {
    button_.setToggleState(on);
}

void MuteButton::setEnabled(bool enabled) {
    button_.setEnabled(enabled);
}

bool MuteButton::isMuted() {
    muted_ = button_.getToggleState();
    return muted_;
}

int MuteButton::getImageWidth() {
    width_ = look_.getImageWidth();
    return width_;
}

int MuteButton::getImageHeight() {
    height_ = look_.getImageHeight();
    return height_;
}

void MuteButton::setAccessibleName(const juce::String& name) {
    button_.setAccessibleName(name);
}

void MuteButton::setTooltip(const juce::String& text) {
    button_.setTooltip(text);
}

void MuteButton::actionListenerCallback(const juce::String&) {
    sender_.send();
    sendActionMessage(button_.getName());
}

std::unique_ptr<juce::AccessibilityHandler> MuteButton::createAccessibilityHandler() {
    return createIgnoredAccessibilityHandler(*this);
}
