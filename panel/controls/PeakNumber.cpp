#include "PeakNumber.h"

#include "FocusMark.h"
#include "MeterBallistics.h"
#include "SkinBackdrop.h"
#include "ValueText.h"

PeakNumber::PeakNumber() {
    setInterceptsMouseClicks(false, false);
}

// The held peak stands still for most polls: nothing is formatted then.
void PeakNumber::setPeak(double display) {
    if (display == display_)
        return;
    display_ = display;
    juce::String text = ValueText::peak(display);
    const bool clip = display < MeterBallistics::kClipZone;
    if (text == text_ && clip == clip_)
        return;
    text_ = std::move(text);
    clip_ = clip;
    repaint();
}

void PeakNumber::parentHierarchyChanged() {
    backdrop_ = findParentComponentOfClass<SkinBackdrop>();
    setOpaque(backdrop_ != nullptr);
}

// Red in the clip zone, the skin's amber otherwise.
void PeakNumber::paint(juce::Graphics& g) {
    if (backdrop_ != nullptr)
        backdrop_->drawBackdrop(g, *this, g.getClipBounds());
    g.setColour(clip_ ? juce::Colour(0xFFE8402A) : FocusMark::colour());
    g.setFont(font_);
    g.drawText(text_, getLocalBounds(), juce::Justification::centred, false);
}
