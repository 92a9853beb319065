#pragma once
#include "GallerySheet.h"
#include "PanelState.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class AvcUnit;

// Pictures of every control in its states, made from the real controls and
// their looks. Focused pictures need a display (a virtual one serves): the
// control must sit in a window on the desktop to take the keyboard focus.
class ControlShots {
public:
    using Cells = std::vector<GallerySheet::Cell>;

    // An image button's set: on, off and pressed images, each array and size.
    struct ButtonSet {
        const char* on;
        int onSize;
        const char* off;
        int offSize;
        const char* pressed;
        int pressedSize;
    };

    explicit ControlShots(AvcUnit& unit);
    ~ControlShots();

    Cells knob(int imageKind);
    Cells dualKnob();
    Cells fader();
    Cells pan();
    Cells meters();
    Cells buttonSet(const ButtonSet& images);
    Cells unitButtons();
    Cells selector();
    Cells tooltips();
    Cells titleBar();
    Cells closeButton();

    // Whether the focused pictures show a focus (false without a display).
    bool focusShown() const { return focusShown_; }

private:
    // The picture of a control with a margin around it; focusTarget, when
    // given, takes the keyboard focus first.
    GallerySheet::Cell shoot(juce::Component& control, const juce::String& label,
                             juce::Component* focusTarget = nullptr);
    bool focus(juce::Component& target);

    AvcUnit& unit_;
    PanelState state_;
    std::unique_ptr<juce::Component> host_;
    bool focusShown_ = true;
};
