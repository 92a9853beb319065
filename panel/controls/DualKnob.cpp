#include "DualKnob.h"

#include "AvcUnit.h"
#include "MixKeys.h"

namespace {
// The line gains in a mix: numbers like every other entry, 0 when missing.
const MixKey kLeftLine{"LeftLine", MixKey::Number, 0.0};
const MixKey kRightLine{"RightLine", MixKey::Number, 0.0};
}  // namespace

DualKnob::DualKnob(AvcUnit& unit)
    : unit_(unit),
      outer_(unit, KnobStyle::DualRing, 2, 2, true),
      inner_(unit, KnobStyle::SmallKnob, 2, 1, true) {
    // 75, not the ring's 79: what the rotated ring draws beyond that is clipped.
    addAndMakeVisible(outer_);
    outer_.setBounds(0, 0, 75, 75);
    outer_.addChangeListener(this);
    addAndMakeVisible(inner_);
    inner_.setBounds(18, 18, 43, 43);
    inner_.addChangeListener(this);
    // Left before right for Tab, though the ring lies first on screen.
    inner_.setExplicitFocusOrder(1);
    outer_.setExplicitFocusOrder(2);
    setTitle("Line input gain");
    inner_.setAccessibleName("Line left gain");
    outer_.setAccessibleName("Line right gain");
}

DualKnob::~DualKnob() {
    inner_.removeChangeListener(this);
    outer_.removeChangeListener(this);
}

void DualKnob::refreshFromUnit() {
    int left = 128;
    int right = 128;
    {
        const AvcUnit::Refresh refresh(unit_);
        unit_.GetGain(2, 1, left);
        unit_.GetGain(2, 2, right);
    }
    inner_.setValue(left);
    outer_.setValue(right);
    rememberValues();
}

void DualKnob::saveState(juce::PropertySet& mix) const {
    MixKeys::write(mix, kLeftLine, 0, inner_.getValue());
    MixKeys::write(mix, kRightLine, 0, outer_.getValue());
}

void DualKnob::loadState(const juce::PropertySet& mix) {
    inner_.setValue(MixKeys::readNumber(mix, kLeftLine, 0));
    outer_.setValue(MixKeys::readNumber(mix, kRightLine, 0));
    rememberValues();
}

void DualKnob::setLinearDrag(bool linear) {
    outer_.setLinearDrag(linear);
    inner_.setLinearDrag(linear);
}

void DualKnob::changeListenerCallback(juce::ChangeBroadcaster* source) {
    const bool alone = juce::ModifierKeys::currentModifiers.isAltDown();
    if (source == &outer_ && !alone) {
        const double difference = outer_.getValue() - lastOuter_;
        if (outer_.isChangedByUser())
            inner_.setValue(inner_.getValue() + difference);
    } else if (source == &inner_ && !alone) {
        const double difference = inner_.getValue() - lastInner_;
        if (inner_.isChangedByUser())
            outer_.setValue(outer_.getValue() + difference);
    }
    rememberValues();
}

// A screen reader meets the two knobs as one group.
std::unique_ptr<juce::AccessibilityHandler> DualKnob::createAccessibilityHandler() {
    return std::make_unique<juce::AccessibilityHandler>(*this, juce::AccessibilityRole::group);
}

void DualKnob::rememberValues() {
    lastOuter_ = outer_.getValue();
    lastInner_ = inner_.getValue();
}
