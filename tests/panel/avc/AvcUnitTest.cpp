#include "AvcFrameLog.h"
#include "AvcUnit.h"
#include "UnitWatch.h"
#include "SimBusTest.h"

#include <cmath>

namespace {

using Frame = SentFrame;

class AvcUnitTest : public SimBusTest {
protected:
    AvcUnitTest() {
        model_.ConnectAtStart();
        AvcFrameLog::take();
    }

    static std::vector<Frame> sentFrames() { return AvcFrameLog::take(); }
    Frame sentFrame() {
        std::vector<Frame> frames = sentFrames();
        EXPECT_EQ(frames.size(), 1u);
        return frames.empty() ? Frame() : frames[0];
    }

    AvcFrameLog log_;
    CDeviceModel model_;
    AvcUnit unit_{model_};
};

TEST_F(AvcUnitTest, FeatureBuildersSendTheseFrames) {
    int v = 0;
    bool on = false;
    ASSERT_TRUE(unit_.SetVolume(1, 1, 254));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x02, 0x02, 0x00, 0x00}));
    ASSERT_TRUE(unit_.GetVolume(2, 2, v));
    EXPECT_EQ(sentFrame(),
              (Frame{0x01, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x02, 0x02, 0x02, 0x00, 0x00}));
    ASSERT_TRUE(unit_.SetVolume(3, 0, 0));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x05, 0x10, 0x02, 0x00, 0x02, 0x02, 0x81, 0x00}));
    ASSERT_TRUE(unit_.SetBalance(1, 2, 0));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x03, 0x02, 0x7F, 0xFE}));
    ASSERT_TRUE(unit_.SetBalance(2, 1, 255));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x01, 0x03, 0x02, 0x80, 0x00}));
    ASSERT_TRUE(unit_.SetBalance(1, 1, 128));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x03, 0x02, 0xFF, 0x00}));
    ASSERT_TRUE(unit_.GetBalance(1, 1, v));
    EXPECT_EQ(sentFrame(),
              (Frame{0x01, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x03, 0x02, 0x00, 0x00}));
    ASSERT_TRUE(unit_.SetMute(4, 0, true));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x01, 0x01, 0x70}));
    ASSERT_TRUE(unit_.GetMute(3, 0, on));
    EXPECT_EQ(sentFrame(),
              (Frame{0x01, 0x08, 0xB8, 0x81, 0x05, 0x10, 0x02, 0x00, 0x01, 0x01, 0x00}));
    ASSERT_TRUE(unit_.SetOutputVolume(1, 0, 200));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x02, 0x02, 0xE5, 0x00}));
    ASSERT_TRUE(unit_.GetOutputVolume(2, 0, v));
    EXPECT_EQ(sentFrame(),
              (Frame{0x01, 0x08, 0xB8, 0x81, 0x07, 0x10, 0x02, 0x00, 0x02, 0x02, 0x00, 0x00}));
    ASSERT_TRUE(unit_.SetGain(1, 2, 255));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x01, 0x10, 0x02, 0x02, 0x02, 0x02, 0x18, 0x00}));
    ASSERT_TRUE(unit_.SetGain(2, 1, 3));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x02, 0x10, 0x02, 0x01, 0x02, 0x02, 0xEB, 0x80}));
    ASSERT_TRUE(unit_.SetGain(1, 1, 6));
    EXPECT_EQ(sentFrame(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x01, 0x10, 0x02, 0x01, 0x02, 0x02, 0xEC, 0x00}));
    ASSERT_TRUE(unit_.GetGain(1, 1, v));
    EXPECT_EQ(sentFrame(),
              (Frame{0x01, 0x08, 0xB8, 0x81, 0x01, 0x10, 0x02, 0x01, 0x02, 0x02, 0x00, 0x00}));
}

