#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// A framework slider that a keyboard and a screen reader can operate: arrow
// keys move it by a small step, Page Up/Down by a large one, Home and End to
// its ends; it reports its accessible name and its value in words. Knobs use
// it inside, and the mixer modules can use it for their faders and pans.
// While a key or a screen reader moves it, isUserMove() is true, so owners
// treat such a change as they treat a drag.
class ControlSlider : public juce::Slider {
public:
    explicit ControlSlider(const juce::String& name = {});
    ~ControlSlider() override;

    // The name a screen reader announces, for example "Input 1 gain".
    void setAccessibleName(const juce::String& name);
    // The words for a value, for example "+12.5 dB"; without one the number is read.
    void setValueText(std::function<juce::String(double)> valueToText);
    // The words of the readout shown while the slider is hovered, dragged or
    // focused; the screen reader's words without one.
    void setReadoutText(std::function<juce::String(double)> valueToText);
    // The moves of the arrow keys and of Page Up/Down, in value units.
    void setKeySteps(double arrowStep, double pageStep);
    double getArrowStep() const { return arrowStep_; }

    // Whether the current change comes from the user: the mouse over the
    // slider or dragging it, a key press or a screen reader.
    bool isUserMove() const;

    bool keyPressed(const juce::KeyPress& key) override;
    void focusGained(FocusChangeType cause) override;
    void focusLost(FocusChangeType cause) override;
    void mouseEnter(const juce::MouseEvent& event) override;
    void mouseExit(const juce::MouseEvent& event) override;
    void startedDragging() override;
    void stoppedDragging() override;
    void valueChanged() override;

    // A value set as the user's move, sent synchronously to the listeners.
    void setValueByUser(double value);

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    // The value a key moves the slider to; false for a key it does not take.
    bool keyTarget(const juce::KeyPress& key, double& target) const;
    void updateReadout();

    double arrowStep_ = 3.0;
    double pageStep_ = 25.0;
    bool userMove_ = false;
    std::function<juce::String(double)> readoutText_;
    bool hovered_ = false;
    bool dragging_ = false;
    bool readoutShown_ = false;
};
