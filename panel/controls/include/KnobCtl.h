#pragma once
#include "ControlSlider.h"
#include "KnobStyle.h"
#include "delayAVC.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AvcUnit;

// The panel's rotary knob: a value from 0 to 255 that goes to the unit through
// its own deferred sender on every change. It broadcasts a change message, with
// itself as source, only for the user's changes: a drag, the mouse wheel over
// it, the keyboard or a screen reader. Programmatic changes reach the unit too
// but are not broadcast.
class KnobCtl : public juce::Component,
                private juce::Slider::Listener,
                public juce::ChangeBroadcaster,
                public juce::TooltipClient {
public:
    // gainSelector true drives SetGain (kind 3), false SetOutputVolume (kind 4);
    // both addresses go unchanged to the sender.
    KnobCtl(AvcUnit& unit, int imageKind, int firstAddress, int secondAddress, bool gainSelector);
    ~KnobCtl() override;

    // Sets the value (clamped to 0..255) with an asynchronous change notification.
    void setValue(double value);
    double getValue() const;
    void setSkewFactor(double factor);
    // true: rotary with up-down dragging; false: rotary with circular dragging.
    void setLinearDrag(bool linear);

    void setTooltip(const juce::String& text);
    juce::String getTooltip() override;

    // What a screen reader says: the name, and the value in words.
    void setAccessibleName(const juce::String& name);
    void setValueText(std::function<juce::String(double)> valueToText);

    // Whether the last value change was the user's.
    bool isChangedByUser() const { return changedByUser_; }

    ControlSlider& getSlider() { return slider_; }
    const KnobStyle& getStyle() const { return style_; }

private:
    void sliderValueChanged(juce::Slider* slider) override;
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    KnobStyle style_;
    ControlSlider slider_;
    delayAVC sender_;
    juce::String tooltip_;
    bool changedByUser_ = false;
    bool gainSelector_;
    int firstAddress_;
    int secondAddress_;
};
