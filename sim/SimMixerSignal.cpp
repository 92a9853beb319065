#include "SimMixerSignal.h"

#include "SimAudioSubunit.h"
#include "SimBus.h"
#include "SimUnitSettings.h"

#include <algorithm>
#include <cmath>
#include <memory>
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

SimMixerSignal::Shape SimMixerSignal::readShape() const {
    Shape shape{};
    for (int input = 0; input < 4; ++input) {
        int block = 3 + input / 2, channel = input % 2 + 1;
        shape.gain[input] = gain(input);
        shape.muted[input] = muted(block, channel);
        shape.fader[input] = fader(block, channel);
        for (int side = 0; side < 2; ++side)
            shape.pan[input][side] = pan(block, channel, side == 1);
    }
    shape.playbackMuted = muted(5, 0);
    shape.playbackFader = fader(5, 0);
    shape.mainMuted = muted(6, 0);
    shape.bypass = SimAudioSubunit::storedValue(bus_, slot_, "MixBypass") != 0;
    return shape;
}

// Some thirty settings looked up by name cost a poll of the meters more than
// the rest of it: they are read once for each bus snapshot and settings version.
SimMixerSignal::Shape SimMixerSignal::shape() const {
    struct Cache {
        std::shared_ptr<const IniText> bus;
        int slot = 0;
        uint64_t version = 0;
        Shape shape{};
    };
    thread_local Cache cache;
    const uint64_t version = SimUnitSettings::instance().version();
    if (cache.bus.get() == &bus_ && cache.slot == slot_ && cache.version == version)
        return cache.shape;
    std::shared_ptr<const IniText> current = SimBus::instance().lastSnapshot();
    if (current.get() != &bus_)
        return readShape();
    cache.shape = readShape();
    cache.bus = std::move(current);
    cache.slot = slot_;
    cache.version = version;
    return cache.shape;
}

void SimMixerSignal::amplitudes(uint64_t nowMs, double meters[8]) const {
    const Shape s = shape();
    double main[2] = {0, 0};
    for (int input = 0; input < 4; ++input) {
        meters[input] = std::min(1.0, tone(nowMs, input) * s.gain[input]);
        if (s.muted[input])
            continue;
        for (int side = 0; side < 2; ++side)
            main[side] += meters[input] * s.fader[input] * s.pan[input][side];
    }
    for (int side = 0; side < 2; ++side) {
        meters[4 + side] = tone(nowMs, 4 + side);
        double playback = s.playbackMuted ? 0.0 : meters[4 + side] * s.playbackFader;
        double mix = s.bypass ? playback : main[side] + playback;
        meters[6 + side] = s.mainMuted ? 0.0 : std::min(1.0, mix);
    }
}
