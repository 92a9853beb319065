#pragma once
#include "AvcUnit.h"

#include <juce_events/juce_events.h>

// Defers one knob or fader command: each request replaces the pending one and
// restarts a 10 ms timer, so a burst of moves sends only the value that stands
// 10 ms after the last of them. A value still waiting when the sender goes
// (the strip closed or the panel quit right after a turn) is sent then, and
// so is one still waiting when the unit is read back or another is chosen.
class delayAVC : public AvcUnit::Deferred, private juce::Timer {
public:
    enum Kind { Fader = 1, Pan = 2, Gain = 3, LevelKnob = 4, MainFader = 5 };

    explicit delayAVC(AvcUnit& unit);
    ~delayAVC() override;

    void request(int kind, int block, int channel, double value);
    void sendNow() override;

private:
    void timerCallback() override;

    int kind_ = 0;
    int block_ = 0;
    int channel_ = 0;
    double value_ = 0;
    // The value was set by a read-back of the unit, not by the user.
    bool echo_ = false;
};
