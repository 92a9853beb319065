#include "DriverTest.h"
#include "ScopedEnv.h"
#include "UnitWatch.h"

#include <algorithm>
#include <cmath>

namespace {

using Requests = std::vector<std::string>;

class UnitWatchTest : public DriverTest {
protected:
    PresencePollResult poll() { return PresencePoll(reader_, model_); }

    bool channelOpen() {
        TVC_VERSION version{};
        return model_.TvcCtrl.GetVersion(&version) == 0;
    }

    CDeviceModel model_;
    LevelReader reader_;
};

TEST(LevelReaderTest, ConvertsMeterWordsToTheDistanceBelowFullScale) {
    EXPECT_DOUBLE_EQ(LevelReader::LevelFromWord(0x7FFFFFFF), 0.0);
    EXPECT_NEAR(LevelReader::LevelFromWord(0x40000000), 13.8629, 1e-4);
    EXPECT_NEAR(LevelReader::LevelFromWord(0x20000000), 27.7259, 1e-4);
    EXPECT_TRUE(std::isinf(LevelReader::LevelFromWord(0)));
    EXPECT_GT(LevelReader::LevelFromWord(0), 0.0);
}

TEST_F(UnitWatchTest, FirstPollReportsTheUnitsThenReadsTheLevelsInOrder) {
    setUnitKey(1, "Levels",
               "0x7FFFFFFF,0x40000000,0x20000000,0x10000000,0x08000000,0x04000000,0x02000000,0");
    model_.ConnectAtStart();
    takeRequests();
    EXPECT_EQ(poll(), POLL_UNITS_CHANGED);
    EXPECT_EQ(model_.LastUnitCount, 1u);
    EXPECT_EQ(poll(), POLL_LEVELS_VALID);
    EXPECT_EQ(takeRequests(), (Requests{"C 80882860", "C 80882860",
                                        "U 80882C56 00006000C7FF00000000000000000000"}));
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(reader_.Levels[i], 13.8629 * i, 1e-3) << i;
    EXPECT_TRUE(std::isinf(reader_.Levels[7]));
}

// The level words are read once per version of the bus file: a change shows
// on the very next poll, and a Levels that is not eight words is the signal.
TEST_F(UnitWatchTest, ChangedLevelsShowOnTheNextPoll) {
    setUnitKey(1, "Levels", "0,0,0,0,0,0,0,0");
    model_.ConnectAtStart();
    ASSERT_EQ(poll(), POLL_UNITS_CHANGED);
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);
    EXPECT_TRUE(std::isinf(reader_.Levels[3]));
    setUnitKey(1, "Levels", "0,0,0,0x7FFFFFFF,0,0,0,0");
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);
    EXPECT_NEAR(reader_.Levels[3], 0.0, 1e-9);
    EXPECT_TRUE(std::isinf(reader_.Levels[2]));
    setUnitKey(1, "Levels", "0,0,0,0x7FFFFFFF,0,0,0");
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);
    for (int i = 0; i < 8; ++i)
        EXPECT_LT(reader_.Levels[i], 70.0) << i << ": seven words, the moving tones";
}

TEST_F(UnitWatchTest, ADefaultUnitPlaysLevelsThatMove) {
    ScopedEnv fast("TVC_SIM_TIME_SCALE", "100");
    model_.ConnectAtStart();
    ASSERT_EQ(poll(), POLL_UNITS_CHANGED);
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);
    double before[8];
    std::copy(reader_.Levels, reader_.Levels + 8, before);
    Sleep(700);
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);
    int moved = 0;
    for (int i = 0; i < 8; ++i) {
        EXPECT_GE(reader_.Levels[i], 0.0) << i;
        EXPECT_LT(reader_.Levels[i], 70.0) << i << ": the quietest tone is about 64";
        moved += reader_.Levels[i] != before[i];
    }
    EXPECT_EQ(moved, 8);
}

TEST_F(UnitWatchTest, DriverWithoutUnitsGivesNoLevels) {
    setUnitKey(1, "Present", "0");
    EXPECT_EQ(poll(), POLL_NO_LEVELS) << "opens the driver, finds no unit to open";
    EXPECT_TRUE(model_.Drv.IsOpen());
    EXPECT_FALSE(channelOpen());
    takeRequests();
    EXPECT_EQ(poll(), POLL_NO_LEVELS)
        << "count unchanged at 0, the read fails on the closed channel";
    EXPECT_EQ(takeRequests(), Requests{"C 80882860"});
}

