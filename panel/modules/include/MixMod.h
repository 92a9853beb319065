#pragma once
#include "DeviceModel.h"
#include "LevelReader.h"
#include "MixKeys.h"
#include "PollSchedule.h"
#include "SwitchSender.h"
#include "faderMod.h"
#include "iButton.h"
#include "myButtonStyle.h"
#include "stChannel.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class AvcUnit;
class PanelState;

// The mixer section: two channel strips, the playback and main faders and the
// MixBypass switch. It runs the unit watch every 25 ms: a change in the set of
// units becomes the action message "ConfigChange", no levels empty the meters,
// and the eight levels go to the strips, the playback and the main meters.
// While the window is on screen its frames carry the poll; its timer only
// watches that they keep coming, and polls itself when they stop.
class MixMod : public juce::Component,
               private juce::ActionListener,
               public juce::TooltipClient,
               public juce::ActionBroadcaster,
               public juce::Timer {
public:
    // The mixer's own entries of a mix, written after both strips' entries.
    enum MixEntry { PlaybackFader, PlaybackMute, MainFader, MainMute, Bypass };
    static constexpr std::array<MixKey, 5> kMixKeys{{
        {"PBfader", MixKey::Number, 255.0},
        {"PBmute", MixKey::Switch, 0.0},
        {"Mainfader", MixKey::Number, 255.0},
        {"MainMute", MixKey::Switch, 0.0},
        {"MixBypass", MixKey::Switch, 0.0},
    }};
    static constexpr int kPollMilliseconds = 25;
    static constexpr int kWatchMilliseconds = 250;

    MixMod(AvcUnit& unit, PanelState& state, CDeviceModel& model = TheDeviceModel());
    ~MixMod() override;

    void refreshFromUnit();
    void saveState(juce::PropertySet& mix);
    void loadState(const juce::PropertySet& mix);
    void setTooltip(const juce::String& text);
    juce::String getTooltip() override;

    // One poll of the unit watch and the level reader, unless frames carry the polls.
    void timerCallback() override;

    stChannel& getStrip(int n) { return n == 1 ? strip1_ : strip2_; }
    faderMod& getPlayback() { return playback_; }
    faderMod& getMain() { return main_; }
    iButton& getBypassButton() { return bypass_; }
    // The eight levels of the last poll, as the meters were given them.
    std::array<double, 8> getLevels() const;

private:
    void actionListenerCallback(const juce::String& message) override;
    void applyBypass(bool on);
    void showNoLevels();
    void poll();
    void frameArrived();
    void setTimerPeriod(int milliseconds);

    AvcUnit& unit_;
    PanelState& state_;
    CDeviceModel& model_;
    LevelReader reader_;
    stChannel strip1_;
    stChannel strip2_;
    myButtonStyle bypassLook_;
    iButton bypass_;
    faderMod playback_;
    faderMod main_;
    juce::String tooltip_;
    PollSchedule schedule_;
    juce::VBlankAttachment frames_{this, [this] { frameArrived(); }};
    SwitchSender bypassSender_{unit_, [this] { return bypass_.getToggleState(); },
                               [this](bool on) { applyBypass(on); }};
};
