#pragma once
#include "KnobCtl.h"
#include "MixKeys.h"
#include "SwitchSender.h"
#include "iButton.h"
#include "myButtonStyle.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class AvcUnit;

// The behaviour of one Mic/Inst input preamp: a gain knob (block 1, the
// preamp's channel) and the "48v", "Limiter" and "Boost" switches, which reach
// the unit at once. preAmpMod and wsPreAmp lay it out in the main view and in
// the window-shade view.
class PreampSection : public juce::Component, private juce::ActionListener {
public:
    // The preamp's entries of a mix, in order; the channel number is appended.
    enum MixEntry { Gain, Phantom, Limiter, Boost };
    static constexpr std::array<MixKey, 4> kMixKeys{{
        {"PreampGain", MixKey::Number, 0.0},
        {"Phantom", MixKey::Switch, 0.0},
        {"Limiter", MixKey::Switch, 0.0},
        {"Boost", MixKey::Switch, 0.0},
    }};

    ~PreampSection() override;

    // Reads gain and switches (gain -1, that is 0, and off for failed reads).
    void refreshFromUnit();
    void saveState(juce::PropertySet& mix);
    void loadState(const juce::PropertySet& mix);
    void setLinearDrag(bool linear);

    int getChannel() const { return channel_; }
    KnobCtl& getKnob() { return knob_; }
    iButton& getPhantomButton() { return phantom_; }
    iButton& getLimiterButton() { return limiter_; }
    iButton& getBoostButton() { return boost_; }

protected:
    // Positions inside the section; the buttons take their images' size.
    struct Layout {
        juce::Point<int> phantom;
        juce::Point<int> limiter;
        juce::Point<int> boost;
        juce::Rectangle<int> knob;
        bool knobTooltip;
    };

    PreampSection(AvcUnit& unit, int channel, const Layout& layout);

private:
    void actionListenerCallback(const juce::String& message) override;
    void place(iButton& button, const myButtonStyle& look, juce::Point<int> at);
    void apply(double gain, bool phantom, bool limiter, bool boost);

    AvcUnit& unit_;
    int channel_;
    myButtonStyle preampLook_;
    myButtonStyle boostLook_;
    iButton phantom_;
    iButton limiter_;
    iButton boost_;
    KnobCtl knob_;
    SwitchSender phantomSender_{unit_, [this] { return phantom_.getToggleState(); },
                                [this](bool on) { unit_.SetPhantom(channel_, on); }};
    SwitchSender limiterSender_{unit_, [this] { return limiter_.getToggleState(); },
                                [this](bool on) { unit_.SetLimiter(channel_, on); }};
    SwitchSender boostSender_{unit_, [this] { return boost_.getToggleState(); },
                              [this](bool on) { unit_.SetBoost(channel_, on); }};
};
