#include "MixMod.h"
#include "ModuleTest.h"
#include "SimUnitSettings.h"
#include "TvcStatus.h"
#include "preAmpMod.h"
#include "wsPreAmp.h"

#include <chrono>

namespace {

// Collects the action messages of the mixer.
struct Messages : juce::ActionListener {
    juce::StringArray received;
    void actionListenerCallback(const juce::String& message) override { received.add(message); }
};

// Counts the commands that went to the driver.
class CountingUnit : public AvcUnit {
public:
    using AvcUnit::AvcUnit;
    int sent = 0;

protected:
    DWORD transmit(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response) override {
        ++sent;
        return AvcUnit::transmit(request, response);
    }
};

class MixModTest : public ModuleTest {
protected:
    MixModTest() {
        mix_.stopTimer();
        mix_.addActionListener(&messages_);
    }
    ~MixModTest() override { mix_.removeActionListener(&messages_); }

    // The eight meters in the order of the levels.
    std::vector<myMeters*> meters() {
        return {&mix_.getStrip(1).getLeft().getRightMeter(),
                &mix_.getStrip(1).getRight().getRightMeter(),
                &mix_.getStrip(2).getLeft().getRightMeter(),
                &mix_.getStrip(2).getRight().getRightMeter(),
                mix_.getPlayback().getLeftMeter(),
                &mix_.getPlayback().getRightMeter(),
                mix_.getMain().getLeftMeter(),
                &mix_.getMain().getRightMeter()};
    }
    std::vector<double> displays() {
        std::vector<double> values;
        for (myMeters* meter : meters())
            values.push_back(meter->getBallistics().getDisplay());
        return values;
    }

