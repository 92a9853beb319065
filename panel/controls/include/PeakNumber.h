#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <map>

class SkinBackdrop;

// The held peak of a meter as a number in decibels, in small amber figures
// under it. It repaints only when the number changes, not on every poll; on a
// skin it draws the skin under itself, so the skin's owner is not drawn for it.
class PeakNumber : public juce::Component {
public:
    PeakNumber();
    ~PeakNumber() override = default;

    // The held peak's display position (0 full scale, 255 silent).
    void setPeak(double display);
    const juce::String& getText() const { return text_; }

    void paint(juce::Graphics& g) override;
    void parentHierarchyChanged() override;
    void moved() override;
    void resized() override;

private:
    void paintNumber(juce::Graphics& g, juce::Rectangle<int> area) const;
    const juce::Image& picture();

    juce::String text_;
    bool clip_ = false;
    // The display position shown last; none yet.
    double display_ = -1.0;
    const SkinBackdrop* backdrop_ = nullptr;
    // Kept, so that its typeface is looked up once, not for every new number.
    juce::Font font_{10.0f, juce::Font::bold};
    // On a skin, each number as drawn there, by its text and clip colour.
    std::map<juce::String, juce::Image> pictures_;
};
