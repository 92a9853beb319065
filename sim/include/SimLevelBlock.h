#pragma once
#include "IniText.h"
#include "SimDevice.h"

#include <cstdint>
#include <string>

// The unit's level block: eight big-endian meter words (0x7FFFFFFF = full
// scale) at bus address 0xFFC7'00600000. A unit meters its mixer's signal
// unless its key Levels fixes the eight words.
class SimLevelBlock {
public:
    static constexpr uint64_t kAddress = 0xFFC700600000ull;
    static constexpr uint32_t kWords = 8;
    static constexpr uint32_t kSize = 4 * kWords;

    // True when the read lies inside the block.
    static bool covers(uint64_t address, uint32_t size);
    static SimReply read(const IniText& bus, int slot, uint64_t address, uint8_t* out,
                         uint32_t size);
    // Eight comma-separated numbers; false for anything else.
    static bool parseWords(const std::string& text, uint32_t words[kWords]);

private:
    static void syntheticWords(const IniText& bus, int slot, uint64_t nowMs,
                               uint32_t words[kWords]);
};
