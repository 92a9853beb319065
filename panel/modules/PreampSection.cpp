#include "PreampSection.h"

#include "AvcUnit.h"
#include "SkinData.h"
#include "ValueText.h"

PreampSection::PreampSection(AvcUnit& unit, int channel, const Layout& layout)
    : unit_(unit),
      channel_(channel),
      preampLook_(SkinData::preampbuttonon_png, SkinData::preampbuttonon_pngSize,
                  SkinData::buttonoff_png, SkinData::buttonoff_pngSize,
                  SkinData::preampbuttondown_png, SkinData::preampbuttondown_pngSize),
      boostLook_(SkinData::booston_png, SkinData::booston_pngSize, SkinData::buttonoff_png,
                 SkinData::buttonoff_pngSize, SkinData::boostdown_png, SkinData::boostdown_pngSize),
      phantom_(preampLook_, "48v"),
      limiter_(preampLook_, "Limiter"),
      boost_(boostLook_, "Boost"),
      knob_(unit, 0, 1, channel, true) {
    juce::String input = "Input " + juce::String(channel);
    place(phantom_, preampLook_, layout.phantom);
    place(limiter_, preampLook_, layout.limiter);
    place(boost_, boostLook_, layout.boost);
    phantom_.setTooltip("Provides 48 volts of 'phantom power' for condenser mics");
    limiter_.setTooltip("Limiter used to keep input signal from clipping");
    boost_.setTooltip("Boosts preamp gain + 20db");
    phantom_.setAccessibleName(input + " phantom power");
    limiter_.setAccessibleName(input + " limiter");
    boost_.setAccessibleName(input + " boost");
    knob_.setBounds(layout.knob);
    if (layout.knobTooltip)
        knob_.setTooltip("Adjusts the gain of Mic/Inst " + juce::String(channel));
    knob_.setAccessibleName(input + " gain");
    knob_.setValueText([](double value) { return ValueText::gain(value); });
    addAndMakeVisible(knob_);
    phantom_.addActionListener(this);
    limiter_.addActionListener(this);
    boost_.addActionListener(this);
}

PreampSection::~PreampSection() {
    boost_.removeActionListener(this);
    limiter_.removeActionListener(this);
    phantom_.removeActionListener(this);
}

void PreampSection::place(iButton& button, const myButtonStyle& look, juce::Point<int> at) {
    button.setBounds(at.x, at.y, look.getImageWidth(), look.getImageHeight());
    addAndMakeVisible(button);
}

void PreampSection::refreshFromUnit() {
    AvcUnit::Refresh refresh(unit_);
    int gain = -1;
    bool boost = false, phantom = false, limiter = false;
    unit_.GetGain(1, channel_, gain);
    unit_.GetBoost(channel_, boost);
    unit_.GetPhantom(channel_, phantom);
    unit_.GetLimiter(channel_, limiter);
    apply(double(gain), phantom, limiter, boost);
}

void PreampSection::saveState(juce::PropertySet& mix) {
    MixKeys::write(mix, kMixKeys[Gain], channel_, knob_.getValue());
    MixKeys::write(mix, kMixKeys[Phantom], channel_, phantom_.getToggleState());
    MixKeys::write(mix, kMixKeys[Limiter], channel_, limiter_.getToggleState());
    MixKeys::write(mix, kMixKeys[Boost], channel_, boost_.getToggleState());
}

void PreampSection::loadState(const juce::PropertySet& mix) {
    knob_.setValue(MixKeys::readNumber(mix, kMixKeys[Gain], channel_));
    phantom_.setToggleState(MixKeys::readSwitch(mix, kMixKeys[Phantom], channel_));
    limiter_.setToggleState(MixKeys::readSwitch(mix, kMixKeys[Limiter], channel_));
    boost_.setToggleState(MixKeys::readSwitch(mix, kMixKeys[Boost], channel_));
}

// The knob clamps, so a gain of -1 from a failed read stands at 0.
void PreampSection::apply(double gain, bool phantom, bool limiter, bool boost) {
    phantom_.setToggleState(phantom);
    limiter_.setToggleState(limiter);
    boost_.setToggleState(boost);
    knob_.setValue(gain);
}

void PreampSection::setLinearDrag(bool linear) {
    knob_.setLinearDrag(linear);
}

void PreampSection::actionListenerCallback(const juce::String& message) {
    if (message == "48v")
        phantomSender_.send();
    else if (message == "Limiter")
        limiterSender_.send();
    else if (message == "Boost")
        boostSender_.send();
}
