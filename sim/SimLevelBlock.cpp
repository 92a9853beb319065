#include "SimLevelBlock.h"

#include "SimBus.h"
#include "SimClock.h"

#include <cmath>
#include <sstream>

bool SimLevelBlock::covers(uint64_t address, uint32_t size) {
    return address >= kAddress && size <= kSize && address - kAddress <= kSize - size;
}

SimReply SimLevelBlock::read(const IniText& bus, int slot, uint64_t address, uint8_t* out,
                             uint32_t size) {
    uint32_t words[kWords];
    if (!parseWords(SimBus::unitValue(bus, slot, "Levels"), words))
        syntheticWords(slot, SimClock::nowMs(), words);
    uint8_t block[kSize];
    for (uint32_t i = 0; i < kWords; ++i) {
        block[4 * i] = uint8_t(words[i] >> 24);
        block[4 * i + 1] = uint8_t(words[i] >> 16);
        block[4 * i + 2] = uint8_t(words[i] >> 8);
        block[4 * i + 3] = uint8_t(words[i]);
    }
    for (uint32_t i = 0; i < size; ++i)
        out[i] = block[address - kAddress + i];
    return SimReply{0, size};
}

bool SimLevelBlock::parseWords(const std::string& text, uint32_t words[kWords]) {
    std::istringstream in(text);
    std::string item;
    uint32_t count = 0;
    while (std::getline(in, item, ',')) {
        uint64_t value = 0;
        if (count == kWords || !SimBus::parseNumber(item, value) || value > 0xFFFFFFFFull)
            return false;
        words[count++] = uint32_t(value);
    }
    return count == kWords;
}

// Each pair of meters follows a tone whose loudness swells and fades over a
// few seconds, the right side a little behind the left, so meters visibly move.
void SimLevelBlock::syntheticWords(int slot, uint64_t nowMs, uint32_t words[kWords]) {
    const double pi = 3.14159265358979;
    double seconds = double(nowMs % 3600000) / 1000.0;
    for (uint32_t i = 0; i < kWords; ++i) {
        double period = 2.0 + 0.7 * double(i / 2) + 0.3 * double(slot);
        double phase = 2.0 * pi * seconds / period + 0.4 * double(i % 2) + double(i / 2);
        double amplitude = 0.5 + 0.45 * std::sin(phase);
        words[i] = uint32_t(amplitude * 2147483647.0);
    }
}
