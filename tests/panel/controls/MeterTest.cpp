#include "ControlsTest.h"
#include "PanelState.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "myMeters.h"

namespace {

double levelFor(double display) {
    return 256.0 * (display / 255.0) * (display / 255.0);
}

class MeterTest : public ::testing::Test {
protected:
    MeterTest() { meter_.setSize(14, 127); }

    // Whether a row of the meter shows the fill image.
    bool lit(const juce::Image& shown, int y) {
        return shown.getPixelAt(7, y) == fill_.getPixelAt(7, y) &&
               shown.getPixelAt(7, y).getAlpha() > 0;
    }

    PanelState state_;
    myMeters meter_{state_};
    const juce::Image fill_ =
        SkinImage::decoded(SkinData::meterfill_png, SkinData::meterfill_pngSize);
};

TEST_F(MeterTest, ShowsTheFillBelowTheLevelAndAPeakMarkerUntilHeldTimeOrClick) {
    ASSERT_TRUE(fill_.isValid());
    juce::Image shown = render(meter_);
    for (int y = 0; y < 127; ++y)
        ASSERT_FALSE(lit(shown, y)) << "an unfed meter shows nothing at " << y;

    meter_.setLevel(levelFor(40.0), 0.0);
    meter_.setLevel(levelFor(90.0), 0.0);
    EXPECT_NEAR(meter_.getBallistics().getDisplay(), 44.5, 1e-9);
    EXPECT_NEAR(meter_.getBallistics().getPeak(), 40.0, 1e-9);
    shown = render(meter_);
    EXPECT_FALSE(lit(shown, 30));
    EXPECT_TRUE(lit(shown, 40)) << "the peak marker";
    EXPECT_TRUE(lit(shown, 41));
    EXPECT_FALSE(lit(shown, 42));
    EXPECT_FALSE(lit(shown, 43));
    EXPECT_TRUE(lit(shown, 46)) << "the bar below the display position";
    EXPECT_TRUE(lit(shown, 126));

    juce::MessageManager::getInstance()->runDispatchLoopUntil(1700);
    EXPECT_EQ(meter_.getBallistics().getPeak(), 255.0) << "the hold timer cleared the marker";

    meter_.setLevel(levelFor(0.5), 0.0);
    shown = render(meter_);
    for (int y = 0; y < 10; ++y)
        EXPECT_TRUE(lit(shown, y)) << "a clip marker is 10 pixels tall, row " << y;
    juce::MessageManager::getInstance()->runDispatchLoopUntil(1700);
    EXPECT_NEAR(meter_.getBallistics().getPeak(), 0.5, 1e-9) << "the timer leaves a clip";
    const juce::MouseEvent click(juce::Desktop::getInstance().getMainMouseSource(), {},
                                 juce::ModifierKeys(), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &meter_,
                                 &meter_, juce::Time(), {}, juce::Time(), 1, false);
    meter_.mouseDown(click);
    EXPECT_EQ(meter_.getBallistics().getPeak(), 255.0) << "a click clears it";
}

TEST_F(MeterTest, BypassedMixerMetersIgnoreTheFaderOffset) {
    state_.setMixBypass(true);
    meter_.setLevel(levelFor(50.0), 100.0);
    EXPECT_NEAR(meter_.getBallistics().getDisplay(), 50.0, 1e-9);
    myMeters main(state_);
    main.setAlwaysAddOffset(true);
    main.setLevel(levelFor(50.0), 100.0);
    EXPECT_GT(main.getBallistics().getDisplay(), 100.0);
}

}  // namespace
