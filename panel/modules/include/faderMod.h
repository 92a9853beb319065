#pragma once
#include "ControlSlider.h"
#include "MuteButton.h"
#include "PeakNumber.h"
#include "delayAVC.h"
#include "iPanStyle.h"
#include "myMeters.h"
#include "mySlider.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class AvcUnit;
class PanelState;

// One fader with its mute and meters, bound to one function block and audio
// channel. The strip variant adds a pan slider and has one meter; the bus
// variant (playback and main fader) has two meters and no pan. Fader and pan
// moves reach the unit 10 ms after the last move, the mute at once.
class faderMod : public juce::Component,
                 public juce::ChangeBroadcaster,
                 public juce::ActionBroadcaster,
                 private juce::ActionListener,
                 private juce::Slider::Listener {
public:
    // Strip variant: (strip number, channel 1 or 2). The playback fader is
    // (3, 0, true, false), the main fader (1, 0, true, true).
    faderMod(AvcUnit& unit, const PanelState& state, int n, int channel, bool noPan = false,
             bool main = false);
    ~faderMod() override;

    // Set with notification: the value goes to the unit as a user's move does.
    void setFader(double value);
    double getFader() const;
    void setPan(double value);
    double getPan() const;
    void setMuted(bool on);
    bool isMuted();
    // The fader, the pan slider and the mute; the meters keep running.
    void setEnabled(bool enabled);

    // Strip variant: one level for its meter. Bus variant: left and right.
    void showLevel(double level);
    void showLevels(double left, double right);

    // The spoken names: "Strip 1 left" gives "Strip 1 left fader", "... pan",
    // "... mute" and "... level"; a bus adds "left level" and "right level".
    void setAccessibleNames(const juce::String& prefix);

    ControlSlider& getFaderSlider() { return fader_; }
    ControlSlider* getPanSlider() { return panner_.get(); }
    MuteButton& getMuteButton() { return mute_; }
    myMeters& getRightMeter() { return rightMeter_; }
    myMeters* getLeftMeter() { return leftMeter_.get(); }
    const PeakNumber& getPeakNumber() const { return peakNumber_; }

private:
    void sliderValueChanged(juce::Slider* slider) override;
    void actionListenerCallback(const juce::String& message) override;
    void setUpFader();
    void setUpPan();
    void setUpMeters();
    bool meterBlanked();
    static double shownPeak(const myMeters& meter);

    const PanelState& state_;
    int n_;
    int channel_;
    bool noPan_;
    bool main_;
    mySlider faderLook_;
    std::unique_ptr<iPanStyle> panLook_;
    ControlSlider fader_;
    std::unique_ptr<ControlSlider> panner_;
    MuteButton mute_;
    myMeters rightMeter_;
    std::unique_ptr<myMeters> leftMeter_;
    // The louder held peak of the module's meters, under them.
    PeakNumber peakNumber_;
    // The fader and the pan each have a sender, so a pan move cannot replace a
    // fader value that has not gone out yet (a loaded mix sets both at once).
    delayAVC faderSender_;
    delayAVC panSender_;
};
