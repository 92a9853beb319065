// The artwork at twice the size: every image has its twin under the same file name, exactly
// twice as wide and as high, in the same format, and shows the same picture.
#include <gtest/gtest.h>
#include <juce_graphics/juce_graphics.h>

#include <cstdlib>
#include <string>

#include "SkinBytes.h"
#include "SkinData.h"
#include "SkinData2x.h"

namespace {

using skintest::Bytes;

// Width, height, PNG colour type (or 0xC0 for a baseline JPEG frame) and gamma (0 for none).
struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int kind = -1;
    std::uint32_t gamma = 0;
};

Header header(Bytes bytes) {
    Header h;
    const auto chunks = skintest::pngChunks(bytes);
    if (chunks.empty() || chunks.front().type != "IHDR" || chunks.front().data.size() != 13) {
        const skintest::JpegFrame frame = skintest::jpegFrame(bytes);
        return {std::uint32_t(frame.width), std::uint32_t(frame.height), frame.marker, 0};
    }
    h.width = skintest::bigEndian32(chunks.front().data.data());
    h.height = skintest::bigEndian32(chunks.front().data.data() + 4);
    h.kind = chunks.front().data[9];
    for (const auto& chunk : chunks)
        if (chunk.type == "gAMA" && chunk.data.size() == 4)
            h.gamma = skintest::bigEndian32(chunk.data.data());
    return h;
}

juce::Image decode(Bytes bytes) {
    return juce::ImageFileFormat::loadFrom(bytes.data, bytes.size);
}

// The mean difference of the channels between the panel-size image and the large one
// taken down to the same size by averaging each 2 x 2 block.
double meanDifference(const juce::Image& small, const juce::Image& large) {
    long total = 0;
    for (int y = 0; y < small.getHeight(); ++y) {
        for (int x = 0; x < small.getWidth(); ++x) {
            const juce::Colour s = small.getPixelAt(x, y);
            int sum[4] = {};
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const juce::Colour l = large.getPixelAt(2 * x + dx, 2 * y + dy);
                    sum[0] += l.getRed();
                    sum[1] += l.getGreen();
                    sum[2] += l.getBlue();
                    sum[3] += l.getAlpha();
                }
            }
            total += std::abs(s.getRed() - sum[0] / 4) + std::abs(s.getGreen() - sum[1] / 4) +
                     std::abs(s.getBlue() - sum[2] / 4) + std::abs(s.getAlpha() - sum[3] / 4);
        }
    }
    return double(total) / (4.0 * small.getWidth() * small.getHeight());
}

TEST(SkinLarge, EveryImageHasATwinOfTwiceItsSizeInTheSameFormat) {
    ASSERT_EQ(SkinData2x::namedResourceListSize, SkinData::namedResourceListSize);
    for (int i = 0; i < SkinData::namedResourceListSize; ++i) {
        const std::string file = SkinData::originalFilenames[i];
        SCOPED_TRACE(file);
        const Header one = header(skintest::resource(file));
        const Header two = header(skintest::resource2x(file));
        ASSERT_GT(one.width, 0u);
        EXPECT_EQ(two.width, 2 * one.width);
        EXPECT_EQ(two.height, 2 * one.height);
        EXPECT_EQ(two.kind, one.kind) << "colour type, or baseline JPEG";
        EXPECT_EQ(two.gamma, one.gamma);
        EXPECT_EQ(std::string(SkinData2x::namedResourceList[i]), SkinData::namedResourceList[i])
            << "the looks find the twin by the same name";
    }
}

TEST(SkinLarge, TwinsShowTheSamePicture) {
    for (int i = 0; i < SkinData::namedResourceListSize; ++i) {
        const std::string file = SkinData::originalFilenames[i];
        SCOPED_TRACE(file);
        const juce::Image small = decode(skintest::resource(file));
        const juce::Image large = decode(skintest::resource2x(file));
        ASSERT_TRUE(small.isValid() && large.isValid());
        EXPECT_LT(meanDifference(small, large), 4.0);
    }
    // The measure tells pictures apart: the mute button's on and off images.
    EXPECT_GT(meanDifference(decode(skintest::resource("mute-on.png")),
                             decode(skintest::resource2x("mute-off.png"))),
              4.0);
}

}  // namespace
