// Looks draw their images at the panel's size; where the context maps a logical pixel
// onto more device pixels, the artwork rendered at twice the size takes their place.
#include "SkinData.h"
#include "SkinData2x.h"
#include "SkinImage.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace {

using Paint = std::function<void(juce::Graphics&)>;

// `paint` into a clear picture of the size times `scale`, through a context scaled by `scale`.
juce::Image render(juce::Rectangle<int> size, float scale, const Paint& paint) {
    juce::Image canvas(juce::Image::ARGB, juce::roundToInt(size.getWidth() * scale),
                       juce::roundToInt(size.getHeight() * scale), true);
    juce::Graphics g(canvas);
    g.addTransform(juce::AffineTransform::scale(scale));
    paint(g);
    return canvas;
}

bool samePixels(const juce::Image& a, const juce::Image& b) {
    if (a.getBounds() != b.getBounds())
        return false;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt(x, y) != b.getPixelAt(x, y))
                return false;
    return true;
}

juce::Image large(const void* data, int size) {
    return juce::ImageFileFormat::loadFrom(data, size_t(size));
}

TEST(SkinImage, TheLargeArtworkIsDrawnWhereTheContextIsScaledUp) {
    const juce::Image mute = SkinImage::cached(SkinData::muteon_png, SkinData::muteon_pngSize);
    const juce::Image mute2x = large(SkinData2x::muteon_png, SkinData2x::muteon_pngSize);
    ASSERT_EQ(mute.getBounds(), juce::Rectangle<int>(74, 25)) << "looks measure the panel size";
    const Paint draw = [&](juce::Graphics& g) { SkinImage::draw(g, mute, {}); };
    const Paint fill = [&](juce::Graphics& g) {
        g.setFillType(SkinImage::brush(g, mute, {}));
        g.fillRect(mute.getBounds());
    };

    EXPECT_TRUE(samePixels(render(mute.getBounds(), 1.0f, draw), mute));
    EXPECT_TRUE(samePixels(render(mute.getBounds(), 1.0f, fill), mute));
    EXPECT_TRUE(samePixels(render(mute.getBounds(), 2.0f, draw), mute2x));
    EXPECT_TRUE(samePixels(render(mute.getBounds(), 2.0f, fill), mute2x));
    EXPECT_EQ(render(mute.getBounds(), 1.5f, draw).getWidth(), 111);

    SkinImage::setLargeArtworkDrawn(false);
    const juce::Image magnified = render(mute.getBounds(), 2.0f, draw);
    SkinImage::setLargeArtworkDrawn(true);
    EXPECT_FALSE(samePixels(magnified, mute2x)) << "the gallery's sheet of the panel-size art";
}

TEST(SkinImage, PlacementAndPrivateDecodesKeepTheirTwin) {
    const juce::Image meter =
        SkinImage::decoded(SkinData::meterfill_png, SkinData::meterfill_pngSize);
    const juce::Image meter2x = large(SkinData2x::meterfill_png, SkinData2x::meterfill_pngSize);
    // Placed 3 pixels in: the large artwork lands 6 device pixels in.
    const juce::Image shifted =
        render(meter.getBounds().withWidth(meter.getWidth() + 3), 2.0f, [&](juce::Graphics& g) {
            SkinImage::draw(g, meter, juce::AffineTransform::translation(3.0f, 0.0f));
        });
    EXPECT_TRUE(samePixels(shifted.getClippedImage(meter2x.getBounds().translated(6, 0)), meter2x));
}

TEST(SkinImage, AnImageWithoutLargeArtworkIsDrawnItself) {
    juce::Image plain(juce::Image::ARGB, 4, 4, true);
    plain.clear(plain.getBounds(), juce::Colours::red);
    const juce::Image drawn =
        render(plain.getBounds(), 2.0f, [&](juce::Graphics& g) { SkinImage::draw(g, plain, {}); });
    EXPECT_EQ(drawn.getWidth(), 8);
    EXPECT_EQ(drawn.getPixelAt(3, 4), juce::Colours::red);
    EXPECT_FALSE(SkinImage::cached(nullptr, 0).isValid());
    EXPECT_FALSE(SkinImage::decoded(SkinData::meterfill_png, 4).isValid());
}

}  // namespace
