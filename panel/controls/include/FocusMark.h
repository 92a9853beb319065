#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The keyboard-focus mark of every skinned control: an amber rounded frame with
// a soft glow, drawn by the control's look over its artwork.
namespace FocusMark {

// The colour of the mark, the amber of the skin's lit states.
juce::Colour colour();
// Draws the mark just inside the given area.
void draw(juce::Graphics& g, juce::Rectangle<float> area);
// The same with the given corner size: half the width makes a ring for a knob.
void draw(juce::Graphics& g, juce::Rectangle<float> area, float cornerSize);
// Whether a look should draw the mark for this component now: while it has
// the keyboard focus, unless a mouse click gave it and no key was used since.
bool shown(const juce::Component& component);
// Records how the component got the focus, for shown().
void noteFocusCause(juce::Component& component, juce::Component::FocusChangeType cause);
// A key was used on the component: from now on its mark shows.
void noteKeyUsed(juce::Component& component);

}  // namespace FocusMark
