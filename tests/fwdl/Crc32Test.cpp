#include "Crc32.h"

#include <gtest/gtest.h>

namespace {

TEST(Crc32, KnownValues) {
    const uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(0x352441C2u, Crc32(abc, 3));
    const uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(0xCBF43926u, Crc32(digits, 9));
    EXPECT_EQ(0u, Crc32(abc, 0));
}

}  // namespace
