#include "AvcFrameLog.h"
#include "AvcUnit.h"
#include "SimBusTest.h"
#include "SimUnitSettings.h"
#include "delayAVC.h"

#include <juce_events/juce_events.h>

namespace {

class DelayAvcTest : public SimBusTest {
protected:
    DelayAvcTest() {
        model_.ConnectAtStart();
        AvcFrameLog::take();
    }

    static std::vector<SentFrame> sentFrames() { return AvcFrameLog::take(); }
    static void pump(int milliseconds) {
        juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
    }

    AvcFrameLog log_;
    CDeviceModel model_;
    AvcUnit unit_{model_};
};

TEST_F(DelayAvcTest, BurstSendsOnlyTheLastValueAfterTenMilliseconds) {
    delayAVC sender(unit_);
    for (double value : {10.0, 80.5, 150.9, 201.7})
        sender.request(delayAVC::Fader, 1, 2, value);
    EXPECT_TRUE(sentFrames().empty()) << "nothing goes out during the burst";
    pump(100);
    std::vector<std::vector<uint8_t>> frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (std::vector<uint8_t>{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x02,
                                               0x02, 0xE5, 0x00}))
        << "201.7 is sent as 201";
    pump(50);
    EXPECT_TRUE(sentFrames().empty()) << "the timer stopped after sending";
}

// A move made just before a read-back used to wait out its 10 ms while the
// read-back set the control back to the unit's older value.
TEST_F(DelayAvcTest, AMoveStillWaitingGoesOutBeforeAReadBack) {
    delayAVC sender(unit_);
    sender.request(delayAVC::Fader, 1, 2, 201.0);
    {
        const AvcUnit::Refresh refresh(unit_);
        std::vector<std::vector<uint8_t>> frames = sentFrames();
        ASSERT_EQ(frames.size(), 1u) << "sent as the read-back begins";
        EXPECT_EQ(frames[0], (std::vector<uint8_t>{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02,
                                                   0x02, 0x02, 0xE5, 0x00}));
        int value = 0;
        ASSERT_TRUE(unit_.GetVolume(1, 2, value));
        EXPECT_EQ(value, 201) << "the read-back finds the move";
    }
    sentFrames();
    pump(50);
    EXPECT_TRUE(sentFrames().empty()) << "and it is not sent again";
}

// A move still waiting when another unit is chosen belongs to the unit it
// was made on; it used to go out 10 ms later to the newly chosen one.
TEST_F(DelayAvcTest, AMoveStillWaitingGoesToItsOwnUnitWhenAnotherIsChosen) {
    setUnitKey(2, "Present", "1");
    ASSERT_EQ(unit_.GetUnitCount(), 2);
    const std::string untouched = unitKey(2, "Volume3.2");
    delayAVC sender(unit_);
    sender.request(delayAVC::Fader, 1, 2, 201.0);
    ASSERT_TRUE(unit_.SelectUnit(1));
    pump(50);
    SimUnitSettings::instance().flush();
    EXPECT_EQ(unitKey(1, "Volume3.2"), "0xE500");
    EXPECT_EQ(unitKey(2, "Volume3.2"), untouched);
    EXPECT_EQ(sentFrames().size(), 1u) << "sent once, before the switch";
}

TEST_F(DelayAvcTest, EachKindCallsItsBuilder) {
    delayAVC sender(unit_);
    const struct {
        int kind, block, channel;
        std::vector<uint8_t> head;
    } cases[] = {{delayAVC::Pan, 2, 1, {0x04, 0x10, 0x02, 0x01, 0x03, 0x02, 0x7F, 0xFE}},
                 {delayAVC::Gain, 1, 2, {0x01, 0x10, 0x02, 0x02, 0x02, 0x02, 0xEB, 0x00}},
                 {delayAVC::LevelKnob, 2, 0, {0x07, 0x10, 0x02, 0x00, 0x02, 0x02, 0x81, 0x00}},
                 {delayAVC::MainFader, 1, 0, {0x06, 0x10, 0x02, 0x00, 0x02, 0x02, 0x81, 0x00}}};
    for (const auto& c : cases) {
        sender.request(c.kind, c.block, c.channel, 0.9);
        pump(60);
        std::vector<std::vector<uint8_t>> frames = sentFrames();
        ASSERT_EQ(frames.size(), 1u) << "kind " << c.kind;
        EXPECT_EQ(std::vector<uint8_t>(frames[0].begin() + 4, frames[0].end()), c.head)
            << "kind " << c.kind;
    }
}

}  // namespace
