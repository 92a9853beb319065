#include "SimBusTest.h"

#include <cstdlib>
#include <juce_gui_basics/juce_gui_basics.h>

namespace {

class MixHarnessProgramTest : public SimBusTest {
protected:
    static std::string harness(const std::string& arguments) {
        return std::string(MIXHARNESS_PATH) + " " + arguments;
    }
    // A stored mixer value, whether the unit wrote it back (hex) or not.
    unsigned long stored(const std::string& key) {
        return std::strtoul(unitKey(1, key).c_str(), nullptr, 0);
    }
};

TEST_F(MixHarnessProgramTest, ExplainsItselfAndRefusesBadOptions) {
    std::string out;
    EXPECT_EQ(run(harness("--screenshot"), &out), 2);
    EXPECT_EQ(out.rfind("mixharness: --screenshot needs a value\n"
                        "usage: mixharness [--screenshot FILE.png] [--seconds N]\n",
                        0),
              0u);
    EXPECT_EQ(run(harness("--seconds 0"), &out), 2);
    EXPECT_EQ(run(harness("--fast"), &out), 2);
    EXPECT_EQ(out.rfind("mixharness: unknown option --fast\n", 0), 0u);
}

// The harness reads the unit into its sections at start and after the first
// poll; what goes back must be what it read, and the picture is the whole panel.
TEST_F(MixHarnessProgramTest, ShowsTheUnitAndSavesAScreenshotWithoutChangingTheUnit) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X server (xvfb-run -a)";
    setUnitKey(1, "Volume6.0", "0xC900");
    setUnitKey(1, "Volume4.1", "0xE500");
    setUnitKey(1, "Balance3.2", "0x1B00");
    setUnitKey(1, "Phantom2", "1");
    setUnitKey(1, "MixBypass", "1");
    std::string shot = dir_.file("shot.png");
    std::string out;
    ASSERT_EQ(run(harness("--screenshot " + shot + " --seconds 1"), &out), 0) << out;
    juce::Image image = juce::ImageFileFormat::loadFrom(juce::File(shot));
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.getWidth(), 718);
    EXPECT_EQ(image.getHeight(), 589);
    EXPECT_EQ(stored("Volume6.0"), 0xC900u);
    EXPECT_EQ(stored("Volume4.1"), 0xE500u);
    EXPECT_EQ(stored("Balance3.2"), 0x1B00u);
    EXPECT_EQ(stored("Phantom2"), 1u);
    EXPECT_EQ(stored("MixBypass"), 1u);
}

}  // namespace
