#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

class PanelState;

// The main window's look: the tooltips (pale yellow, bold text, shown only
// while the panel state says tooltips are shown) and the skinned title bar
// with its image close button.
class myTooltip : public juce::LookAndFeel_V4 {
public:
    explicit myTooltip(const PanelState& state);
    ~myTooltip() override;

    // The size of a tip: text laid out at most 300 pixels wide, rounded up to
    // whole pixels, plus 14 and 20 pixels; 0 x 0 while tooltips are hidden.
    juce::Rectangle<int> getTooltipSize(const juce::String& tipText) const;
    juce::Rectangle<int> getTooltipBounds(const juce::String& tipText, juce::Point<int> screenPos,
                                          juce::Rectangle<int> parentArea) override;
    void drawTooltip(juce::Graphics& g, const juce::String& text, int width, int height) override;

    // The close button ("close") for the close button type, nothing for the others.
    juce::Button* createDocumentWindowButton(int buttonType) override;
    void drawDocumentWindowTitleBar(juce::DocumentWindow& window, juce::Graphics& g, int width,
                                    int height, int titleSpaceX, int titleSpaceW,
                                    const juce::Image* icon, bool drawTitleTextOnLeft) override;
    // The skin's image buttons (close, load, save) as JUCE draws them, with the
    // skin's larger artwork where the screen scales the panel up; they have no
    // overlay colours.
    void drawImageButton(juce::Graphics& g, juce::Image* image, int imageX, int imageY, int imageW,
                         int imageH, const juce::Colour& overlayColour, float imageOpacity,
                         juce::ImageButton& button) override;

private:
    const PanelState& state_;
    juce::Image titleBar_;
    juce::Image close_;
    juce::Image closePressed_;
    juce::Image closeHover_;
};
