#include "KnobStyle.h"

#include "FocusMark.h"
#include "SkinData.h"
#include "SkinImage.h"

namespace {

juce::Image knobImage(int imageKind) {
    switch (imageKind) {
    case KnobStyle::SmallKnob:
        return SkinImage::cached(SkinData::knobsmall_png, SkinData::knobsmall_pngSize);
    case KnobStyle::MasterKnob:
        return SkinImage::cached(SkinData::masterknob_png, SkinData::masterknob_pngSize);
    case KnobStyle::DualRing:
        return SkinImage::cached(SkinData::dualknob_png, SkinData::dualknob_pngSize);
    default: return {};
    }
}

}  // namespace

KnobStyle::KnobStyle(int imageKind) : image_(knobImage(imageKind)) {}

KnobStyle::~KnobStyle() = default;

void KnobStyle::drawRotarySlider(juce::Graphics& g, int, int, int, int, float position,
                                 float startAngle, float endAngle, juce::Slider& slider) {
    const float angle = startAngle + position * (endAngle - startAngle);
    // The pivot in whole pixels (halves in integer division), as the artwork is centred.
    const int pivotX = image_.getWidth() / 2;
    const int pivotY = image_.getHeight() / 2;
    g.setColour(juce::Colour(0xFF808080).withAlpha(slider.isEnabled() ? 1.0f : 0.5f));
    SkinImage::draw(g, image_,
                    juce::AffineTransform::rotation(angle, float(pivotX), float(pivotY)));
    if (FocusMark::shown(slider))
        drawFocusRing(g, slider);
}

// A ring about the knob's centre, as large as the part of the knob that shows:
// the dual knob's ring is cut to 75 of its 79 pixels.
void KnobStyle::drawFocusRing(juce::Graphics& g, juce::Slider& slider) {
    juce::Rectangle<int> shown = slider.getLocalBounds();
    if (juce::Component* parent = slider.getParentComponent())
        shown = shown.getIntersection(slider.getLocalArea(parent, parent->getLocalBounds()));
    const juce::Rectangle<float> visible = shown.toFloat();
    const juce::Point<float> centre = slider.getLocalBounds().toFloat().getCentre();
    const float radius =
        juce::jmin(juce::jmin(centre.x - visible.getX(), visible.getRight() - centre.x),
                   juce::jmin(centre.y - visible.getY(), visible.getBottom() - centre.y));
    FocusMark::draw(g, juce::Rectangle<float>(2.0f * radius, 2.0f * radius).withCentre(centre),
                    radius);
}

int KnobStyle::getSliderThumbRadius(juce::Slider&) {
    return image_.getWidth();
}

int KnobStyle::getKnobImageWidth() const {
    return image_.getWidth();
}

int KnobStyle::getKnobImageHeight() const {
    return image_.getHeight();
}
