#pragma once
#include "SwitchSender.h"
#include "iButton.h"
#include "myButtonStyle.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

class AvcUnit;

// The mute switch of one channel side: each click (mouse, keyboard or screen
// reader) sends SetMute at once and then the action message "MuteL" or "MuteR".
class MuteButton : public juce::Component,
                   private juce::ActionListener,
                   public juce::ActionBroadcaster {
public:
    explicit MuteButton(AvcUnit& unit);
    ~MuteButton() override;

    // Side 1 names the button "MuteL", side 2 "MuteR"; other sides keep the name.
    void setSide(int address, int side);
    void setToggleState(bool on);
    void setEnabled(bool enabled);
    bool isMuted();
    int getImageWidth();
    int getImageHeight();

    // What a screen reader says: the name ("Main mute") and "on" or "off".
    void setAccessibleName(const juce::String& name);
    void setTooltip(const juce::String& text);

    iButton& getButton() { return button_; }

private:
    void actionListenerCallback(const juce::String& message) override;
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    AvcUnit& unit_;
    myButtonStyle look_;
    iButton button_;
    int address_ = 0;
    int side_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool muted_ = false;
    SwitchSender sender_{unit_, [this] { return button_.getToggleState(); },
                         [this](bool on) { unit_.SetMute(address_, side_, on); }};
};
