#include "MixMod.h"

#include "AvcUnit.h"
#include "PanelState.h"
#include "SkinData.h"
#include "UnitWatch.h"

#include <algorithm>

MixMod::MixMod(AvcUnit& unit, PanelState& state, CDeviceModel& model)
    : unit_(unit),
      state_(state),
      model_(model),
      strip1_(unit, state, 1),
      strip2_(unit, state, 2),
      bypassLook_(SkinData::mixbypasson_png, SkinData::mixbypasson_pngSize,
                  SkinData::mixbypassoff_png, SkinData::mixbypassoff_pngSize,
                  SkinData::mixbypassdown_png, SkinData::mixbypassdown_pngSize),
      bypass_(bypassLook_, "MixBypass"),
      playback_(unit, state, 3, 0, true, false),
      main_(unit, state, 1, 0, true, true) {
    strip1_.setBounds(0, 0, 178, 208);
    strip2_.setBounds(178, 0, 178, 208);
    bypass_.setBounds(359, 3, bypassLook_.getImageWidth(), bypassLook_.getImageHeight());
    playback_.setBounds(356, 0, 89, 208);
    main_.setBounds(513, 0, 89, 208);
    playback_.setAccessibleNames("Playback");
    main_.setAccessibleNames("Main");
    bypass_.setAccessibleName("Mix bypass");
    addAndMakeVisible(strip1_);
    addAndMakeVisible(strip2_);
    addAndMakeVisible(playback_);
    addAndMakeVisible(main_);
    // Added last so that it lies above the playback fader module it overlaps.
    addAndMakeVisible(bypass_);
    bypass_.addActionListener(this);
    startTimer(kPollMilliseconds);
}

MixMod::~MixMod() {
    stopTimer();
    bypass_.removeActionListener(this);
}

void MixMod::timerCallback() {
    if (!schedule_.framesStopped(juce::Time::getMillisecondCounter())) {
        setTimerPeriod(kWatchMilliseconds);
        return;
    }
    setTimerPeriod(kPollMilliseconds);
    poll();
}

// A stopped timer stays stopped; a running one changes its period only when it differs,
// since each change wakes the timer thread.
void MixMod::setTimerPeriod(int milliseconds) {
    if (isTimerRunning() && getTimerInterval() != milliseconds)
        startTimer(milliseconds);
}

// A frame costs nothing extra: the message thread is awake for it anyway. Each
// poll re-arms the watch, so that it fires only when the frames stop; done from
// the frame's own timer callback, that wakes no thread either.
void MixMod::frameArrived() {
    if (!schedule_.frame(juce::Time::getMillisecondCounter()))
        return;
    if (isTimerRunning())
        startTimer(kWatchMilliseconds);
    poll();
}

void MixMod::poll() {
    PresencePollResult result = PresencePoll(reader_, model_);
    if (result == POLL_UNITS_CHANGED)
        sendActionMessage("ConfigChange");
    if (result != POLL_LEVELS_VALID) {
        showNoLevels();
        return;
    }
    unit_.resendFailed();
    // Controls that show defaults because the unit did not answer are read again.
    if (unit_.readBackDue())
        sendActionMessage("UnitChange");
    const double* levels = reader_.Levels;
    strip1_.showLevels(levels[0], levels[1]);
    strip2_.showLevels(levels[2], levels[3]);
    playback_.showLevels(levels[4], levels[5]);
    main_.showLevels(levels[6], levels[7]);
}

std::array<double, 8> MixMod::getLevels() const {
    std::array<double, 8> levels{};
    std::copy(reader_.Levels, reader_.Levels + levels.size(), levels.begin());
    return levels;
}

void MixMod::showNoLevels() {
    strip1_.showLevels(255.0, 255.0);
    strip2_.showLevels(255.0, 255.0);
    playback_.showLevels(255.0, 255.0);
    main_.showLevels(255.0, 255.0);
}

void MixMod::actionListenerCallback(const juce::String& message) {
    if (message == "MixBypass")
        bypassSender_.send();
}

// The main fader stays live in bypass: it is the only level control left.
void MixMod::applyBypass(bool on) {
    unit_.SetMixBypass(on);
    state_.setMixBypass(on);
    strip1_.setEnabled(!on);
    strip2_.setEnabled(!on);
    playback_.setEnabled(!on);
}

void MixMod::refreshFromUnit() {
    AvcUnit::Refresh refresh(unit_);
    int playbackFader = 255, mainFader = 0;
    bool playbackMute = false, bypass = false, mainMute = false;
    unit_.GetVolume(3, 0, playbackFader);
    unit_.GetMute(3, 0, playbackMute);
    unit_.GetMixBypass(bypass);
    unit_.GetOutputVolume(1, 0, mainFader);
    unit_.GetMute(4, 0, mainMute);
    strip1_.refreshFromUnit();
    strip2_.refreshFromUnit();
    playback_.setFader(playbackFader);
    playback_.setMuted(playbackMute);
    state_.setMixBypass(bypass);
    main_.setFader(mainFader);
    main_.setMuted(mainMute);
    bypass_.setToggleState(bypass);
}

void MixMod::saveState(juce::PropertySet& mix) {
    strip1_.saveState(mix);
    strip2_.saveState(mix);
    const double values[] = {playback_.getFader(), double(playback_.isMuted()), main_.getFader(),
                             double(main_.isMuted()), double(bypass_.getToggleState())};
    for (size_t i = 0; i < kMixKeys.size(); ++i)
        MixKeys::write(mix, kMixKeys[i], 0, values[i]);
}

void MixMod::loadState(const juce::PropertySet& mix) {
    strip1_.loadState(mix);
    strip2_.loadState(mix);
    playback_.setFader(MixKeys::readNumber(mix, kMixKeys[PlaybackFader], 0));
    playback_.setMuted(MixKeys::readSwitch(mix, kMixKeys[PlaybackMute], 0));
    main_.setFader(MixKeys::readNumber(mix, kMixKeys[MainFader], 0));
    main_.setMuted(MixKeys::readSwitch(mix, kMixKeys[MainMute], 0));
    bypass_.setToggleState(MixKeys::readSwitch(mix, kMixKeys[Bypass], 0));
}

void MixMod::setTooltip(const juce::String& text) {
    tooltip_ = text;
}

juce::String MixMod::getTooltip() {
    return tooltip_;
}
