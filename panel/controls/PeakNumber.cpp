#include "PeakNumber.h"

#include "FocusMark.h"
#include "MeterBallistics.h"
#include "SkinBackdrop.h"
#include "ValueText.h"

#include <cmath>

namespace {

// Whole decibels from 0 down, in two colours: the pictures stay few.
constexpr size_t kMaxPictures = 128;

}  // namespace

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
    pictures_.clear();
}

void PeakNumber::moved() {
    pictures_.clear();
}

void PeakNumber::resized() {
    pictures_.clear();
}

// On a skin at its own size each number is drawn once and then copied:
// laying out and filling the figures again is most of what a change costs.
void PeakNumber::paint(juce::Graphics& g) {
    const float scale = g.getInternalContext().getPhysicalPixelScaleFactor();
    if (backdrop_ == nullptr || std::abs(scale - 1.0f) > 0.001f)
        paintNumber(g, g.getClipBounds());
    else
        g.drawImageAt(picture(), 0, 0);
}

const juce::Image& PeakNumber::picture() {
    const juce::String key = clip_ ? text_ + "!" : text_;
    auto found = pictures_.find(key);
    if (found != pictures_.end())
        return found->second;
    if (pictures_.size() >= kMaxPictures)
        pictures_.clear();
    juce::Image image(juce::Image::RGB, getWidth(), getHeight(), false);
    juce::Graphics g(image);
    paintNumber(g, getLocalBounds());
    return pictures_.emplace(key, image).first->second;
}

// Red in the clip zone, the skin's amber otherwise.
void PeakNumber::paintNumber(juce::Graphics& g, juce::Rectangle<int> area) const {
    if (backdrop_ != nullptr)
        backdrop_->drawBackdrop(g, *this, area);
    g.setColour(clip_ ? juce::Colour(0xFFE8402A) : FocusMark::colour());
    g.setFont(font_);
    g.drawText(text_, getLocalBounds(), juce::Justification::centred, false);
}
