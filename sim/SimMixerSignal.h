#pragma once
#include "IniText.h"

#include <cstdint>

// The signal a unit meters when no fixed words are set: slowly swelling tones
// on its inputs and on the computer's playback, shaped by the unit's own
// mixer settings, so that meters and controls visibly agree. Meter order:
// strip 1 left, right; strip 2 left, right; playback left, right; main left, right.
class SimMixerSignal {
public:
    SimMixerSignal(const IniText& bus, int slot) : bus_(bus), slot_(slot) {}

    // Amplitudes from 0 to 1 (full scale), for the unit's eight meters.
    void amplitudes(uint64_t nowMs, double meters[8]) const;

private:
    // What the mixer settings do to the tones: the same for every poll until
    // the bus or a setting changes.
    struct Shape {
        double gain[4];
        bool muted[4];
        double fader[4];
        double pan[4][2];
        bool playbackMuted;
        double playbackFader;
        bool mainMuted;
        bool bypass;
    };
    double tone(uint64_t nowMs, int meter) const;
    Shape shape() const;
    Shape readShape() const;
    double gain(int channel) const;
    double fader(int block, int channel) const;
    bool muted(int block, int channel) const;
    double pan(int block, int channel, bool right) const;

    const IniText& bus_;
    int slot_;
};
