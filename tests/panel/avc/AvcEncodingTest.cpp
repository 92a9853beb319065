#include "AvcEncoding.h"

#include <gtest/gtest.h>

namespace {

using namespace AvcEncoding;

TEST(AvcEncodingTest, LevelSendsWholeDecibelsAndReadsBackOdd) {
    EXPECT_EQ(encodeLevel(255).high, 0x00);
    EXPECT_EQ(encodeLevel(254).high, 0x00);
    EXPECT_EQ(encodeLevel(1).high, 0x81);
    EXPECT_EQ(encodeLevel(0).high, 0x81);
    EXPECT_EQ(encodeLevel(128).high, 0xC1);
    EXPECT_EQ(encodeLevel(0).low, 0x00);
    EXPECT_EQ(decodeLevel(0x81), 1);
    EXPECT_EQ(decodeLevel(0x00), 255);
    EXPECT_EQ(decodeLevel(0xC1), 129);
    for (int v = 0; v <= 255; ++v)
        EXPECT_EQ(decodeLevel(encodeLevel(v).high), v | 1) << "the lowest bit is lost, v = " << v;
    EXPECT_EQ(decodeLevel(0x80), 0) << "-128 dB is below the scale";
    EXPECT_EQ(decodeLevel(0x06), 255) << "a gain above 0 dB stays on the scale";
}

TEST(AvcEncodingTest, BalanceCentresAt128AndRoundTripsExactly) {
    EXPECT_EQ(encodeBalance(0).high, 0x7F);
    EXPECT_EQ(encodeBalance(0).low, 0xFE);
    EXPECT_EQ(encodeBalance(255).high, 0x80);
    EXPECT_EQ(encodeBalance(255).low, 0x00);
    EXPECT_EQ(encodeBalance(128).high, 0xFF);
    EXPECT_EQ(encodeBalance(128).low, 0x00);
    EXPECT_EQ(encodeBalance(1).low, 0x00);
    for (int v = 0; v <= 255; ++v)
        EXPECT_EQ(decodeBalance(encodeBalance(v).high), v);
}

TEST(AvcEncodingTest, GainInHalfDecibelSteps) {
    const struct {
        int value;
        uint8_t high, low;
    } cases[] = {{255, 0x18, 0x00}, {3, 0xEB, 0x80},   {6, 0xEC, 0x00},   {0, 0xEB, 0x00},
                 {119, 0x00, 0x00}, {120, 0x00, 0x00}, {121, 0x00, 0x80}, {2, 0xEB, 0x80},
                 {5, 0xEC, 0x00},   {4, 0xEB, 0x80}};
    for (const auto& c : cases) {
        Bytes bytes = encodeGain(c.value);
        EXPECT_EQ(bytes.high, c.high) << c.value;
        EXPECT_EQ(bytes.low, c.low) << c.value;
    }
    EXPECT_EQ(decodeGain(0x18, 0x00), 255);
    EXPECT_EQ(decodeGain(0xEB, 0x00), 0);
    EXPECT_EQ(decodeGain(0xEB, 0x80), 2) << "-20.5 dB reads back below the 3 that sent it";
    EXPECT_EQ(decodeGain(0x00, 0x00), 119);
    EXPECT_EQ(decodeGain(0x00, 0x80), 121);
    EXPECT_EQ(decodeGain(0x00, 0x40), 119) << "only 0x80 in the low byte adds half a decibel";
    EXPECT_EQ(decodeGain(0x80, 0x00), 0) << "below -21 dB stays on the scale";
    EXPECT_EQ(decodeGain(0x7F, 0x80), 255);
    int previous = 0;
    // Turning the knob up never lowers the gain.
    for (int v = 0; v <= 255; ++v) {
        Bytes bytes = encodeGain(v);
        int back = decodeGain(bytes.high, bytes.low);
        EXPECT_GE(back, previous) << v;
        EXPECT_LE(back, v + 1) << v;
        EXPECT_GE(back, v - 2) << v;
        previous = back;
    }
}

TEST(AvcEncodingTest, MuteBytes) {
    EXPECT_EQ(encodeMute(true), 0x70);
    EXPECT_EQ(encodeMute(false), 0x60);
    EXPECT_TRUE(decodeMute(0x70));
    EXPECT_FALSE(decodeMute(0x60));
    EXPECT_FALSE(decodeMute(0x71));
}

}  // namespace