TEST_F(UnitWatchTest, NoDriverGivesNoLevels) {
    setDriverKey("Present", "0");
    EXPECT_EQ(poll(), POLL_NO_LEVELS);
    EXPECT_EQ(poll(), POLL_NO_LEVELS);
    EXPECT_FALSE(model_.Drv.IsOpen());
}

TEST_F(UnitWatchTest, ASecondUnitArrivingIsReportedOnce) {
    model_.ConnectAtStart();
    ASSERT_EQ(poll(), POLL_UNITS_CHANGED);
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);
    setUnitKey(2, "Present", "1");
    EXPECT_EQ(poll(), POLL_UNITS_CHANGED);
    EXPECT_EQ(model_.LastUnitCount, 2u);
    EXPECT_EQ(poll(), POLL_LEVELS_VALID);
    EXPECT_EQ(model_.TvcCtrl.GetDevicePath(), unitPath(1));
}

// A selection that failed while the unit did not answer left the channel
// closed; the watch opens it again (once a second) and reports the change.
TEST_F(UnitWatchTest, AChannelLeftClosedWhileTheUnitsStayIsOpenedAgain) {
    model_.ConnectAtStart();
    ASSERT_EQ(poll(), POLL_UNITS_CHANGED);
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);
    model_.TvcCtrl.Close();
    EXPECT_EQ(poll(), POLL_UNITS_CHANGED);
    EXPECT_TRUE(model_.TvcCtrl.IsOpen());
    EXPECT_EQ(poll(), POLL_LEVELS_VALID);
    model_.TvcCtrl.Close();
    EXPECT_EQ(poll(), POLL_NO_LEVELS) << "not again within the second";
    EXPECT_FALSE(model_.TvcCtrl.IsOpen());
}

// The panel answers each change by selecting unit 0 again, as the watch program does.
TEST_F(UnitWatchTest, TheOnlyUnitUnpluggedAndPluggedBackIsFoundAgain) {
    model_.ConnectAtStart();
    ASSERT_EQ(poll(), POLL_UNITS_CHANGED);
    ASSERT_EQ(poll(), POLL_LEVELS_VALID);

    setUnitKey(1, "Present", "0");
    EXPECT_EQ(poll(), POLL_UNITS_CHANGED);
    EXPECT_FALSE(model_.Drv.IsOpen()) << "both handles close when the last unit goes";
    EXPECT_FALSE(channelOpen());
    EXPECT_FALSE(model_.SelectUnit(0));
    EXPECT_EQ(poll(), POLL_NO_LEVELS) << "driver re-opened, no unit yet";
    EXPECT_TRUE(model_.Drv.IsOpen());
    EXPECT_EQ(poll(), POLL_NO_LEVELS);
    EXPECT_EQ(poll(), POLL_NO_LEVELS);

    setUnitKey(1, "Present", "1");
    EXPECT_EQ(poll(), POLL_UNITS_CHANGED);
    EXPECT_TRUE(model_.SelectUnit(0));
    EXPECT_EQ(poll(), POLL_LEVELS_VALID);
}

TEST_F(UnitWatchTest, ADriverThatAppearsWithItsUnitIsConnectedAndReported) {
    setDriverKey("Present", "0");
    model_.ConnectAtStart();
    EXPECT_EQ(poll(), POLL_NO_LEVELS);
    setDriverKey("Present", "1");
    EXPECT_EQ(poll(), POLL_UNITS_CHANGED) << "driver and unit 0 opened, count 1";
    EXPECT_TRUE(channelOpen());
    EXPECT_EQ(poll(), POLL_LEVELS_VALID);
}

TEST_F(UnitWatchTest, AUnitThatNeverAnswersCostsOnePollTheReadLimit) {
    model_.ConnectAtStart();
    ASSERT_EQ(poll(), POLL_UNITS_CHANGED);
    setUnitKey(1, "IoDelayMs", "600000");
    takeRequests();
    EXPECT_EQ(poll(), POLL_NO_LEVELS);
    EXPECT_EQ(takeRequests(), Requests{"C 80882860"}) << "the read was cancelled unanswered";
    setUnitKey(1, "IoDelayMs", "0");
    EXPECT_EQ(poll(), POLL_LEVELS_VALID);
}

}  // namespace
