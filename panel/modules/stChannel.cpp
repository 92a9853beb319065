#include "stChannel.h"

#include "AvcUnit.h"
#include "SkinData.h"

stChannel::stChannel(AvcUnit& unit, const PanelState& state, int n)
    : unit_(unit),
      n_(n),
      left_(unit, state, n, 1),
      right_(unit, state, n, 2),
      linkLook_(SkinData::linkon_png, SkinData::linkon_pngSize, SkinData::linkoff_png,
                SkinData::linkoff_pngSize, SkinData::linkdown_png, SkinData::linkdown_pngSize),
      link_(linkLook_, "Link") {
    juce::String strip = "Strip " + juce::String(n);
    left_.setBounds(0, 0, 89, 208);
    right_.setBounds(89, 0, 89, 208);
    link_.setBounds(64, 19, linkLook_.getImageWidth(), linkLook_.getImageHeight());
    left_.setAccessibleNames(strip + " left");
    right_.setAccessibleNames(strip + " right");
    link_.setAccessibleName(strip + " link");
    addAndMakeVisible(left_);
    addAndMakeVisible(right_);
    addAndMakeVisible(link_);
    left_.addChangeListener(this);
    right_.addChangeListener(this);
    left_.addActionListener(this);
    right_.addActionListener(this);
    link_.addActionListener(this);
}

stChannel::~stChannel() {
    link_.removeActionListener(this);
    right_.removeActionListener(this);
    left_.removeActionListener(this);
    right_.removeChangeListener(this);
    left_.removeChangeListener(this);
}

void stChannel::refreshFromUnit() {
    AvcUnit::Refresh refresh(unit_);
    int leftFader = 255, rightFader = 255, leftPan = 128, rightPan = 128;
    bool leftMute = false, rightMute = false, link = false;
    unit_.GetVolume(n_, 1, leftFader);
    unit_.GetVolume(n_, 2, rightFader);
    unit_.GetBalance(n_, 1, leftPan);
    unit_.GetBalance(n_, 2, rightPan);
    unit_.GetMute(n_, 1, leftMute);
    unit_.GetMute(n_, 2, rightMute);
    unit_.GetLink(n_, link);
    apply(Side{double(leftFader), double(leftPan), leftMute},
          Side{double(rightFader), double(rightPan), rightMute}, link);
}

void stChannel::saveState(juce::PropertySet& mix) {
    const double values[] = {left_.getFader(),
                             left_.getPan(),
                             double(left_.isMuted()),
                             right_.getFader(),
                             right_.getPan(),
                             double(right_.isMuted()),
                             double(link_.getToggleState())};
    for (size_t i = 0; i < kMixKeys.size(); ++i)
        MixKeys::write(mix, kMixKeys[i], n_, values[i]);
}

void stChannel::loadState(const juce::PropertySet& mix) {
    Side left{MixKeys::readNumber(mix, kMixKeys[LeftFader], n_),
              MixKeys::readNumber(mix, kMixKeys[LeftPan], n_),
              MixKeys::readNumber(mix, kMixKeys[LeftMute], n_) != 0.0};
    Side right{MixKeys::readNumber(mix, kMixKeys[RightFader], n_),
               MixKeys::readNumber(mix, kMixKeys[RightPan], n_),
               MixKeys::readSwitch(mix, kMixKeys[RightMute], n_)};
    apply(left, right, MixKeys::readSwitch(mix, kMixKeys[Linked], n_));
}

// A pair that is to end unlinked is unlinked first. A pair that stays linked
// (another unit read) remembers that unit's own values, if it has none yet.
// Each side takes its own values: neither follows the other meanwhile.
void stChannel::apply(const Side& left, const Side& right, bool link) {
    const std::string unit = unit_.selectedUnitPath();
    if (!link)
        remembered_.erase(unit);
    if (linked_ && !link) {
        linked_ = false;
        unit_.SetLink(n_, false);
        link_.setToggleState(false);
    }
    if (linked_ && link)
        remembered_.emplace(unit, Remembered{left, right});
    const bool leftWasMuted = left_.isMuted(), rightWasMuted = right_.isMuted();
    applying_ = true;
    setSide(left_, left);
    setSide(right_, right);
    applying_ = false;
    muteEchoes_[0] += left_.isMuted() != leftWasMuted ? 1 : 0;
    muteEchoes_[1] += right_.isMuted() != rightWasMuted ? 1 : 0;
    link_.setToggleState(link);
}

void stChannel::setSide(faderMod& module, const Side& side) {
    module.setFader(side.fader);
    module.setPan(side.pan);
    module.setMuted(side.mute);
}

void stChannel::setEnabled(bool enabled) {
    left_.setEnabled(enabled);
    right_.setEnabled(enabled);
    link_.setEnabled(enabled);
}

void stChannel::showLevels(double left, double right) {
    left_.showLevel(left);
    right_.showLevel(right);
}

// Faders set by apply() are the unit's or the mix's own, each side its own.
void stChannel::changeListenerCallback(juce::ChangeBroadcaster* source) {
    if (!link_.getToggleState() || applying_)
        return;
    if (source == &left_)
        right_.setFader(left_.getFader());
    else if (source == &right_)
        left_.setFader(right_.getFader());
}

// A mute that a read-back or a load set is the unit's or the mix's own: the
// other side of a linked pair follows only the mutes that someone switched.
void stChannel::actionListenerCallback(const juce::String& message) {
    if (message == "Link") {
        linkSender_.send();
        return;
    }
    const int side = message == "MuteL" ? 0 : message == "MuteR" ? 1 : -1;
    if (side < 0)
        return;
    if (muteEchoes_[side] > 0) {
        --muteEchoes_[side];
        return;
    }
    if (link_.getToggleState())
        (side == 0 ? right_ : left_).setMuted((side == 0 ? left_ : right_).isMuted());
}

// A unit with nothing remembered keeps its pans and mutes as they stand.
void stChannel::applyLink(bool on) {
    linked_ = on;
    unit_.SetLink(n_, on);
    const std::string unit = unit_.selectedUnitPath();
    if (on) {
        // A unit read back as linked keeps what it remembered when it was linked.
        remembered_.emplace(unit,
                            Remembered{Side{left_.getFader(), left_.getPan(), left_.isMuted()},
                                       Side{right_.getFader(), right_.getPan(), right_.isMuted()}});
        left_.setPan(0.0);
        right_.setPan(255.0);
        return;
    }
    const auto found = remembered_.find(unit);
    if (found == remembered_.end())
        return;
    const Remembered memory = found->second;
    remembered_.erase(found);
    left_.setPan(memory.left.pan);
    left_.setMuted(memory.left.mute);
    right_.setPan(memory.right.pan);
    right_.setMuted(memory.right.mute);
}