    MixMod mix_{unit_, state_, model_};
    Messages messages_;
};

TEST_F(MixModTest, ConstructionSendsNothingToTheUnit) {
    MixMod mix(unit_, state_, model_);
    preAmpMod input1(unit_, 1), input2(unit_, 2);
    wsPreAmp shade1(unit_, 1), shade2(unit_, 2);
    pump(100);
    EXPECT_EQ(sentFrames(), Frames{}) << "the polls ran, but no command went out";
    EXPECT_TRUE(mix.isTimerRunning());
    EXPECT_EQ(mix.getTimerInterval(), 25);
}

TEST_F(MixModTest, OnScreenTheWindowsFramesCarryThePollAndTheTimerOnlyWatches) {
    MixMod mix(unit_, state_, model_);
    mix.setBounds(0, 0, 602, 208);
    mix.addToDesktop(0);
    mix.setVisible(true);
    setUnitKey(1, "Levels",
               "0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,"
               "0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF");
    pump(300);
    EXPECT_EQ(mix.getTimerInterval(), MixMod::kWatchMilliseconds);
    const double display = mix.getMain().getRightMeter().getBallistics().getDisplay();
    EXPECT_TRUE(display == 0.0 || display == 4.5) << "the main meter is fed: " << display;
    mix.removeFromDesktop();
    pump(400);
    EXPECT_EQ(mix.getTimerInterval(), MixMod::kPollMilliseconds) << "no frames: the timer polls";
}

TEST_F(MixModTest, EveryTickOfAnUnpluggedUnitEmptiesTheMetersAndOneTellsOfTheChange) {
    setUnitKey(1, "Levels",
               "0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,"
               "0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF");
    mix_.timerCallback();
    mix_.timerCallback();
    EXPECT_EQ(displays(), std::vector<double>(8, 0.0)) << "every meter at full scale";
    setUnitKey(1, "Present", "0");
    for (int tick = 1; tick <= 4; ++tick) {
        mix_.timerCallback();
        EXPECT_EQ(displays(), std::vector<double>(8, tick * 4.5)) << "tick " << tick;
    }
    pump(20);
    EXPECT_EQ(messages_.received, juce::StringArray({"ConfigChange", "ConfigChange"}))
        << "one for the unit found at start, one for its loss";
}

TEST_F(MixModTest, BypassGreysTheStripsAndPlaybackButNotMainAndKeepsMutedStripsMetering) {
    setUnitKey(1, "Levels",
               "0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,"
               "0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF,0x7FFFFFFF");
    mix_.timerCallback();
    mix_.getStrip(1).getLeft().setMuted(true);
    pump(20);
    sentFrames();
    mix_.getBypassButton().setToggleState(true);
    EXPECT_EQ(waitForFrames(1), (Frames{{0x00, 0x08, 0xB8, 0x80, 0x01, 0x10, 0x02, 0x01, 0x01}}));
    EXPECT_TRUE(state_.getMixBypass());
    for (int n : {1, 2}) {
        EXPECT_FALSE(mix_.getStrip(n).getLeft().getFaderSlider().isEnabled());
        EXPECT_FALSE(mix_.getStrip(n).getRight().getPanSlider()->isEnabled());
        EXPECT_FALSE(mix_.getStrip(n).getLinkButton().getButton().isEnabled());
    }
    EXPECT_FALSE(mix_.getPlayback().getFaderSlider().isEnabled());
    EXPECT_FALSE(mix_.getPlayback().getMuteButton().getButton().getButton().isEnabled());
    EXPECT_TRUE(mix_.getMain().getFaderSlider().isEnabled());
    EXPECT_TRUE(mix_.getMain().getMuteButton().getButton().getButton().isEnabled());
    mix_.timerCallback();
    EXPECT_EQ(displays()[0], 0.0) << "the muted strip side still meters in bypass";

    mix_.getBypassButton().setToggleState(false);
    pump(20);
    EXPECT_FALSE(state_.getMixBypass());
    EXPECT_TRUE(mix_.getStrip(1).getLeft().getFaderSlider().isEnabled());
    EXPECT_TRUE(mix_.getPlayback().getFaderSlider().isEnabled());
    mix_.timerCallback();
    EXPECT_EQ(displays()[0], 4.5) << "out of bypass the muted side falls silent";
}

TEST_F(MixModTest, RefreshShowsTheUnitsSettingsOrTheDefaultsWhenEveryReadFails) {
    setUnitKey(1, "Volume5.0", "0xE500");
    setUnitKey(1, "Mute5.0", "0x70");
    setUnitKey(1, "Volume6.0", "0xC900");
    setUnitKey(1, "Mute6.0", "0x70");
    setUnitKey(1, "MixBypass", "1");
    setUnitKey(1, "Volume4.2", "0xDB00");
    mix_.refreshFromUnit();
    EXPECT_EQ(mix_.getPlayback().getFader(), 201.0);
    EXPECT_TRUE(mix_.getPlayback().isMuted());
    EXPECT_EQ(mix_.getMain().getFader(), 145.0);
    EXPECT_TRUE(mix_.getMain().isMuted());
    EXPECT_TRUE(state_.getMixBypass());
    EXPECT_TRUE(mix_.getBypassButton().getToggleState());
    EXPECT_EQ(mix_.getStrip(2).getRight().getFader(), 181.0) << "-37 dB";
    pump(40);
    EXPECT_FALSE(mix_.getStrip(1).getLeft().getFaderSlider().isEnabled());

    setUnitKey(1, "Present", "0");
    mix_.refreshFromUnit();
    pump(40);
    EXPECT_EQ(mix_.getPlayback().getFader(), 255.0);
    EXPECT_FALSE(mix_.getPlayback().isMuted());
    EXPECT_EQ(mix_.getMain().getFader(), 0.0) << "a main fader that cannot be read stands at 0";
    EXPECT_FALSE(mix_.getMain().isMuted());
    EXPECT_FALSE(state_.getMixBypass());
    EXPECT_FALSE(mix_.getBypassButton().getToggleState());
    EXPECT_EQ(mix_.getStrip(2).getRight().getFader(), 255.0);
    EXPECT_TRUE(mix_.getStrip(1).getLeft().getFaderSlider().isEnabled());
}

// A unit that answers seconds late costs the refresh one command wait; the
// commands the refreshed controls send afterwards fail at once too.
TEST_F(MixModTest, ARefreshOfAUnitThatAnswersTooLateLeavesTheMessageThreadWithinTheLimit) {
    CountingUnit unit(model_);
    MixMod mix(unit, state_, model_);
    mix.stopTimer();
    mix.getMain().setFader(30.0);
    pump(40);
    unit.sent = 0;
    setUnitKey(1, "IoDelayMs", "5000");
    auto start = std::chrono::steady_clock::now();
    mix.refreshFromUnit();
    pump(40);
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::milliseconds(2000));
    EXPECT_EQ(unit.sent, 1) << "only the first read went to the driver";
    EXPECT_EQ(mix.getMain().getFader(), 0.0);
    EXPECT_EQ(mix.getPlayback().getFader(), 255.0);

