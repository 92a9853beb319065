// What the drawing code and the layout ask of the artwork itself, checked on the decoded
// images: knobs turn without showing corners, neighbouring controls do not hide each other,
// the meter lights green at the bottom and red at the top, and switch states read at a glance.
#include <gtest/gtest.h>
#include <juce_graphics/juce_graphics.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "SkinBytes.h"

namespace {

juce::Image decode(const std::string& file) {
    const skintest::Bytes bytes = skintest::resource(file);
    return juce::ImageFileFormat::loadFrom(bytes.data, bytes.size);
}

// Highest alpha in the rectangle x0 <= x < x1, y0 <= y < y1.
int maxAlpha(const juce::Image& image, int x0, int y0, int x1, int y1) {
    int highest = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            highest = std::max<int>(highest, image.getPixelAt(x, y).getAlpha());
    return highest;
}

// Most saturated bright colour of the visible pixels: a lit LED scores high.
int litness(const juce::Image& image) {
    int best = 0;
    for (int y = 0; y < image.getHeight(); ++y) {
        for (int x = 0; x < image.getWidth(); ++x) {
            const juce::Colour c = image.getPixelAt(x, y);
            if (c.getAlpha() < 128)
                continue;
            const int high = std::max({c.getRed(), c.getGreen(), c.getBlue()});
            const int low = std::min({c.getRed(), c.getGreen(), c.getBlue()});
            if (high >= 200)
                best = std::max(best, high - low);
        }
    }
    return best;
}

TEST(SkinArtwork, KnobsShowNothingOutsideTheCircleTheyTurnIn) {
    // Centre (size / 2, size / 2) in whole pixels; the dual ring is clipped at 75 pixels.
    const struct {
        const char* file;
        int centre;
        double radius;
    } knobs[] = {
        {"knob-small.png", 21, 21.5}, {"masterknob.png", 31, 31.5}, {"dualknob.png", 39, 36}};
    for (const auto& knob : knobs) {
        SCOPED_TRACE(knob.file);
        const juce::Image image = decode(knob.file);
        ASSERT_TRUE(image.isValid());
        int outside = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (std::hypot(x + 0.5 - knob.centre, y + 0.5 - knob.centre) > knob.radius)
                    outside = std::max<int>(outside, image.getPixelAt(x, y).getAlpha());
        EXPECT_LE(outside, 16);
        // The pointer at twelve o'clock: the column above the centre is lit, the one below not.
        const auto above = image.getPixelAt(knob.centre, knob.centre / 3).getBrightness();
        const auto below = image.getPixelAt(knob.centre, knob.centre * 5 / 3).getBrightness();
        EXPECT_GT(above, below + 0.3f);
    }
}

TEST(SkinArtwork, OverlappingNeighboursLeaveTheirSharedEdgesClear) {
    // The window-shade buttons stand 34 pixels apart in a column of 38-pixel images.
    for (const char* file : {"button-off.png", "phono-on.png", "phono-down.png", "boost-on.png",
                             "boost-down.png", "preampbutton-on.png", "preampbutton-down.png"}) {
        SCOPED_TRACE(file);
        const juce::Image image = decode(file);
        EXPECT_EQ(maxAlpha(image, 0, 0, 38, 2), 0);
        EXPECT_LT(maxAlpha(image, 0, 34, 38, 38), 32);
    }
    // The Link button's top rows lie over the pan handles, its left columns over a meter.
    for (const char* file : {"link-on.png", "link-off.png", "link-down.png"}) {
        SCOPED_TRACE(file);
        const juce::Image image = decode(file);
        EXPECT_LT(maxAlpha(image, 0, 0, 48, 3), 32);
        EXPECT_LT(maxAlpha(image, 0, 0, 10, 24), 32);
    }
}

TEST(SkinArtwork, MeterFillIsOpaqueGreenBelowAndRedAbove) {
    const juce::Image meter = decode("meter-fill.png");
    ASSERT_EQ(meter.getHeight(), 127);
    EXPECT_EQ(maxAlpha(meter, 0, 0, 14, 127), 255);
    for (int y = 0; y < 127; ++y)
        EXPECT_EQ(meter.getPixelAt(4, y).getAlpha(), 255) << y;
    const juce::Colour top = meter.getPixelAt(1, 0);
    const juce::Colour bottom = meter.getPixelAt(1, 126);
    EXPECT_GT(top.getRed(), 200);
    EXPECT_LT(top.getGreen(), 120);
    EXPECT_GT(bottom.getGreen(), 150);
    EXPECT_LT(bottom.getRed(), 120);
}

TEST(SkinArtwork, OnImagesAreLitAndOffAndPressedImagesAreNot) {
    const struct {
        const char* on;
        const char* off;
        const char* pressed;
    } sets[] = {{"phono-on.png", "button-off.png", "phono-down.png"},
                {"boost-on.png", "button-off.png", "boost-down.png"},
                {"preampbutton-on.png", "button-off.png", "preampbutton-down.png"},
                {"mute-on.png", "mute-off.png", "mute-down.png"},
                {"link-on.png", "link-off.png", "link-down.png"},
                {"mixbypass-on.png", "mixbypass-off.png", "mixbypass-down.png"},
                {"aot-on-hover.png", "aot-off.png", "aot-off-down.png"},
                {"shade-hover.png", "shade.png", "shade-down.png"}};
    for (const auto& set : sets) {
        SCOPED_TRACE(set.on);
        EXPECT_GE(litness(decode(set.on)), 150);
        EXPECT_LE(litness(decode(set.off)), 100);
        EXPECT_LE(litness(decode(set.pressed)), 100);
    }
}

}  // namespace
