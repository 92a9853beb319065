#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The look of a knob: its skin image drawn rotated about its centre, at half
// opacity when disabled, with the focus mark while it has the keyboard focus.
class KnobStyle : public juce::LookAndFeel_V4 {
public:
    // 0 = small knob (43 x 43), 1 = master knob (63 x 63), 2 = dual-knob outer ring (79 x 79).
    enum ImageKind { SmallKnob = 0, MasterKnob = 1, DualRing = 2 };

    explicit KnobStyle(int imageKind);
    ~KnobStyle() override;

    void drawRotarySlider(juce::Graphics& g, int x, int y, int width, int height, float position,
                          float startAngle, float endAngle, juce::Slider& slider) override;
    int getSliderThumbRadius(juce::Slider& slider) override;

    int getKnobImageWidth() const;
    int getKnobImageHeight() const;
    // The decoded image, shared through the image cache with every knob of the same kind.
    const juce::Image& getKnobImage() const { return image_; }

private:
    static void drawFocusRing(juce::Graphics& g, juce::Slider& slider);

    juce::Image image_;
};
