// The panel scaled up: the "Size" menu scales the window and keeps its logical size and
// place, and `lumora_panel --scale 2 --screenshots` writes pictures twice as large whose
// edges are as sharp as at 100 %, which an upscaled 100 % picture is not.
#include "MainWindow.h"
#include "PanelSize.h"
#include "PanelTest.h"
#include "RegistryValue.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

int brightness(juce::Colour c) {
    return (299 * c.getRed() + 587 * c.getGreen() + 114 * c.getBlue()) / 1000;
}

// Brightness steps between neighbouring pixels of the picture, across and down; with a
// parity, only the steps that start at an even (0) or odd (1) column or row.
std::vector<int> steps(const juce::Image& image, int parity = -1) {
    std::vector<int> found;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x) {
            const int here = brightness(image.getPixelAt(x, y));
            if (x + 1 < image.getWidth() && (parity < 0 || x % 2 == parity))
                found.push_back(std::abs(brightness(image.getPixelAt(x + 1, y)) - here));
            if (y + 1 < image.getHeight() && (parity < 0 || y % 2 == parity))
                found.push_back(std::abs(brightness(image.getPixelAt(x, y + 1)) - here));
        }
    return found;
}

double meanOfLargest(std::vector<int> values, std::size_t count) {
    std::sort(values.begin(), values.end(), std::greater<int>());
    count = std::min(count, values.size());
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += values[i];
    return count > 0 ? sum / double(count) : 0.0;
}

// How sharp the picture at twice the size is against the one at the panel's size: the
// strongest edges (as many as 1 % of the small picture's steps) compared, once for the
// steps inside each 2 x 2 block and once for those between blocks; the lesser of the two.
// A sharp rendering keeps its edges one device pixel wide wherever they fall; a blurred
// upscale halves their steps, a blocky one has none inside the blocks.
double relativeSharpness(const juce::Image& small, const juce::Image& large) {
    const std::vector<int> reference = steps(small);
    const std::size_t count = reference.size() / 100;
    const double edge = meanOfLargest(reference, count);
    return std::min(meanOfLargest(steps(large, 0), count), meanOfLargest(steps(large, 1), count)) /
           edge;
}

juce::Image upscaled(const juce::Image& image, juce::Graphics::ResamplingQuality quality) {
    juce::Image large(juce::Image::RGB, image.getWidth() * 2, image.getHeight() * 2, true);
    juce::Graphics g(large);
    g.setImageResamplingQuality(quality);
    g.drawImageTransformed(image, juce::AffineTransform::scale(2.0f));
    return large;
}

class PanelScaleTest : public PanelTest {
protected:
    PanelScaleTest() : runtime_("XDG_RUNTIME_DIR", dir_.file("runtime")) {
        juce::File(dir_.file("runtime")).createDirectory();
    }
    ~PanelScaleTest() override {
        window_.reset();
        juce::Desktop::getInstance().setGlobalScaleFactor(1.0f);
    }
    static bool haveDisplay() {
        return juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isNotEmpty();
    }
    // The panel picture of `lumora_panel <options> --screenshots <folder>`; invalid on failure.
    juce::Image screenshot(const std::string& options, const std::string& folder,
                           const std::string& environment = {}) {
        // JUCE unloads the X libraries at exit: what Xlib keeps reads as a leak.
        const std::string command = environment +
                                    "ASAN_OPTIONS=\"${ASAN_OPTIONS:-}:detect_leaks=0\" '" +
                                    std::string(LUMORA_PANEL) + "' " + options +
                                    " --screenshots '" + dir_.file(folder) + "'";
        if (run(command) != 0)
            return {};
        return juce::ImageFileFormat::loadFrom(
            juce::File(dir_.file(folder)).getChildFile("panel.png"));
    }
    static juce::String stored() {
        return RegistryValue("HKEY_CURRENT_USER\\Software\\Brantel\\Lumora Size").read("(none)");
    }

    ScopedEnv runtime_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(PanelScaleTest, TheSizeMenuScalesTheWindowAndKeepsItsLogicalSizeAndPlace) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    window_ = std::make_unique<MainWindow>(model_, true);
    pump(200);
    window_->setTopLeftPosition(100, 80);
    pump();
    const juce::Rectangle<int> logical = window_->getBounds();
    const juce::Rectangle<int> content = window_->getMainComp().getBounds();
    ASSERT_NE(window_->getPeer(), nullptr);

    window_->getMainComp().contextMenuChosen(PanelSize::kFirstItem + 2);
    pump();
    EXPECT_EQ(juce::Desktop::getInstance().getGlobalScaleFactor(), 2.0f);
    EXPECT_EQ(window_->getBounds(), logical.withPosition(50, 40))
        << "the same logical size, the corner where it was on the screen";
    EXPECT_EQ(window_->getMainComp().getBounds(), content) << "positions stay as they were";
    EXPECT_EQ(window_->getPeer()->getBounds().getWidth(), 2 * logical.getWidth());
    EXPECT_EQ(stored(), "200");
    EXPECT_EQ(PanelSize::current(), 200);

    window_->getMainComp().contextMenuChosen(PanelSize::kFirstItem + 1);
    pump();
    EXPECT_EQ(window_->getPeer()->getBounds().getWidth(),
              juce::roundToInt(1.5 * logical.getWidth()));
    EXPECT_EQ(stored(), "150");
    window_->getMainComp().contextMenuChosen(PanelSize::kFirstItem);
    pump();
    EXPECT_EQ(window_->getBounds(), logical);
    EXPECT_EQ(window_->getPeer()->getBounds().getWidth(), logical.getWidth());
    EXPECT_EQ(stored(), "100");
}

TEST_F(PanelScaleTest, At200PercentThePicturesAreTwiceAsLargeAndAsSharp) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    const juce::Image one = screenshot("", "one");
    const juce::Image two = screenshot("--scale 2", "two");
    ASSERT_EQ(one.getBounds(), juce::Rectangle<int>(725, 615));
    ASSERT_EQ(two.getBounds(), juce::Rectangle<int>(1450, 1230));
    EXPECT_EQ(
        juce::ImageFileFormat::loadFrom(juce::File(dir_.file("two/winshade.png"))).getBounds(),
        juce::Rectangle<int>(1450, 318));

    // The top of the panel below the title bar: logo, knobs, scales and lettering (no meters,
    // which move between the two runs).
    const juce::Rectangle<int> area(10, 30, 705, 200);
    const juce::Image small = one.getClippedImage(area);
    const juce::Image large = two.getClippedImage(area * 2);
    EXPECT_GT(relativeSharpness(small, large), 0.8);
    EXPECT_LT(relativeSharpness(small, upscaled(small, juce::Graphics::mediumResamplingQuality)),
              0.6)
        << "a smoothly upscaled picture is blurred";
    EXPECT_LT(relativeSharpness(small, upscaled(small, juce::Graphics::lowResamplingQuality)), 0.6)
        << "a blocky upscaled picture has no edges inside its blocks";

    EXPECT_EQ(screenshot("", "gdk", "GDK_SCALE=2 ").getWidth(), 1450) << "the desktop's scale";
    EXPECT_EQ(screenshot("--scale 1.5", "both", "GDK_SCALE=2 ").getWidth(), 2175)
        << "the size on top of it";
    EXPECT_EQ(run(std::string("'") + LUMORA_PANEL + "' --scale 3 --screenshots '" +
                  dir_.file("three") + "' 2>/dev/null"),
              2);
    EXPECT_FALSE(juce::File(dir_.file("three")).exists());
}

}  // namespace
