#include "MeterBallistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The level that a meter shows at the given display position.
double levelFor(double display) {
    return 256.0 * (display / 255.0) * (display / 255.0);
}

constexpr double kQuiet = 1000.0;

TEST(MeterBallistics, JumpsUpAtOnceAndFallsByFourAndAHalfAnUpdate) {
    MeterBallistics meter;
    EXPECT_EQ(meter.getDisplay(), 255.0);
    EXPECT_EQ(meter.getPeak(), 225.0);
    meter.setLevel(levelFor(20.0), 0.0, false);
    EXPECT_NEAR(meter.getDisplay(), 20.0, 1e-9);
    for (double expected : {24.5, 29.0, 33.5, 38.0}) {
        meter.setLevel(kQuiet, 0.0, false);
        EXPECT_NEAR(meter.getDisplay(), expected, 1e-9);
    }
    MeterBallistics half;
    half.setLevel(63.5, 0.0, false);
    EXPECT_NEAR(half.getDisplay(), 127.0, 0.01) << "a quarter of the level is half the height";
}

TEST(MeterBallistics, ConstantInputAlternatesAndSmallFallsTakeOneStep) {
    MeterBallistics meter;
    for (double expected : {50.0, 54.5, 50.0, 54.5, 50.0}) {
        meter.setLevel(levelFor(50.0), 0.0, false);
        EXPECT_NEAR(meter.getDisplay(), expected, 1e-9);
    }

    MeterBallistics rise;
    rise.setLevel(levelFor(100.0), 0.0, false);
    rise.setLevel(levelFor(102.0), 0.0, false);
    EXPECT_NEAR(rise.getDisplay(), 104.5, 1e-9) << "from 100 to 102 is one fall step";
    rise.setLevel(levelFor(102.0), 0.0, false);
    EXPECT_NEAR(rise.getDisplay(), 102.0, 1e-9);
}

TEST(MeterBallistics, PeakFollowsRisesAndIsHeldUntilTheHoldEnds) {
    MeterBallistics meter;
    EXPECT_TRUE(meter.setLevel(levelFor(150.0), 0.0, false).startHold);
    EXPECT_NEAR(meter.getPeak(), 150.0, 1e-9);
    EXPECT_TRUE(meter.setLevel(levelFor(120.0), 0.0, false).startHold) << "a louder peak restarts";
    EXPECT_NEAR(meter.getPeak(), 120.0, 1e-9);
    EXPECT_FALSE(meter.setLevel(levelFor(130.0), 0.0, false).startHold);
    EXPECT_NEAR(meter.getPeak(), 120.0, 1e-9) << "a fall leaves the peak";
    EXPECT_EQ(meter.getPeakHeight(), 2);

    EXPECT_TRUE(meter.holdExpired());
    EXPECT_NEAR(meter.getClearedPeak(), 120.0, 1e-9);
    EXPECT_EQ(meter.getPeak(), 255.0);

    MeterBallistics full;
    full.setLevel(0.0, 0.0, false);
    EXPECT_EQ(full.getDisplay(), 0.0);
    EXPECT_EQ(full.getPeak(), 225.0) << "exactly full scale never moves the peak";
}

TEST(MeterBallistics, ClipZoneKeepsThePeakWithoutATimerUntilCleared) {
    MeterBallistics meter;
    EXPECT_FALSE(meter.setLevel(levelFor(3.0), 0.0, false).startHold);
    EXPECT_NEAR(meter.getPeak(), 3.0, 1e-9);
    meter.setLevel(levelFor(2.0), 0.0, false);
    EXPECT_NEAR(meter.getPeak(), 3.0, 1e-9) << "in the clip zone the peak follows no more";
    EXPECT_TRUE(meter.holdExpired()) << "an earlier timer clears 3.0";
    EXPECT_EQ(meter.getPeak(), 255.0);

    MeterBallistics clip;
    clip.setLevel(levelFor(0.5), 0.0, false);
    EXPECT_NEAR(clip.getPeak(), 0.5, 1e-9);
    EXPECT_EQ(clip.getPeakHeight(), 10);
    EXPECT_FALSE(clip.holdExpired());
    EXPECT_NEAR(clip.getPeak(), 0.5, 1e-9) << "the end of a hold leaves a clip shown";
    clip.clearPeak();
    EXPECT_EQ(clip.getPeak(), 255.0);
}

TEST(MeterBallistics, BypassIgnoresTheFaderUnlessAlwaysAdded) {
    const double level = levelFor(100.0);
    const double withOffset = 255.0 * std::sqrt((level + 50.0) / 256.0);

    MeterBallistics bypassed;
    bypassed.setLevel(level, 50.0, true);
    EXPECT_NEAR(bypassed.getDisplay(), 100.0, 1e-9);

    MeterBallistics mixing;
    mixing.setLevel(level, 50.0, false);
    EXPECT_NEAR(mixing.getDisplay(), withOffset, 1e-9);

    MeterBallistics main;
    main.setAlwaysAddOffset(true);
    main.setLevel(level, 50.0, true);
    EXPECT_NEAR(main.getDisplay(), withOffset, 1e-9);
}

TEST(MeterBallistics, RepaintsOnlyInsideTheImageAndSurvivesOddLevels) {
    MeterBallistics meter;
    EXPECT_TRUE(meter.setLevel(levelFor(126.0), 0.0, false).repaint);
    EXPECT_FALSE(meter.setLevel(levelFor(200.0), 0.0, false).repaint)
        << "126 + 4.5 is off the image";

    MeterBallistics loud;
    loud.setLevel(-13.9, 0.0, false);
    EXPECT_EQ(loud.getDisplay(), 0.0) << "a word above full scale shows full scale";

    MeterBallistics odd;
    odd.setLevel(std::numeric_limits<double>::quiet_NaN(), 0.0, false);
    EXPECT_FALSE(std::isnan(odd.getDisplay()));
    odd.setLevel(levelFor(40.0), 0.0, false);
    EXPECT_NEAR(odd.getDisplay(), 40.0, 1e-9);
    odd.setLevel(std::numeric_limits<double>::infinity(), 0.0, false);
    EXPECT_NEAR(odd.getDisplay(), 44.5, 1e-9) << "no signal at all falls like silence";
}

}  // namespace