    setUnitKey(1, "IoDelayMs", "0");
    setUnitKey(1, "Volume6.0", "0xC900");
    mix.refreshFromUnit();
    EXPECT_EQ(mix.getMain().getFader(), 145.0) << "the next refresh asks the unit again";
}

// A mute set remotely at the panel's start, with the units' first read-back
// still queued, was set back by it and the unit got "off" twice; so was a
// bypass switched just before a read-back.
TEST_F(MixModTest, ASwitchStillOnItsWayIsSentBeforeAReadBack) {
    mix_.getMain().setMuted(true);
    mix_.refreshFromUnit();
    const Frames frames = sentFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames[0], (Frame{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x01, 0x01, 0x70}));
    pump();
    EXPECT_TRUE(mix_.getMain().isMuted());
    SimUnitSettings::instance().flush();
    EXPECT_EQ(unitKey(1, "Mute6.0"), "0x0070");

    mix_.getBypassButton().setToggleState(true);
    mix_.refreshFromUnit();
    pump();
    EXPECT_TRUE(mix_.getBypassButton().getToggleState());
    EXPECT_TRUE(state_.getMixBypass());
    EXPECT_FALSE(mix_.getStrip(1).getLeft().getFaderSlider().isEnabled()) << "greyed as in bypass";
}

TEST_F(MixModTest, MixKeysAreWrittenInOrderAndMissingOnesLoadTheirDefaults) {
    preAmpMod input1(unit_, 1), input2(unit_, 2);
    input1.getKnob().setValue(127.5);
    input2.getLimiterButton().setToggleState(true);
    mix_.getStrip(1).getLeft().setFader(200.0);
    mix_.getStrip(1).getRight().setPan(0.0);
    mix_.getStrip(2).getLeft().setMuted(true);
    mix_.getStrip(2).getRight().setMuted(true);
    mix_.getMain().setFader(100.0);
    pump(40);
    juce::PropertySet saved;
    input1.saveState(saved);
    input2.saveState(saved);
    mix_.saveState(saved);
    const juce::StringPairArray& entries = saved.getAllProperties();
    EXPECT_EQ(
        entries.getAllKeys(),
        juce::StringArray({"PreampGain1", "Phantom1",    "Limiter1",  "Boost1",      "PreampGain2",
                           "Phantom2",    "Limiter2",    "Boost2",    "Leftfader1",  "LeftPan1",
                           "LeftMute1",   "Rightfader1", "RightPan1", "RightMute1",  "Link1",
                           "Leftfader2",  "LeftPan2",    "LeftMute2", "Rightfader2", "RightPan2",
                           "RightMute2",  "Link2",       "PBfader",   "PBmute",      "Mainfader",
                           "MainMute",    "MixBypass"}));
    EXPECT_EQ(entries.getAllValues(),
              juce::StringArray({"127.5", "0",   "0",   "0", "0",   "0", "1",   "0",   "200",
                                 "128",   "0",   "255", "0", "0",   "0", "255", "128", "1",
                                 "255",   "128", "1",   "0", "255", "0", "100", "0",   "0"}));

    juce::PropertySet partial;
    partial.setValue("Leftfader1", "90");
    partial.setValue("LeftMute1", "0.5");
    partial.setValue("RightMute1", "0.5");
    sentFrames();
    input1.loadState(partial);
    input2.loadState(partial);
    mix_.loadState(partial);
    Frames frames = waitForFrames(13);
    EXPECT_EQ(frames.size(), 13u) << "each control that the load changed sends once";
    EXPECT_EQ(input1.getKnob().getValue(), 0.0);
    EXPECT_FALSE(input2.getLimiterButton().getToggleState()) << "no preamp keys: all off";
    EXPECT_EQ(mix_.getStrip(1).getLeft().getFader(), 90.0);
    EXPECT_TRUE(mix_.getStrip(1).getLeft().isMuted()) << "LeftMute reads as a number";
    EXPECT_FALSE(mix_.getStrip(1).getRight().isMuted()) << "RightMute reads as an integer";
    EXPECT_EQ(mix_.getStrip(2).getLeft().getFader(), 0.0);
    EXPECT_EQ(mix_.getStrip(2).getRight().getPan(), 0.0);
    EXPECT_FALSE(mix_.getStrip(2).getRight().isMuted());
    EXPECT_EQ(mix_.getMain().getFader(), 255.0) << "a mix without Mainfader: 0 dB";
    EXPECT_EQ(mix_.getPlayback().getFader(), 255.0);
    for (const Frame& loaded :
         {Frame{0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x01, 0x02, 0x02, 0x81, 0x00},
          Frame{0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x01, 0x03, 0x02, 0x7F, 0xFE},
          Frame{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x02, 0x02, 0x00, 0x00},
          Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x03, 0x02, 0x00}})
        EXPECT_NE(std::find(frames.begin(), frames.end(), loaded), frames.end())
            << "every loaded value goes to the unit";
}

