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

bool shown(const juce::Component& component) {
    return component.hasKeyboardFocus(false);
}

}  // namespace FocusMark
