#include "AvcTimeoutGate.h"
#include "AvcUnit.h"
#include "CTvcCtrl.h"
#include "SimBusTest.h"
#include "TvcStatus.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Counts the commands that went to the driver and the ones that timed out.
class CountingUnit : public AvcUnit {
public:
    using AvcUnit::AvcUnit;
    int sent = 0;
    int timedOut = 0;

protected:
    DWORD transmit(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response) override {
        ++sent;
        DWORD status = AvcUnit::transmit(request, response);
        if (status == TVC_STATUS_TIMEOUT)
            ++timedOut;
        return status;
    }
};

class AvcTimeoutTest : public SimBusTest {
protected:
    AvcTimeoutTest() { model_.ConnectAtStart(); }

    // A whole module's worth of reads and the commands its controls send back.
    void readBack(int& volume, bool& mute, bool& phantom) {
        unit_.GetVolume(1, 1, volume);
        unit_.GetMute(1, 1, mute);
        unit_.GetPhantom(1, phantom);
        unit_.SetMute(1, 1, mute);
        unit_.SetPhantom(1, phantom);
    }

    CDeviceModel model_;
    CountingUnit unit_{model_};
};

TEST_F(AvcTimeoutTest, ARefreshOfAnUnresponsiveUnitPaysTheWaitOnceAndTheNextOneTriesAgain) {
    setUnitKey(1, "Volume3.1", "0xE500");
    setUnitKey(1, "Phantom1", "1");
    setUnitKey(1, "IoDelayMs", "5000");
    int volume = 255;
    bool mute = false, phantom = false;
    Clock::time_point start = Clock::now();
    {
        AvcUnit::Refresh refresh(unit_);
        readBack(volume, mute, phantom);
        AvcUnit::Refresh nested(unit_);
        EXPECT_FALSE(unit_.GetLink(1, mute)) << "a nested refresh keeps the mark";
    }
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(3000));
    EXPECT_EQ(unit_.sent, 1) << "only the first command went to the driver";
    EXPECT_EQ(unit_.timedOut, 1);
    EXPECT_EQ(volume, 255) << "failed reads leave the caller's defaults";
    EXPECT_FALSE(phantom);
    EXPECT_FALSE(unit_.SetVolume(1, 1, 100)) << "the deferred commands after it fail at once";
    EXPECT_EQ(unit_.sent, 1);

    setUnitKey(1, "IoDelayMs", "0");
    {
        AvcUnit::Refresh refresh(unit_);
        readBack(volume, mute, phantom);
    }
    EXPECT_EQ(unit_.sent, 1 + 1 + 5)
        << "the next refresh sent the fader's held-back move first, then asked the unit; the "
           "values the failed refresh set were no moves";
    EXPECT_NEAR(volume, 100, 1) << "the fader's 100 reached the unit before the read";
    EXPECT_TRUE(phantom);
    EXPECT_TRUE(unit_.SetVolume(1, 1, 100)) << "an answering unit clears the mark";
}

// A move made while the unit did not answer reaches it once it answers again:
// the latest value of each control, once, and only to the unit it was meant for.
TEST_F(AvcTimeoutTest, ControlsThatFailedAreSentAgainWhenTheirUnitAnswers) {
    setUnitKey(2, "Present", "1");
    setUnitKey(1, "IoDelayMs", "5000");
    EXPECT_FALSE(unit_.SetMute(1, 1, true));
    EXPECT_FALSE(unit_.SetVolume(1, 1, 100));
    EXPECT_FALSE(unit_.SetVolume(1, 1, 201));
    EXPECT_FALSE(unit_.SetPhantom(2, true));
    EXPECT_EQ(unit_.sent, 1) << "held back after the time-out";
    setUnitKey(1, "IoDelayMs", "0");

    ASSERT_TRUE(unit_.SelectUnit(1));
    bool on = false;
    {
        AvcUnit::Refresh refresh(unit_);
        EXPECT_TRUE(unit_.GetPhantom(2, on));
    }
    EXPECT_FALSE(on) << "unit 2 gets nothing meant for unit 1";
    EXPECT_EQ(unit_.sent, 2);

    char name[7] = {};
    EXPECT_TRUE(unit_.GetUnitName(0, name)) << "a name read visits unit 1";
    EXPECT_EQ(unit_.sent, 3 + 3) << "the read, then mute, the fader's latest value, phantom";
    ASSERT_TRUE(unit_.SelectUnit(0));
    unit_.resendFailed();
    EXPECT_EQ(unit_.sent, 6) << "nothing is sent twice";
    int volume = 0;
    EXPECT_TRUE(unit_.GetVolume(1, 1, volume));
    EXPECT_EQ(volume, 201);
    EXPECT_TRUE(unit_.GetMute(1, 1, on));
    EXPECT_TRUE(on);
    EXPECT_TRUE(unit_.GetPhantom(2, on));
    EXPECT_TRUE(on);
}

TEST_F(AvcTimeoutTest, OutsideARefreshEveryCommandIsTried) {
    setUnitKey(1, "IoDelayMs", "5000");
    EXPECT_FALSE(unit_.SetMute(1, 1, true));
    setUnitKey(1, "IoDelayMs", "0");
    setUnitKey(1, "Present", "0");
    {
        AvcUnit::Refresh refresh(unit_);
        bool on = false;
        EXPECT_FALSE(unit_.GetMute(1, 1, on));
        EXPECT_FALSE(unit_.GetMute(1, 2, on));
    }
    EXPECT_EQ(unit_.sent, 4)
        << "a removed unit answers at once, so nothing is held back: the failed mute is tried "
           "again first";
    EXPECT_EQ(unit_.timedOut, 1);
}

// After a time-out, one command a second tries the unit; a refresh always does.
TEST(AvcTimeoutGateTest, HoldsCommandsBackForASecondAfterATimeOut) {
    AvcTimeoutGate gate;
    EXPECT_TRUE(gate.admits(0));
    gate.record(TVC_STATUS_TIMEOUT, 5000);
    EXPECT_FALSE(gate.admits(5000 + AvcTimeoutGate::kHoldOffMs - 1));
    EXPECT_TRUE(gate.admits(5000 + AvcTimeoutGate::kHoldOffMs));
    gate.beginRefresh();
    EXPECT_TRUE(gate.admits(5001)) << "a refresh starts trusting the unit";
    gate.record(TVC_STATUS_TIMEOUT, 5001);
    EXPECT_FALSE(gate.admits(99999)) << "within a refresh the unit stays given up";
    gate.endRefresh();
    EXPECT_TRUE(gate.admits(99999));
    gate.record(TVC_STATUS_SUCCESS, 99999);
    EXPECT_TRUE(gate.admits(99999));
    gate.record(TVC_STATUS_TIMEOUT, 0xFFFFFF00);
    EXPECT_TRUE(gate.admits(0xFFFFFF00 + AvcTimeoutGate::kHoldOffMs)) << "across the tick wrap";
    // A time-out just before the wrap whose second ends after it: comparing the
    // tick with the time-out plus the hold-off would hold the unit back for ever.
    gate.record(TVC_STATUS_TIMEOUT, 0xFFFFFC00);
    EXPECT_FALSE(gate.admits(0xFFFFFC00 + 900));
    EXPECT_TRUE(gate.admits(DWORD(0xFFFFFC00 + 1100))) << "1100 ms later, past the wrap";
}

}  // namespace
