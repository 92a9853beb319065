#include "ModuleTest.h"
#include "faderMod.h"

#include <cmath>

namespace {

class FaderModTest : public ModuleTest {};

// The meter's display for one update that rises from silence.
double risenTo(double value) {
    return 255.0 * std::sqrt(value / 256.0);
}

TEST_F(FaderModTest, FaderMovesReachTheUnitOnce10MillisecondsAfterTheLastMove) {
    faderMod main(unit_, state_, 1, 0, true, true);
    faderMod playback(unit_, state_, 3, 0, true, false);
    for (double value : {20.0, 120.0, 200.0})
        main.setFader(value);
    playback.setFader(40.0);
    playback.setFader(255.0);
    EXPECT_TRUE(sentFrames().empty()) << "nothing goes out while the faders move";
    EXPECT_EQ(sorted(waitForFrames(2)),
              sorted({{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x02, 0x02, 0xE5, 0x00},
                      {0x00, 0x08, 0xB8, 0x81, 0x05, 0x10, 0x02, 0x00, 0x02, 0x02, 0x00, 0x00}}))
        << "main: block 6, -27 dB; playback: block 5, 0 dB";
    pump(40);
    EXPECT_TRUE(sentFrames().empty());
}

// A loaded mix sets fader and pan of one module together: both must go out.
TEST_F(FaderModTest, FaderAndPanOfOneStripSideAreSentIndependently) {
    faderMod strip(unit_, state_, 2, 1);
    strip.setFader(0.0);
    strip.setPan(255.0);
    EXPECT_EQ(sorted(waitForFrames(2)),
              sorted({{0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x01, 0x02, 0x02, 0x81, 0x00},
                      {0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x01, 0x03, 0x02, 0x80, 0x00}}));
}

TEST_F(FaderModTest, MainMuteGoesToBlock6AtOnceAndBlanksBothMainMetersEvenInBypass) {
    faderMod main(unit_, state_, 1, 0, true, true);
    faderMod playback(unit_, state_, 3, 0, true, false);
    state_.setMixBypass(true);
    main.showLevels(0.0, 0.0);
    playback.showLevels(0.0, 0.0);
    main.setMuted(true);
    playback.setMuted(true);
    EXPECT_EQ(waitForFrames(2),
              (Frames{{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x01, 0x01, 0x70},
                      {0x00, 0x08, 0xB8, 0x81, 0x05, 0x10, 0x02, 0x00, 0x01, 0x01, 0x70}}));
    for (int update = 0; update < 4; ++update) {
        main.showLevels(0.0, 0.0);
        playback.showLevels(0.0, 0.0);
    }
    EXPECT_DOUBLE_EQ(main.getLeftMeter()->getBallistics().getDisplay(), 4 * 4.5)
        << "the blank input lets the bar fall from full scale";
    EXPECT_DOUBLE_EQ(main.getRightMeter().getBallistics().getDisplay(), 4 * 4.5);
    EXPECT_DOUBLE_EQ(playback.getRightMeter().getBallistics().getDisplay(), 0.0)
        << "a muted playback bus still meters while the mixer is bypassed";
    EXPECT_DOUBLE_EQ(playback.getLeftMeter()->getBallistics().getDisplay(), 0.0);
}

TEST_F(FaderModTest, MetersShowTheLevelBelowTheFader) {
    faderMod strip(unit_, state_, 1, 1);
    faderMod main(unit_, state_, 1, 0, true, true);
    strip.setFader(55.0);
    main.setFader(55.0);
    strip.showLevel(10.0);
    EXPECT_DOUBLE_EQ(strip.getRightMeter().getBallistics().getDisplay(), risenTo(10.0 + 100.0))
        << "setLevel(10, 100)";
    EXPECT_EQ(strip.getLeftMeter(), nullptr) << "a strip side has one meter";

    state_.setMixBypass(true);
    faderMod bypassed(unit_, state_, 1, 2);
    bypassed.setFader(55.0);
    bypassed.showLevel(10.0);
    main.showLevels(10.0, 40.0);
    EXPECT_DOUBLE_EQ(bypassed.getRightMeter().getBallistics().getDisplay(), risenTo(10.0))
        << "in bypass a strip meter shows the input before its fader";
    EXPECT_DOUBLE_EQ(main.getLeftMeter()->getBallistics().getDisplay(), risenTo(10.0 + 100.0))
        << "the main meters always show the level after the main fader";
    EXPECT_DOUBLE_EQ(main.getRightMeter().getBallistics().getDisplay(), risenTo(40.0 + 100.0));
}

}  // namespace
