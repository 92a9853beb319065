#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// A framework toggle button that Space (or Return) toggles from the keyboard
// and that tells a screen reader its name and its state in words
// ("Main mute, on"). Clicks from the keyboard and from assistive technology
// arrive as ordinary clicks, so they reach the unit as a mouse click does.
class ControlButton : public juce::ToggleButton {
public:
    explicit ControlButton(const juce::String& name = {});
    ~ControlButton() override;

    // The name a screen reader announces, for example "Main mute".
    void setAccessibleName(const juce::String& name);
    // The words for the state; "on" and "off" without one.
    void setStateText(std::function<juce::String(bool)> stateToText);
    juce::String getStateText() const;

    bool keyPressed(const juce::KeyPress& key) override;
    void focusGained(FocusChangeType cause) override;
    void focusLost(FocusChangeType cause) override;
    void mouseEnter(const juce::MouseEvent& event) override;
    void mouseExit(const juce::MouseEvent& event) override;
    void buttonStateChanged() override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    // A named switch shows its state in a readout while hovered or focused.
    void updateReadout();

    std::function<juce::String(bool)> stateText_;
    bool hovered_ = false;
    bool readoutShown_ = false;
};
