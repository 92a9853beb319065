#pragma once
#include <cstdint>

// The value encodings between the panel's 0 to 255 control scales and the
// bytes the unit's audio subunit takes. Pure functions, so tests reach them
// without a unit.
namespace AvcEncoding {

struct Bytes {
    uint8_t high;
    uint8_t low;
};

// Faders and output levels: whole decibels, 0 dB at 254 and 255, -127 dB at 0 and 1.
Bytes encodeLevel(int value);
int decodeLevel(uint8_t high);

// Pans: 128 is the centre.
Bytes encodeBalance(int value);
int decodeBalance(uint8_t high);

// Preamp and line gains: -21 dB to +24 dB in half-decibel steps.
Bytes encodeGain(int value);
int decodeGain(uint8_t high, uint8_t low);

uint8_t encodeMute(bool on);
bool decodeMute(uint8_t byte);

}  // namespace AvcEncoding
