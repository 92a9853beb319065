#pragma once
#include "IniText.h"
#include "SimDevice.h"

#include <cstdint>

// The unit's information block at bus address 0xFFFF'C8020000: 104 bytes that
// say what the unit is and runs, little-endian words with the GUID big-endian.
class SimInfoBlock {
public:
    static constexpr uint64_t kAddress = 0xFFFFC8020000ull;
    static constexpr uint32_t kSize = 104;

    static bool covers(uint64_t address, uint32_t size);
    // Fails while the unit is busy with a reset.
    static SimReply read(const IniText& bus, int slot, uint64_t address, uint8_t* out,
                         uint32_t size);
    static void fill(const IniText& bus, int slot, uint8_t block[kSize]);
};
