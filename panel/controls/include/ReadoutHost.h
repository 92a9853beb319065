#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// A skinned surface that shows the value of the control under the mouse, being
// dragged or holding the keyboard focus, in a small readout above it. Controls
// find the host above them; without one (the gallery, a harness) they show none.
class ReadoutHost {
public:
    virtual ~ReadoutHost() = default;

    virtual void showReadout(const juce::Component& control, const juce::String& text) = 0;
    virtual void hideReadout(const juce::Component& control) = 0;

    // Shows (or hides) the control's readout on the host above it, if any.
    static void update(juce::Component& control, bool shown, const juce::String& text) {
        if (auto* host = control.findParentComponentOfClass<ReadoutHost>()) {
            if (shown)
                host->showReadout(control, text);
            else
                host->hideReadout(control);
        }
    }
};
