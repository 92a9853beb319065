#include "Crc32.h"

namespace {

// Built anew for each check: checks are rare and the table is cheap.
void BuildTable(uint32_t (&table)[256]) {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        table[n] = value;
    }
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t length) {
    uint32_t table[256];
    BuildTable(table);
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i)
        crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}
