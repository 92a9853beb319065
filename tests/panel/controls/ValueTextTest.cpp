#include "ValueText.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueText, WordsFollowTheUnitsEncodings) {
    EXPECT_EQ(ValueText::gain(255), "+24 dB");
    EXPECT_EQ(ValueText::gain(189), "+12.5 dB");
    EXPECT_EQ(ValueText::gain(119), "0 dB");
    EXPECT_EQ(ValueText::gain(6), "-20 dB");
    EXPECT_EQ(ValueText::gain(3.9), "-20.5 dB") << "the unit gets the value truncated";
    EXPECT_EQ(ValueText::gain(0), "-21 dB");

    EXPECT_EQ(ValueText::level(255), "0 dB");
    EXPECT_EQ(ValueText::level(254), "0 dB");
    EXPECT_EQ(ValueText::level(200), "-27 dB");
    EXPECT_EQ(ValueText::level(0), "-127 dB");

    EXPECT_EQ(ValueText::pan(128), "centre");
    EXPECT_EQ(ValueText::pan(102), "20 % left");
    EXPECT_EQ(ValueText::pan(0), "100 % left");
    EXPECT_EQ(ValueText::pan(255), "100 % right");
    EXPECT_EQ(ValueText::pan(140.7), "9 % right");

    EXPECT_EQ(ValueText::onOff(true), "on");
    EXPECT_EQ(ValueText::onOff(false), "off");

    EXPECT_EQ(ValueText::meter(255.0, false), "silent");
    EXPECT_EQ(ValueText::meter(0.0, true), "0.0 dB, clip");
    EXPECT_EQ(ValueText::meter(127.5, false), "-27.8 dB") << "a quarter of 256 level units";
}

// The short forms of the readouts and of the numbers under the meters.
TEST(ValueText, ReadoutsAndPeakNumbersInShort) {
    EXPECT_EQ(ValueText::panShort(128), "C");
    EXPECT_EQ(ValueText::panShort(102), "L 20 %");
    EXPECT_EQ(ValueText::panShort(255), "R 100 %");
    EXPECT_EQ(ValueText::peak(255.0), "");
    EXPECT_EQ(ValueText::peak(0.0), "0");
    EXPECT_EQ(ValueText::peak(127.5), "-28");
    EXPECT_EQ(ValueText::peak(1.0), "0") << "no minus zero";
}

}  // namespace
