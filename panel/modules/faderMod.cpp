#include "faderMod.h"

#include "MeterFeed.h"
#include "PanelState.h"
#include "ValueText.h"

#include <algorithm>

namespace {

constexpr double kFaderTop = 255.0;
constexpr double kPanCentre = 128.0;

}  // namespace

faderMod::faderMod(AvcUnit& unit, const PanelState& state, int n, int channel, bool noPan,
                   bool main)
    : state_(state),
      n_(n),
      channel_(channel),
      noPan_(noPan),
      main_(main),
      fader_("Fader"),
      mute_(unit),
      rightMeter_(state),
      faderSender_(unit),
      panSender_(unit) {
    // Nothing listens while the initial values are set, so construction sends nothing.
    setInterceptsMouseClicks(false, true);
    setUpFader();
    if (!noPan_)
        setUpPan();
    mute_.setSide(main_ ? 4 : n_, channel_);
    mute_.setBounds(6, 176, mute_.getImageWidth(), mute_.getImageHeight());
    addAndMakeVisible(mute_);
    setUpMeters();
    fader_.addListener(this);
    if (panner_)
        panner_->addListener(this);
    mute_.addActionListener(this);
}

faderMod::~faderMod() {
    mute_.removeActionListener(this);
    fader_.setLookAndFeel(nullptr);
    if (panner_)
        panner_->setLookAndFeel(nullptr);
}

void faderMod::setUpFader() {
    fader_.setSliderStyle(juce::Slider::LinearVertical);
    fader_.setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
    fader_.setRange(0.0, 255.0, 1.0);
    fader_.setSkewFactor(7.0);
    fader_.setValue(kFaderTop, juce::dontSendNotification);
    if (!noPan_)
        fader_.setDoubleClickReturnValue(true, kFaderTop);
    fader_.setValueText([](double value) { return ValueText::level(value); });
    fader_.setLookAndFeel(&faderLook_);
    fader_.setBounds(30, 22, 28, 155);
    addAndMakeVisible(fader_);
}

void faderMod::setUpPan() {
    panLook_ = std::make_unique<iPanStyle>();
    panner_ = std::make_unique<ControlSlider>("Panner");
    panner_->setSliderStyle(juce::Slider::LinearHorizontal);
    panner_->setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
    panner_->setRange(0.0, 255.0, 1.0);
    panner_->setValue(kPanCentre, juce::dontSendNotification);
    panner_->setDoubleClickReturnValue(true, kPanCentre);
    panner_->setValueText([](double value) { return ValueText::pan(value); });
    panner_->setReadoutText([](double value) { return ValueText::panShort(value); });
    panner_->setLookAndFeel(panLook_.get());
    panner_->setBounds(5, 8, 76, 16);
    addAndMakeVisible(*panner_);
}

void faderMod::setUpMeters() {
    if (noPan_) {
        leftMeter_ = std::make_unique<myMeters>(state_);
        leftMeter_->setBounds(56, 36, 10, 125);
        addAndMakeVisible(*leftMeter_);
        rightMeter_.setBounds(67, 36, 10, 125);
    } else {
        rightMeter_.setBounds(63, 36, 10, 125);
    }
    addAndMakeVisible(rightMeter_);
    const juce::Rectangle<int> meters =
        leftMeter_ ? leftMeter_->getBounds().getUnion(rightMeter_.getBounds())
                   : rightMeter_.getBounds();
    // Under a single meter; above a pair, whose L and R are printed under it.
    const int y = leftMeter_ ? meters.getY() - 13 : meters.getBottom() + 2;
    peakNumber_.setBounds(meters.getCentreX() - 13, y, 26, 12);
    addAndMakeVisible(peakNumber_);
    if (main_) {
        rightMeter_.setAlwaysAddOffset(true);
        leftMeter_->setAlwaysAddOffset(true);
    }
}

void faderMod::setAccessibleNames(const juce::String& prefix) {
    fader_.setAccessibleName(prefix + " fader");
    if (panner_)
        panner_->setAccessibleName(prefix + " pan");
    mute_.setAccessibleName(prefix + " mute");
    if (leftMeter_) {
        leftMeter_->setAccessibleName(prefix + " left level");
        rightMeter_.setAccessibleName(prefix + " right level");
    } else {
        rightMeter_.setAccessibleName(prefix + " level");
    }
}

void faderMod::setFader(double value) {
    fader_.setValue(value, juce::sendNotificationSync);
}

double faderMod::getFader() const {
    return fader_.getValue();
}

void faderMod::setPan(double value) {
    if (panner_)
        panner_->setValue(value, juce::sendNotificationSync);
}

double faderMod::getPan() const {
    return panner_ ? panner_->getValue() : kPanCentre;
}

void faderMod::setMuted(bool on) {
    mute_.setToggleState(on);
}

bool faderMod::isMuted() {
    return mute_.isMuted();
}

void faderMod::setEnabled(bool enabled) {
    fader_.setEnabled(enabled);
    if (panner_)
        panner_->setEnabled(enabled);
    mute_.setEnabled(enabled);
}

void faderMod::sliderValueChanged(juce::Slider* slider) {
    if (slider == &fader_) {
        faderSender_.request(main_ ? delayAVC::MainFader : delayAVC::Fader, n_, channel_,
                             fader_.getValue());
        // Synchronous, so a linked partner follows within the same move.
        sendSynchronousChangeMessage();
    } else if (slider == panner_.get()) {
        panSender_.request(delayAVC::Pan, n_, channel_, panner_->getValue());
    }
}

void faderMod::actionListenerCallback(const juce::String&) {
    if (channel_ == 1)
        sendActionMessage("MuteL");
    else if (channel_ == 2)
        sendActionMessage("MuteR");
}

bool faderMod::meterBlanked() {
    return MeterFeed::blanked(mute_.isMuted(), state_.getMixBypass(), main_);
}

void faderMod::showLevel(double level) {
    MeterFeed::Reading reading = MeterFeed::reading(level, fader_.getValue(), meterBlanked());
    rightMeter_.setLevel(reading.level, reading.offset);
    if (!leftMeter_)
        peakNumber_.setPeak(shownPeak(rightMeter_));
}

// A peak below the meter's foot (a meter not yet fed, a strip muted since it
// was made, a very quiet signal) has no marker, so it has no number either.
double faderMod::shownPeak(const myMeters& meter) {
    const double peak = meter.getBallistics().getPeak();
    return peak < meter.getHeight() ? peak : MeterBallistics::kSilent;
}

void faderMod::showLevels(double left, double right) {
    showLevel(right);
    if (!leftMeter_)
        return;
    MeterFeed::Reading reading = MeterFeed::reading(left, fader_.getValue(), meterBlanked());
    leftMeter_->setLevel(reading.level, reading.offset);
    peakNumber_.setPeak(std::min(shownPeak(*leftMeter_), shownPeak(rightMeter_)));
}
