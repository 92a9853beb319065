#include "Crc32.h"

// The table is built anew for each check: checks are rare and the table is cheap.
RunningCrc32::RunningCrc32() {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        table_[n] = value;
    }
}

void RunningCrc32::Add(const uint8_t* data, size_t length) {
    uint32_t crc = crc_;
    for (size_t i = 0; i < length; ++i)
        crc = table_[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    crc_ = crc;
}

uint32_t Crc32(const uint8_t* data, size_t length) {
    RunningCrc32 crc;
    crc.Add(data, length);
    return crc.Value();
}
