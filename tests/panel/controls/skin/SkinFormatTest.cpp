// The 44 compiled-in skin images: each under its file name, of its pixel size and format
// (PNG 8-bit RGBA with a gamma chunk, the title bar 8-bit RGB, the backgrounds baseline JPEG).
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "SkinBytes.h"
#include "SkinData.h"

namespace {

using skintest::bigEndian32;
using skintest::resource;

enum class Format { Rgba, Rgb, Jpeg };

struct Entry {
    const char* file;
    int width;
    int height;
    Format format;
};

const Entry kCatalogue[] = {
    {"aot-off-down.png", 28, 22, Format::Rgba},
    {"aot-off.png", 28, 22, Format::Rgba},
    {"aot-on-hover.png", 28, 22, Format::Rgba},
    {"background.jpg", 718, 589, Format::Jpeg},
    {"boost-down.png", 38, 38, Format::Rgba},
    {"boost-on.png", 38, 38, Format::Rgba},
    {"button-off.png", 38, 38, Format::Rgba},
    {"close-down.png", 28, 22, Format::Rgba},
    {"close-hover.png", 28, 22, Format::Rgba},
    {"close.png", 28, 22, Format::Rgba},
    {"dualknob.png", 79, 79, Format::Rgba},
    {"fader.png", 26, 40, Format::Rgba},
    {"knob-small.png", 43, 43, Format::Rgba},
    {"load-down.png", 54, 25, Format::Rgba},
    {"load.png", 54, 25, Format::Rgba},
    {"masterknob.png", 63, 63, Format::Rgba},
    {"meter-fill.png", 14, 127, Format::Rgba},
    {"minimize-down.png", 28, 22, Format::Rgba},
    {"minimize.png", 28, 22, Format::Rgba},
    {"mixbypass-down.png", 77, 21, Format::Rgba},
    {"mixbypass-off.png", 77, 21, Format::Rgba},
    {"mixbypass-on.png", 77, 21, Format::Rgba},
    {"mute-down.png", 74, 25, Format::Rgba},
    {"mute-off.png", 74, 25, Format::Rgba},
    {"mute-on.png", 74, 25, Format::Rgba},
    {"panhandle.png", 18, 13, Format::Rgba},
    {"phono-down.png", 38, 38, Format::Rgba},
    {"phono-on.png", 38, 38, Format::Rgba},
    {"preampbutton-down.png", 38, 38, Format::Rgba},
    {"preampbutton-on.png", 38, 38, Format::Rgba},
    {"save-down.png", 54, 25, Format::Rgba},
    {"save.png", 54, 25, Format::Rgba},
    {"shade-down.png", 28, 22, Format::Rgba},
    {"shade-hover.png", 28, 22, Format::Rgba},
    {"shade.png", 28, 22, Format::Rgba},
    {"stereo-down.png", 38, 74, Format::Rgba},
    {"stereo-off.png", 38, 74, Format::Rgba},
    {"stereo-on.png", 38, 74, Format::Rgba},
    {"link-down.png", 48, 24, Format::Rgba},
    {"link-off.png", 48, 24, Format::Rgba},
    {"link-on.png", 48, 24, Format::Rgba},
    {"titlebar.png", 723, 22, Format::Rgb},
    {"unitsmall.png", 32, 24, Format::Rgba},
    {"winshade4.jpg", 721, 130, Format::Jpeg},
};

TEST(SkinFormat, EveryImageIsCompiledInUnderItsFileName) {
    EXPECT_EQ(SkinData::namedResourceListSize, 44);
    std::set<std::string> files;
    for (const Entry& entry : kCatalogue) {
        files.insert(entry.file);
        EXPECT_GE(resource(entry.file).size, 5u) << entry.file;
    }
    EXPECT_EQ(files.size(), 44u);
    // The looks name the arrays directly; those are the same bytes.
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(SkinData::muteon_png),
              resource("mute-on.png").data);
    EXPECT_EQ(static_cast<std::size_t>(SkinData::muteon_pngSize), resource("mute-on.png").size);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(SkinData::background_jpg),
              resource("background.jpg").data);
}

