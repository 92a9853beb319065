#include "SimInfoBlock.h"

#include "SimBootloader.h"
#include "SimBus.h"
#include "SimCodes.h"

#include <cstring>
#include <string>

namespace {

void putWord(uint8_t* block, uint32_t offset, uint64_t value) {
    uint32_t word = uint32_t(value);
    for (uint32_t i = 0; i < 4; ++i)
        block[offset + i] = uint8_t(word >> (8 * i));
}

// Text fields are cut to their eight bytes and padded with zeros.
void putText(uint8_t* block, uint32_t offset, const std::string& text) {
    for (size_t i = 0; i < text.size() && i < 8; ++i)
        block[offset + i] = uint8_t(text[i]);
}

}  // namespace

bool SimInfoBlock::covers(uint64_t address, uint32_t size) {
    return address >= kAddress && size <= kSize && address - kAddress <= kSize - size;
}

SimReply SimInfoBlock::read(const IniText& bus, int slot, uint64_t address, uint8_t* out,
                            uint32_t size) {
    if (SimBootloader::busy(slot))
        return SimReply{SimCodes::kGenFailure, 0};
    uint8_t block[kSize];
    fill(bus, slot, block);
    std::memcpy(out, block + (address - kAddress), size);
    return SimReply{0, size};
}

void SimInfoBlock::fill(const IniText& bus, int slot, uint8_t block[kSize]) {
    auto number = [&](const char* key) { return SimBus::unitNumber(bus, slot, key); };
    auto text = [&](const char* key) { return SimBus::unitValue(bus, slot, key); };
    std::memset(block, 0, kSize);
    putText(block, 0, text("Magic"));
    putWord(block, 8, number("ProtocolVersion"));
    putWord(block, 12, number("BootloaderMode"));
    uint64_t guid = number("Guid");
    for (int i = 0; i < 8; ++i)
        block[16 + i] = uint8_t(guid >> (56 - 8 * i));
    putWord(block, 24, number("HardwareModelID"));
    putText(block, 32, text("FirmwareDate"));
    putText(block, 40, text("FirmwareTime"));
    putWord(block, 48, number("FirmwareVersion"));
    putWord(block, 52, number("FirmwareBuild"));
    putWord(block, 60, number("MaxImageLength"));
    putText(block, 64, text("BootloaderDate"));
    putText(block, 72, text("BootloaderTime"));
    putText(block, 80, text("ProductionDate"));
    putText(block, 88, text("ProductionTime"));
    putWord(block, 96, number("Capabilities"));
    putWord(block, 100, uint64_t(slot));
}
