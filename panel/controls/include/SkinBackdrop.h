#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// A skinned surface that can draw its own skin behind one of its descendants.
// A control that finds one above it can be opaque: a repaint of it then draws
// a few rows of its own instead of the whole skin under it.
class SkinBackdrop {
public:
    virtual ~SkinBackdrop() = default;

    // Draws the skin under `area` of `onto` into `g`, both in `onto`'s coordinates.
    virtual void drawBackdrop(juce::Graphics& g, const juce::Component& onto,
                              juce::Rectangle<int> area) const = 0;
};