TEST(SkinFormat, PngImagesHaveTheirSizeColourTypeAndGamma) {
    for (const Entry& entry : kCatalogue) {
        if (entry.format == Format::Jpeg)
            continue;
        SCOPED_TRACE(entry.file);
        const auto chunks = skintest::pngChunks(resource(entry.file));
        ASSERT_GE(chunks.size(), 4u);
        const auto& ihdr = chunks.front();
        ASSERT_EQ(ihdr.type, "IHDR");
        ASSERT_EQ(ihdr.data.size(), 13u);
        EXPECT_EQ(bigEndian32(ihdr.data.data()), static_cast<std::uint32_t>(entry.width));
        EXPECT_EQ(bigEndian32(ihdr.data.data() + 4), static_cast<std::uint32_t>(entry.height));
        EXPECT_EQ(ihdr.data[8], 8) << "bit depth";
        EXPECT_EQ(ihdr.data[9], entry.format == Format::Rgb ? 2 : 6) << "colour type";
        EXPECT_EQ(ihdr.data[12], 0) << "interlace";
        EXPECT_EQ(chunks.back().type, "IEND");
        bool gammaBeforeData = false;
        bool data = false;
        for (const auto& chunk : chunks) {
            EXPECT_TRUE(chunk.crcOk) << chunk.type;
            // Text and time chunks would make a re-render differ.
            EXPECT_TRUE(chunk.type != "tEXt" && chunk.type != "zTXt" && chunk.type != "iTXt" &&
                        chunk.type != "tIME")
                << chunk.type;
            if (chunk.type == "IDAT")
                data = true;
            if (chunk.type == "gAMA" && !data) {
                ASSERT_EQ(chunk.data.size(), 4u);
                EXPECT_EQ(bigEndian32(chunk.data.data()), 45455u);
                gammaBeforeData = true;
            }
        }
        EXPECT_TRUE(gammaBeforeData);
    }
}

TEST(SkinFormat, BackgroundsAreBaselineJpegOfTheirSize) {
    for (const Entry& entry : kCatalogue) {
        if (entry.format != Format::Jpeg)
            continue;
        SCOPED_TRACE(entry.file);
        const skintest::Bytes bytes = resource(entry.file);
        const skintest::JpegFrame frame = skintest::jpegFrame(bytes);
        EXPECT_EQ(frame.marker, 0xC0);
        EXPECT_EQ(frame.precision, 8);
        EXPECT_EQ(frame.width, entry.width);
        EXPECT_EQ(frame.height, entry.height);
        EXPECT_EQ(frame.components, 3);
        ASSERT_GE(bytes.size, 2u);
        EXPECT_EQ(bytes.data[bytes.size - 2], 0xFF);
        EXPECT_EQ(bytes.data[bytes.size - 1], 0xD9);
    }
}

TEST(SkinFormat, ReadersRejectDamagedBytes) {
    const unsigned char truncatedPng[] = {0x89, 'P',  'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00,
                                          0x00, 0x0D, 'I', 'H', 'D',  'R',  0x00, 0x00, 0x00, 0x1C};
    EXPECT_TRUE(skintest::pngChunks({truncatedPng, sizeof truncatedPng}).empty());
    const unsigned char iend[] = {0x89, 'P',  'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00,
                                  0x00, 0x00, 'I', 'E', 'N',  'D',  0xAE, 0x42, 0x60, 0x82};
    auto chunks = skintest::pngChunks({iend, sizeof iend});
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_TRUE(chunks[0].crcOk);
    unsigned char flipped[sizeof iend];
    std::memcpy(flipped, iend, sizeof iend);
    flipped[19] ^= 1;
    EXPECT_FALSE(skintest::pngChunks({flipped, sizeof flipped})[0].crcOk);
    // A progressive frame (SOF2) after an APP0 segment is found and reported as such.
    const unsigned char progressive[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF,
                                         0xC2, 0x00, 0x11, 0x08, 0x00, 0x82, 0x02, 0xD1, 0x03};
    const auto frame = skintest::jpegFrame({progressive, sizeof progressive});
    EXPECT_EQ(frame.marker, 0xC2);
    EXPECT_EQ(frame.width, 721);
    EXPECT_EQ(frame.height, 130);
}

}  // namespace
