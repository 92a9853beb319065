#include "SimLevelBlock.h"

#include "SimBus.h"
#include "SimClock.h"
#include "SimMixerSignal.h"
#include "SimUnitInfo.h"

#include <algorithm>

bool SimLevelBlock::covers(uint64_t address, uint32_t size) {
    return address >= kAddress && size <= kSize && address - kAddress <= kSize - size;
}

SimReply SimLevelBlock::read(const IniText& bus, int slot, uint64_t address, uint8_t* out,
                             uint32_t size) {
    uint32_t words[kWords];
    const SimUnitInfo unit(bus, slot);
    if (const std::array<uint32_t, kWords>* fixed = unit.fixedLevels())
        std::copy(fixed->begin(), fixed->end(), words);
    else
        syntheticWords(bus, slot, SimClock::nowMs(), words);
    uint8_t block[kSize];
    for (size_t i = 0; i < kWords; ++i) {
        block[4 * i] = uint8_t(words[i] >> 24);
        block[4 * i + 1] = uint8_t(words[i] >> 16);
        block[4 * i + 2] = uint8_t(words[i] >> 8);
        block[4 * i + 3] = uint8_t(words[i]);
    }
    for (uint32_t i = 0; i < size; ++i)
        out[i] = block[address - kAddress + i];
    return SimReply{0, size};
}

// Split by hand: a stream for eight numbers cost more than the rest of a poll.
bool SimLevelBlock::parseWords(const std::string& text, uint32_t words[kWords]) {
    uint32_t count = 0;
    for (size_t start = 0; start < text.size();) {
        size_t comma = text.find(',', start);
        size_t end = comma == std::string::npos ? text.size() : comma;
        uint64_t value = 0;
        if (count == kWords || !SimBus::parseNumber(text.substr(start, end - start), value) ||
            value > 0xFFFFFFFFull)
            return false;
        words[count++] = uint32_t(value);
        start = end + 1;
    }
    return count == kWords;
}

void SimLevelBlock::syntheticWords(const IniText& bus, int slot, uint64_t nowMs,
                                   uint32_t words[kWords]) {
    double meters[kWords];
    SimMixerSignal(bus, slot).amplitudes(nowMs, meters);
    for (uint32_t i = 0; i < kWords; ++i)
        words[i] = uint32_t(meters[i] * 2147483647.0);
}
