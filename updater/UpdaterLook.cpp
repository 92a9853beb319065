#include "UpdaterLook.h"

#include "FocusMark.h"

juce::Colour UpdaterLook::amber() {
    return FocusMark::colour();
}

juce::Colour UpdaterLook::text() {
    return juce::Colour(0xFFE4E4E4);
}

juce::Colour UpdaterLook::good() {
    return juce::Colour(0xFF8FE08A);
}

juce::Colour UpdaterLook::bad() {
    return juce::Colour(0xFFFF7A6A);
}

UpdaterLook::UpdaterLook(const PanelState& state) : myTooltip(state) {
    const juce::Colour well(0xFF17181A);
    setColour(juce::Label::textColourId, text());
    setColour(juce::TextButton::buttonColourId, juce::Colour(0xFF3C3F43));
    setColour(juce::TextButton::textColourOffId, text());
    setColour(juce::TextButton::textColourOnId, text());
    setColour(juce::ToggleButton::textColourId, text());
    setColour(juce::ToggleButton::tickColourId, amber());
    setColour(juce::ToggleButton::tickDisabledColourId, juce::Colour(0xFF707070));
    setColour(juce::ListBox::backgroundColourId, well);
    setColour(juce::ListBox::outlineColourId, juce::Colour(0xFF5A5D62));
    setColour(juce::TableHeaderComponent::backgroundColourId, juce::Colour(0xFF2A2C2F));
    setColour(juce::TableHeaderComponent::textColourId, juce::Colours::white);
    setColour(juce::TableHeaderComponent::outlineColourId, juce::Colour(0xFF5A5D62));
    setColour(juce::TextEditor::backgroundColourId, well);
    setColour(juce::TextEditor::textColourId, text());
    setColour(juce::TextEditor::outlineColourId, juce::Colour(0xFF5A5D62));
    setColour(juce::TextEditor::focusedOutlineColourId, amber());
    setColour(juce::ProgressBar::backgroundColourId, well);
    setColour(juce::ProgressBar::foregroundColourId, amber());
    setColour(juce::AlertWindow::backgroundColourId, juce::Colour(0xFF303235));
    setColour(juce::AlertWindow::textColourId, text());
    setColour(juce::AlertWindow::outlineColourId, amber());
    setColour(juce::ScrollBar::thumbColourId, juce::Colour(0xFF6A6D72));
}

UpdaterLook::~UpdaterLook() = default;

// A dark key with a light top edge, as the panel's buttons; the amber mark
// shows the keyboard focus.
void UpdaterLook::drawButtonBackground(juce::Graphics& g, juce::Button& button,
                                       const juce::Colour& colour, bool highlighted, bool down) {
    auto area = button.getLocalBounds().toFloat().reduced(1.0f);
    juce::Colour base = colour;
    if (!button.isEnabled())
        base = base.darker(0.5f);
    else if (down)
        base = base.darker(0.3f);
    else if (highlighted)
        base = base.brighter(0.15f);
    g.setGradientFill(juce::ColourGradient(base.brighter(0.25f), area.getTopLeft(),
                                           base.darker(0.4f), area.getBottomLeft(), false));
    g.fillRoundedRectangle(area, 4.0f);
    g.setColour(juce::Colours::black.withAlpha(0.7f));
    g.drawRoundedRectangle(area, 4.0f, 1.0f);
    if (button.hasKeyboardFocus(false))
        FocusMark::draw(g, button.getLocalBounds().toFloat());
}

void UpdaterLook::drawToggleButton(juce::Graphics& g, juce::ToggleButton& button, bool highlighted,
                                   bool down) {
    LookAndFeel_V4::drawToggleButton(g, button, highlighted, down);
    if (button.hasKeyboardFocus(false))
        FocusMark::draw(g, button.getLocalBounds().toFloat());
}

juce::Font UpdaterLook::getTextButtonFont(juce::TextButton&, int buttonHeight) {
    return juce::Font(juce::jmin(15.0f, float(buttonHeight) * 0.55f), juce::Font::bold);
}

void UpdaterLook::drawProgressBar(juce::Graphics& g, juce::ProgressBar& bar, int width, int height,
                                  double progress, const juce::String& text) {
    auto area = juce::Rectangle<float>(float(width), float(height));
    g.setColour(bar.findColour(juce::ProgressBar::backgroundColourId));
    g.fillRoundedRectangle(area, 4.0f);
    if (progress >= 0.0 && progress <= 1.0) {
        auto filled = area.reduced(2.0f).withWidth(float((width - 4) * progress));
        g.setGradientFill(juce::ColourGradient(amber().brighter(0.3f), filled.getTopLeft(),
                                               amber().darker(0.4f), filled.getBottomLeft(),
                                               false));
        g.fillRoundedRectangle(filled, 3.0f);
    }
    g.setColour(juce::Colour(0xFF5A5D62));
    g.drawRoundedRectangle(area.reduced(0.5f), 4.0f, 1.0f);
    g.setColour(juce::Colours::white);
    g.setFont(juce::Font(float(height) * 0.5f, juce::Font::bold));
    g.drawText(text, area, juce::Justification::centred, false);
}
