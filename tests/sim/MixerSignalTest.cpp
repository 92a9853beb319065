#include "SimBus.h"
#include "SimBusTest.h"
#include "SimMixerSignal.h"
#include "SimUnitSettings.h"

namespace {

class MixerSignalTest : public SimBusTest {
protected:
    void meters(double out[8]) {
        SimMixerSignal(*SimBus::instance().snapshot(), 1).amplitudes(12345, out);
    }
};

TEST_F(MixerSignalTest, SettingsShapeWhatTheMetersShow) {
    double plain[8];
    meters(plain);
    for (double m : plain) {
        EXPECT_GT(m, 0.0);
        EXPECT_LT(m, 1.0);
    }

    setUnitKey(1, "Volume1.1", "0x1800");
    setUnitKey(1, "Volume2.2", "0xEB00");
    double gains[8];
    meters(gains);
    EXPECT_DOUBLE_EQ(gains[0], 1.0) << "+24 dB on a tone drives strip 1 left to full scale";
    EXPECT_LT(gains[3], plain[3] / 10) << "-21 dB on the line input";
    EXPECT_DOUBLE_EQ(gains[4], plain[4]) << "playback ignores the input gains";

    setUnitKey(1, "Volume1.1", "0x0000");
    setUnitKey(1, "Volume2.2", "0x0000");
    setUnitKey(1, "Mute3.1", "0x70");
    setUnitKey(1, "Mute3.2", "0x70");
    setUnitKey(1, "Volume4.1", "0x8100");
    setUnitKey(1, "Volume4.2", "0x8100");
    double onlyPlayback[8];
    meters(onlyPlayback);
    EXPECT_DOUBLE_EQ(onlyPlayback[0], plain[0]) << "strip meters read before fader and mute";
    EXPECT_NEAR(onlyPlayback[6], plain[4], 1e-9) << "main carries the playback alone";
    EXPECT_NEAR(onlyPlayback[7], plain[5], 1e-9);

    setUnitKey(1, "Mute3.1", "0x60");
    setUnitKey(1, "MixBypass", "1");
    double bypass[8];
    meters(bypass);
    EXPECT_NEAR(bypass[6], plain[4], 1e-9) << "mix bypass takes the strips off the main mix";

    setUnitKey(1, "Mute6.0", "0x70");
    double mainMuted[8];
    meters(mainMuted);
    EXPECT_EQ(mainMuted[6], 0.0);
    EXPECT_EQ(mainMuted[7], 0.0);
}

// A host's command stores its value before the bus file is written: the very
// next poll of the same snapshot meters it, and writing it out changes nothing.
TEST_F(MixerSignalTest, ASettingShowsBeforeItReachesTheBusFile) {
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    double before[8], pending[8], written[8], unit2[8];
    SimMixerSignal(*bus, 1).amplitudes(12345, before);
    SimUnitSettings::instance().set(1, "Mute6.0", "0x70");
    SimMixerSignal(*bus, 1).amplitudes(12345, pending);
    EXPECT_GT(before[6], 0.0);
    EXPECT_EQ(pending[6], 0.0);
    EXPECT_EQ(pending[7], 0.0);
    SimMixerSignal(*bus, 2).amplitudes(12345, unit2);
    EXPECT_GT(unit2[6], 0.0) << "another unit keeps its own settings";

    SimUnitSettings::instance().flush();
    meters(written);
    EXPECT_EQ(written[6], 0.0);
    SimUnitSettings::instance().set(1, "Mute6.0", "0x60");
    meters(written);
    EXPECT_DOUBLE_EQ(written[6], before[6]);
}

}  // namespace
