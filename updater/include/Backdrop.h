#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The updater's background, drawn in the panel's style: the skin's top band
// with the LUMORA logo and its bottom edge with the screws, brushed metal
// between them, and the framed sections with their captions.
class Backdrop {
public:
    Backdrop();

    void paint(juce::Graphics& g, juce::Rectangle<int> area) const;
    // A framed section with its caption on the top edge, as the panel's "MIXER".
    static void section(juce::Graphics& g, juce::Rectangle<int> frame, const juce::String& caption);

    static constexpr int kWidth = 718;  // the skin background's width

private:
    juce::Image skin_;
};
