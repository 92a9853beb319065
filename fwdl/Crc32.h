#pragma once
// The reflected CRC-32 of IEEE 802.3 (polynomial 0xEDB88320, initial value
// 0xFFFFFFFF, result complemented) over bytes in order.
#include <cstddef>
#include <cstdint>

uint32_t Crc32(const uint8_t* data, size_t length);
