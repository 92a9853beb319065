#include "SimMixerSignal.h"

#include "SimAudioSubunit.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const double kPi = 3.14159265358979;

double fromDecibels(double decibels) {
    return std::pow(10.0, decibels / 20.0);
}

std::string key(const char* control, int block, int channel) {
    return control + std::to_string(block) + "." + std::to_string(channel);
}

}  // namespace

// Each meter pair follows a tone that swells and fades over a few seconds,
// the right side a little behind the left.
double SimMixerSignal::tone(uint64_t nowMs, int meter) const {
    double seconds = double(nowMs % 3600000) / 1000.0;
    int pair = meter / 2;
    double period = 2.0 + 0.7 * pair + 0.3 * double(slot_);
    double phase = 2.0 * kPi * seconds / period + 0.4 * double(meter % 2) + pair;
    return 0.12 + 0.08 * std::sin(phase);
}

// The input gains of blocks 1 (preamps, strip 1) and 2 (line input, strip 2).
double SimMixerSignal::gain(int channel) const {
    int block = channel < 2 ? 1 : 2;
    uint16_t raw = SimAudioSubunit::storedValue(bus_, slot_, key("Volume", block, channel % 2 + 1));
    double decibels = int8_t(raw >> 8) + ((raw & 0xFF) == 0x80 ? 0.5 : 0.0);
    return fromDecibels(decibels);
}

double SimMixerSignal::fader(int block, int channel) const {
    int8_t decibels =
        int8_t(SimAudioSubunit::storedValue(bus_, slot_, key("Volume", block, channel)) >> 8);
    return decibels <= -127 ? 0.0 : fromDecibels(decibels);
}

bool SimMixerSignal::muted(int block, int channel) const {
    return SimAudioSubunit::storedValue(bus_, slot_, key("Mute", block, channel)) == 0x70;
}

// Equal-power pan of a strip channel, 0 hard left to 255 hard right.
double SimMixerSignal::pan(int block, int channel, bool right) const {
    int8_t high =
        int8_t(SimAudioSubunit::storedValue(bus_, slot_, key("Balance", block, channel)) >> 8);
    double position = (127 - high) / 255.0;
    return right ? std::sin(position * kPi / 2) : std::cos(position * kPi / 2);
}

void SimMixerSignal::amplitudes(uint64_t nowMs, double meters[8]) const {
    double main[2] = {0, 0};
    for (int input = 0; input < 4; ++input) {
        int block = 3 + input / 2, channel = input % 2 + 1;
        meters[input] = std::min(1.0, tone(nowMs, input) * gain(input));
        if (muted(block, channel))
            continue;
        for (int side = 0; side < 2; ++side)
            main[side] += meters[input] * fader(block, channel) * pan(block, channel, side == 1);
    }
    bool bypass = SimAudioSubunit::storedValue(bus_, slot_, "MixBypass") != 0;
    for (int side = 0; side < 2; ++side) {
        meters[4 + side] = tone(nowMs, 4 + side);
        double playback = muted(5, 0) ? 0.0 : meters[4 + side] * fader(5, 0);
        double mix = bypass ? playback : main[side] + playback;
        meters[6 + side] = muted(6, 0) ? 0.0 : std::min(1.0, mix);
    }
}