TEST_F(AvcUnitTest, SelectorAndVendorBuildersSendTheseFrames) {
    bool on = false;
    ASSERT_TRUE(unit_.SetMixBypass(true));
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0xB8, 0x80, 0x01, 0x10, 0x02, 0x01, 0x01}));
    ASSERT_TRUE(unit_.GetMixBypass(on));
    EXPECT_EQ(sentFrame(), (Frame{0x01, 0x08, 0xB8, 0x80, 0x01, 0x10, 0x02, 0x00, 0x01}));
    ASSERT_TRUE(unit_.SetPhono(true));
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x00, 0x00, 0x01}));
    ASSERT_TRUE(unit_.GetPhono(on));
    EXPECT_EQ(sentFrame(), (Frame{0x01, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x00, 0x00, 0x00}));
    ASSERT_TRUE(unit_.SetPhantom(2, true));
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x01, 0x02, 0x01}));
    ASSERT_TRUE(unit_.GetPhantom(1, on));
    EXPECT_EQ(sentFrame(), (Frame{0x01, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x01, 0x01, 0x00}));
    ASSERT_TRUE(unit_.SetBoost(1, false));
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x02, 0x01, 0x00}));
    ASSERT_TRUE(unit_.GetBoost(2, on));
    EXPECT_EQ(sentFrame(), (Frame{0x01, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x02, 0x02, 0x00}));
    ASSERT_TRUE(unit_.SetLimiter(2, true));
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x03, 0x02, 0x01}));
    ASSERT_TRUE(unit_.GetLimiter(1, on));
    EXPECT_EQ(sentFrame(), (Frame{0x01, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x03, 0x01, 0x00}));
    ASSERT_TRUE(unit_.VendorCommand4());
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x04, 0x00, 0x00}));
    ASSERT_TRUE(unit_.SetLink(2, true));
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x05, 0x02, 0x01}));
    ASSERT_TRUE(unit_.GetLink(1, on));
    EXPECT_EQ(sentFrame(), (Frame{0x01, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x05, 0x01, 0x00}));
    ASSERT_TRUE(unit_.VendorCommand7());
    EXPECT_EQ(sentFrame(), (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x07, 0x00, 0x00}));
    ASSERT_TRUE(unit_.SetUnitName(0, "Studio"));
    EXPECT_EQ(sentFrames(),
              (std::vector<Frame>{{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x06, 'S', 't', 'u', 'd',
                                   'i', 'o', 0x00, 0x00},
                                  {0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x07, 0x00, 0x00}}));
    char name[7];
    ASSERT_TRUE(unit_.GetUnitName(0, name));
    EXPECT_EQ(sentFrame(),
              (Frame{0x01, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x06, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_STREQ(name, "Studio");
}

TEST_F(AvcUnitTest, EveryControlReadsBackFromTheUnit) {
    for (int n : {1, 2}) {
        for (int ch : {1, 2}) {
            ASSERT_TRUE(unit_.SetVolume(n, ch, 100 + 10 * n + ch));
            ASSERT_TRUE(unit_.SetBalance(n, ch, 40 * n + ch));
            ASSERT_TRUE(unit_.SetMute(n, ch, ch == 2));
            ASSERT_TRUE(unit_.SetGain(n, ch, 200 + 10 * n + ch));
        }
        ASSERT_TRUE(unit_.SetPhantom(n, n == 1));
        ASSERT_TRUE(unit_.SetBoost(n, n == 2));
        ASSERT_TRUE(unit_.SetLimiter(n, true));
        ASSERT_TRUE(unit_.SetLink(n, n == 2));
        ASSERT_TRUE(unit_.SetOutputVolume(n, 0, 60 + n));
    }
    ASSERT_TRUE(unit_.SetVolume(3, 0, 77));
    ASSERT_TRUE(unit_.SetMute(3, 0, true));
    ASSERT_TRUE(unit_.SetMute(4, 0, true));
    ASSERT_TRUE(unit_.SetMixBypass(true));
    ASSERT_TRUE(unit_.SetPhono(true));

    for (int n : {1, 2}) {
        for (int ch : {1, 2}) {
            int v = -1;
            bool on = false;
            ASSERT_TRUE(unit_.GetVolume(n, ch, v));
            EXPECT_EQ(v, (100 + 10 * n + ch) | 1);
            ASSERT_TRUE(unit_.GetBalance(n, ch, v));
            EXPECT_EQ(v, 40 * n + ch);
            ASSERT_TRUE(unit_.GetMute(n, ch, on));
            EXPECT_EQ(on, ch == 2);
            ASSERT_TRUE(unit_.GetGain(n, ch, v));
            EXPECT_NEAR(v, 200 + 10 * n + ch, 2);
        }
        bool on = false;
        int v = -1;
        ASSERT_TRUE(unit_.GetPhantom(n, on));
        EXPECT_EQ(on, n == 1);
        ASSERT_TRUE(unit_.GetBoost(n, on));
        EXPECT_EQ(on, n == 2);
        ASSERT_TRUE(unit_.GetLimiter(n, on));
        EXPECT_TRUE(on);
        ASSERT_TRUE(unit_.GetLink(n, on));
        EXPECT_EQ(on, n == 2);
        ASSERT_TRUE(unit_.GetOutputVolume(n, 0, v));
        EXPECT_EQ(v, (60 + n) | 1);
    }
    int v = -1;
    bool on = false;
    ASSERT_TRUE(unit_.GetVolume(3, 0, v));
    EXPECT_EQ(v, 77);
    ASSERT_TRUE(unit_.GetMute(3, 0, on));
    EXPECT_TRUE(on);
    ASSERT_TRUE(unit_.GetMute(4, 0, on));
    EXPECT_TRUE(on);
    ASSERT_TRUE(unit_.GetMixBypass(on));
    EXPECT_TRUE(on);
    ASSERT_TRUE(unit_.GetPhono(on));
    EXPECT_TRUE(on);
}

TEST_F(AvcUnitTest, MetersFollowWhatTheBuildersSet) {
    LevelReader reader;
    ASSERT_EQ(PresencePoll(reader, model_), POLL_UNITS_CHANGED);
    ASSERT_EQ(PresencePoll(reader, model_), POLL_LEVELS_VALID);
    EXPECT_LT(reader.Levels[6], 1e9) << "the main mix carries a signal";
    ASSERT_TRUE(unit_.SetMute(4, 0, true));
    ASSERT_EQ(PresencePoll(reader, model_), POLL_LEVELS_VALID);
    EXPECT_EQ(reader.Levels[6], HUGE_VAL) << "a muted main is silent";
    ASSERT_TRUE(unit_.SetGain(1, 1, 0));
    ASSERT_EQ(PresencePoll(reader, model_), POLL_LEVELS_VALID);
    double quiet = reader.Levels[0];
    ASSERT_TRUE(unit_.SetGain(1, 1, 255));
    ASSERT_EQ(PresencePoll(reader, model_), POLL_LEVELS_VALID);
    EXPECT_LT(reader.Levels[0], quiet - 60) << "45 dB more gain is about 104 meter units louder";
}

TEST_F(AvcUnitTest, FailedStatusCommandLeavesTheOutputAlone) {
    setUnitKey(1, "Present", "0");
    int v = 42;
    bool on = true;
    char name[7] = "before";
    EXPECT_FALSE(unit_.SetVolume(1, 1, 10));
    EXPECT_FALSE(unit_.GetVolume(1, 1, v));
    EXPECT_FALSE(unit_.GetGain(1, 1, v));
    EXPECT_FALSE(unit_.GetMixBypass(on));
    EXPECT_FALSE(unit_.GetPhono(on));
    EXPECT_FALSE(unit_.GetUnitName(0, name));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(on);
    EXPECT_STREQ(name, "before");
}

TEST_F(AvcUnitTest, NameCommandsSwitchToTheUnitAndBack) {
    setUnitKey(2, "Present", "1");
    ASSERT_TRUE(unit_.SelectUnit(0));
    ASSERT_TRUE(unit_.SetUnitName(1, "Desk 2"));
    EXPECT_EQ(model_.SelectedUnit, 0u);
    char name[7];
    ASSERT_TRUE(unit_.GetUnitName(1, name));
    EXPECT_STREQ(name, "Desk 2");
    EXPECT_EQ(model_.SelectedUnit, 0u);
    ASSERT_TRUE(unit_.GetUnitName(0, name));
    EXPECT_STREQ(name, "Unit #");
    ASSERT_TRUE(unit_.SetMute(1, 1, true));
    bool on = false;
    ASSERT_TRUE(unit_.SelectUnit(1));
    ASSERT_TRUE(unit_.GetMute(1, 1, on));
    EXPECT_FALSE(on) << "the mute went to the first unit, which stayed selected";
    EXPECT_EQ(unit_.GetUnitCount(), 2);
    EXPECT_FALSE(unit_.SelectUnit(2));
}

}  // namespace
