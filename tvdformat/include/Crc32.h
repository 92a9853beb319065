#pragma once
// The reflected CRC-32 of IEEE 802.3 (polynomial 0xEDB88320, initial value
// 0xFFFFFFFF, result complemented) over bytes in order.
#include <cstddef>
#include <cstdint>

uint32_t Crc32(const uint8_t* data, size_t length);

// The same CRC over data that arrives in pieces, such as the blocks of a download.
class RunningCrc32 {
public:
    RunningCrc32();
    void Add(const uint8_t* data, size_t length);
    uint32_t Value() const { return ~crc_; }

private:
    uint32_t table_[256];
    uint32_t crc_ = 0xFFFFFFFFu;
};