TEST_F(MixModTest, ScreenReadersHearEachControlByNameAndItsValueInWords) {
    preAmpMod input1(unit_, 1);
    wsPreAmp shade2(unit_, 2);
    ControlSlider& gain = input1.getKnob().getSlider();
    EXPECT_EQ(gain.getTitle(), "Input 1 gain");
    EXPECT_EQ(gain.getTextFromValue(189.0), "+12.5 dB");
    EXPECT_EQ(shade2.getKnob().getSlider().getTitle(), "Input 2 gain");
    EXPECT_EQ(input1.getPhantomButton().getButton().getTitle(), "Input 1 phantom power");
    EXPECT_EQ(input1.getLimiterButton().getButton().getTitle(), "Input 1 limiter");
    EXPECT_EQ(input1.getBoostButton().getButton().getTitle(), "Input 1 boost");

    faderMod& left = mix_.getStrip(1).getLeft();
    EXPECT_EQ(left.getFaderSlider().getTitle(), "Strip 1 left fader");
    EXPECT_EQ(left.getFaderSlider().getTextFromValue(200.0), "-27 dB");
    EXPECT_EQ(left.getPanSlider()->getTitle(), "Strip 1 left pan");
    EXPECT_EQ(left.getPanSlider()->getTextFromValue(100.0), "22 % left");
    EXPECT_EQ(left.getMuteButton().getButton().getButton().getTitle(), "Strip 1 left mute");
    EXPECT_EQ(left.getRightMeter().getTitle(), "Strip 1 left level");
    EXPECT_EQ(mix_.getStrip(2).getLinkButton().getButton().getTitle(), "Strip 2 link");
    EXPECT_EQ(mix_.getPlayback().getLeftMeter()->getTitle(), "Playback left level");
    EXPECT_EQ(mix_.getMain().getRightMeter().getTitle(), "Main right level");
    ControlButton& mainMute = mix_.getMain().getMuteButton().getButton().getButton();
    EXPECT_EQ(mainMute.getTitle(), "Main mute");
    EXPECT_EQ(mainMute.getStateText(), "off");
    EXPECT_EQ(mix_.getBypassButton().getButton().getTitle(), "Mix bypass");
}

}  // namespace
