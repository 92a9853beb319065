#include "AvcEncoding.h"

namespace AvcEncoding {

namespace {

constexpr uint8_t kMuteOn = 0x70;
constexpr uint8_t kMuteOff = 0x60;

// A unit answering outside the control's range must not push a control off its scale.
int clampToScale(int value) {
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

}  // namespace

Bytes encodeLevel(int value) {
    return Bytes{uint8_t((value >> 1) - 127), 0};
}

int decodeLevel(uint8_t high) {
    return clampToScale(2 * int8_t(high) + 255);
}

Bytes encodeBalance(int value) {
    uint8_t high = uint8_t(127 - value);
    return Bytes{high, uint8_t(high == 127 ? 0xFE : 0x00)};
}

int decodeBalance(uint8_t high) {
    return 127 - int8_t(high);
}

// A fraction of three quarters or more goes up to the next whole decibel:
// dropping it to the whole below would make the knob lower the gain as it
// turns up.
Bytes encodeGain(int value) {
    int whole = value * 45 / 255 - 21;
    double fraction = (value * 45.0 / 255.0 - 21.0) - whole;
    if (fraction >= 0.75)
        return Bytes{uint8_t(whole + 1), 0x00};
    return Bytes{uint8_t(whole), uint8_t(fraction > 0.25 ? 0x80 : 0x00)};
}

int decodeGain(uint8_t high, uint8_t low) {
    double decibels = int8_t(high) + (low == 0x80 ? 0.5 : 0.0);
    return clampToScale(int((decibels + 21.0) * 255.0 / 45.0));
}

uint8_t encodeMute(bool on) {
    return on ? kMuteOn : kMuteOff;
}

bool decodeMute(uint8_t byte) {
    return byte == kMuteOn;
}

}  // namespace AvcEncoding
