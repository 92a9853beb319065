#include "SimBus.h"
#include "SimLevelBlock.h"

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

TEST(BusNumbersTest, LevelsAreEightCommaSeparatedWords) {
    uint32_t words[8] = {};
    EXPECT_TRUE(SimLevelBlock::parseWords("0x7FFFFFFF,0x40000000,2,3,4,5,6,0", words));
    EXPECT_EQ(words[0], 0x7FFFFFFFu);
    EXPECT_EQ(words[1], 0x40000000u);
    EXPECT_EQ(words[7], 0u);
    EXPECT_TRUE(SimLevelBlock::parseWords("1,2,3,4,5,6,7,0xFFFFFFFF,", words))
        << "a comma at the end";
    EXPECT_EQ(words[7], 0xFFFFFFFFu);
    EXPECT_FALSE(SimLevelBlock::parseWords("", words)) << "empty: the moving signal";
    EXPECT_FALSE(SimLevelBlock::parseWords("1,2,3,4,5,6,7", words)) << "seven";
    EXPECT_FALSE(SimLevelBlock::parseWords("1,2,3,4,5,6,7,8,9", words)) << "nine";
    EXPECT_FALSE(SimLevelBlock::parseWords("1,2,,4,5,6,7,8", words)) << "an empty word";
    EXPECT_FALSE(SimLevelBlock::parseWords("1,2,3,4,5,6,7,0x100000000", words)) << "over 32 bits";
    EXPECT_FALSE(SimLevelBlock::parseWords("1,2,3,4,5,6,7, 8", words)) << "a blank";
}

}  // namespace
