#include "FocusMark.h"

namespace FocusMark {

juce::Colour colour() {
    return juce::Colour(0xFFFFB020);
}

void draw(juce::Graphics& g, juce::Rectangle<float> area, float cornerSize) {
    juce::Graphics::ScopedSaveState saved(g);
    // A faint halo outside a crisp line, so the mark reads on dark and light art.
    g.setColour(colour().withAlpha(0.35f));
    g.drawRoundedRectangle(area.reduced(1.5f), cornerSize, 3.0f);
    g.setColour(colour());
    g.drawRoundedRectangle(area.reduced(1.0f), cornerSize, 1.5f);
}

void draw(juce::Graphics& g, juce::Rectangle<float> area) {
    draw(g, area, 4.0f);
}

namespace {

// Clicking a control focuses it so that the keys work on it at once; a frame
// after every click would only clutter the panel, so the mark waits for a key.
const juce::Identifier kFocusByMouse("focusByMouse");

}  // namespace

bool shown(const juce::Component& component) {
    return component.hasKeyboardFocus(false) && !component.getProperties()[kFocusByMouse];
}

void noteFocusCause(juce::Component& component, juce::Component::FocusChangeType cause) {
    component.getProperties().set(kFocusByMouse,
                                  cause == juce::Component::focusChangedByMouseClick);
}

void noteKeyUsed(juce::Component& component) {
    if (component.getProperties()[kFocusByMouse]) {
        component.getProperties().set(kFocusByMouse, false);
        component.repaint();
    }
}

}  // namespace FocusMark
