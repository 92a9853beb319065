#include "delayAVC.h"

#include "AvcUnit.h"

delayAVC::delayAVC(AvcUnit& unit) : Deferred(unit) {}

delayAVC::~delayAVC() {
    sendNow();
}

void delayAVC::sendNow() {
    if (isTimerRunning())
        timerCallback();
}

void delayAVC::request(int kind, int block, int channel, double value) {
    kind_ = kind;
    block_ = block;
    channel_ = channel;
    value_ = value;
    echo_ = unit_.isReadingBack();
    startTimer(10);
}

void delayAVC::timerCallback() {
    const AvcUnit::Echo echo(unit_, echo_);
    int value = int(value_);
    switch (kind_) {
    case Fader: unit_.SetVolume(block_, channel_, value); break;
    case Pan: unit_.SetBalance(block_, channel_, value); break;
    case Gain: unit_.SetGain(block_, channel_, value); break;
    case LevelKnob:
    case MainFader: unit_.SetOutputVolume(block_, channel_, value); break;
    default: break;
    }
    stopTimer();
}
