#include "SimBus.h"

#include <gtest/gtest.h>

namespace {

TEST(BusNumbersTest, DecimalOrHex) {
    uint64_t value = 0;
    EXPECT_TRUE(SimBus::parseNumber("48000", value));
    EXPECT_EQ(value, 48000u);
    EXPECT_TRUE(SimBus::parseNumber("0x0013A20000100001", value));
    EXPECT_EQ(value, 0x0013A20000100001u);
    EXPECT_FALSE(SimBus::parseNumber("", value));
    EXPECT_FALSE(SimBus::parseNumber("0x", value));
    EXPECT_FALSE(SimBus::parseNumber("-1", value));
    EXPECT_FALSE(SimBus::parseNumber("12ab", value));
}

}  // namespace
