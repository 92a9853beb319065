#pragma once
#include "DualKnob.h"
#include "KnobCtl.h"
#include "NoDevice.h"
#include "ReadoutHost.h"
#include "SwitchSender.h"
#include "ValueReadout.h"
#include "iButton.h"
#include "myButtonStyle.h"
#include "wsPreAmp.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AvcUnit;
class PanelState;

// The window-shade strip: the two inputs in compact form, the phono switch,
// the line knobs, the main volume with its mute and the headphone level. It
// reads the unit when built and talks to the unit directly; while no unit is
// attached it is greyed under "No Device".
class WinShadeComp : public juce::Component, public ReadoutHost, private juce::ActionListener {
public:
    static constexpr int kWidth = 725;
    static constexpr int kHeight = 131;

    WinShadeComp(AvcUnit& unit, const PanelState& state);
    ~WinShadeComp() override;

    void paint(juce::Graphics& g) override;
    void showReadout(const juce::Component& control, const juce::String& text) override;
    void hideReadout(const juce::Component& control) override;
    void refreshFromUnit();
    // The strip's values under the main component's mix keys; loading sends
    // a value that differs to the unit, as a refresh's values are sent.
    void saveState(juce::PropertySet& mix);
    void loadState(const juce::PropertySet& mix);
    // The units changed: veil the strip, or lift the veil and read the unit.
    void unitsChanged();

    iButton& getPhonoButton() { return phono_; }
    iButton& getMainMuteButton() { return mainMute_; }
    wsPreAmp& getInput(int n) { return n == 1 ? input1_ : input2_; }
    KnobCtl& getMainKnob() { return mainVolume_; }
    KnobCtl& getHeadphoneKnob() { return headphones_; }
    DualKnob& getLineKnobs() { return line_; }
    NoDevice& getNoDevice() { return noDevice_; }
    const ValueReadout& getReadout() const { return readout_; }

private:
    void actionListenerCallback(const juce::String& message) override;
    void placeChildren();
    void applyMotion(bool circular);
    void showUnitPresence(bool present);

    AvcUnit& unit_;
    juce::Image background_;
    myButtonStyle phonoLook_;
    myButtonStyle muteLook_;
    iButton phono_;
    iButton mainMute_;
    wsPreAmp input1_;
    wsPreAmp input2_;
    KnobCtl mainVolume_;
    DualKnob line_;
    KnobCtl headphones_;
    NoDevice noDevice_{{kWidth / 2, kHeight / 2}};
    ValueReadout readout_;
    SwitchSender phonoSender_{unit_, [this] { return phono_.getToggleState(); },
                              [this](bool on) { unit_.SetPhono(on); }};
    SwitchSender muteSender_{unit_, [this] { return mainMute_.getToggleState(); },
                             [this](bool on) { unit_.SetMute(4, 0, on); }};
};
