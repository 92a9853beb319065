#pragma once
#include "ControlButton.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

class myLookAndFeel;

// An image toggle button that re-announces each click, and each state change
// set with notification, as an action message carrying its name. The look is
// the owner's and must outlive the button.
class iButton : public juce::Component,
                public juce::ActionBroadcaster,
                private juce::Button::Listener {
public:
    iButton(myLookAndFeel& look, const juce::String& name);
    ~iButton() override;

    // Names the button and the messages it sends.
    void setName(const juce::String& newName) override;

    // Sets the state with notification, so listeners hear it as a click.
    void setToggleState(bool on);
    bool getToggleState() const;
    void setEnabled(bool enabled);
    void setTooltip(const juce::String& text);

    // What a screen reader says: the name ("Main mute") and the state in words.
    void setAccessibleName(const juce::String& name);
    void setStateText(std::function<juce::String(bool)> stateToText);

    ControlButton& getButton() { return button_; }

private:
    void buttonClicked(juce::Button* button) override;
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    myLookAndFeel& look_;
    ControlButton button_;
};
