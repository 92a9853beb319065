// The sample-rate and latency selectors against the simulated driver.
#include "ControlPanel.h"
#include "PanelTest.h"

namespace {

class ControlPanelTest : public PanelTest {
protected:
    std::vector<SimRequestLog::Entry> controlRequests() {
        std::vector<SimRequestLog::Entry> requests;
        for (SimRequestLog::Entry& entry : SimRequestLog::take())
            if (!entry.unit)
                requests.push_back(std::move(entry));
        return requests;
    }
};

TEST_F(ControlPanelTest, RateInForceSendsNothingAndALatencyChangeSendsFourRequestsInOrder) {
    model_.ConnectAtStart();
    DeviceSettings settings(model_);
    ControlPanel panel(settings);
    EXPECT_EQ(panel.getSampleRateBox().getText(), "48 kHz");
    EXPECT_EQ(panel.getLatencyBox().getText(), "4.0 ms");
    ASSERT_EQ(panel.getSampleRateBox().getNumItems(), 4);
    EXPECT_EQ(panel.getLatencyBox().getItemText(11), "25.0 ms");
    SimRequestLog::take();

    panel.getSampleRateBox().setSelectedId(4, juce::dontSendNotification);
    panel.getSampleRateBox().setSelectedId(2, juce::sendNotificationSync);
    EXPECT_TRUE(controlRequests().empty()) << "48 kHz is in force";

    panel.getLatencyBox().setSelectedId(12, juce::sendNotificationSync);
    auto requests = controlRequests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].code, 0x80882A8Cu) << "SetLatency1";
    EXPECT_EQ(requests[1].code, 0x80882A94u) << "SetLatency2";
    EXPECT_EQ(requests[2].code, 0x80882A04u) << "StopAllDevices";
    EXPECT_EQ(requests[3].code, 0x80882A00u) << "StartAllDevices";
    ASSERT_GE(requests[0].input.size(), 4u);
    EXPECT_EQ(Frame(requests[0].input.begin(), requests[0].input.begin() + 4),
              (Frame{0xA8, 0x61, 0x00, 0x00}))
        << "25000 microseconds";
    EXPECT_EQ(driverKey("Latency2"), "25000");

    panel.getSampleRateBox().setSelectedId(4, juce::sendNotificationSync);
    requests = controlRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].code, 0x808828C4u) << "SetSampleRate";
    EXPECT_EQ(driverKey("SampleRate"), "96000");
    EXPECT_TRUE(panel.getSampleRateBox().isEnabled());
}

TEST_F(ControlPanelTest, WithoutADriverTheRateShowsNoDeviceAndStaysUsable) {
    setDriverKey("Present", "0");
    model_.ConnectAtStart();
    DeviceSettings settings(model_);
    ControlPanel panel(settings);
    EXPECT_EQ(panel.getSampleRateBox().getText(), "No Device");
    EXPECT_EQ(panel.getLatencyBox().getSelectedId(), 0);
    EXPECT_EQ(panel.getLatencyBox().getText(), "");
    EXPECT_TRUE(panel.getSampleRateBox().isEnabled()) << "the main component disables it";

    panel.getSampleRateBox().setSelectedId(1, juce::sendNotificationSync);
    EXPECT_EQ(panel.getSampleRateBox().getText(), "No Device");
    EXPECT_TRUE(panel.getSampleRateBox().isEnabled()) << "usable again once a driver is there";

    panel.getLatencyBox().setSelectedId(3, juce::sendNotificationSync);
    EXPECT_EQ(panel.getLatencyBox().getText(), "") << "a refused latency is not shown";
}

// A driver that is there but refuses the rate keeps its own: the selector shows
// it again and stays usable; what another program sets shows at the next read.
TEST_F(ControlPanelTest, ARefusedRateShowsTheDriversOwnAndTheSelectorsFollowTheDriver) {
    model_.ConnectAtStart();
    DeviceSettings settings(model_);
    ControlPanel panel(settings);
    setDriverKey("FailSampleRate", "1");
    panel.getSampleRateBox().setSelectedId(4, juce::sendNotificationSync);
    EXPECT_EQ(panel.getSampleRateBox().getText(), "48 kHz");
    EXPECT_TRUE(panel.getSampleRateBox().isEnabled());
    EXPECT_EQ(driverKey("SampleRate"), "48000");

    setDriverKey("FailSampleRate", "0");
    panel.getSampleRateBox().setSelectedId(3, juce::sendNotificationSync);
    EXPECT_EQ(driverKey("SampleRate"), "88200") << "the next choice goes through";

    setDriverKey("SampleRate", "96000");
    setDriverKey("Latency1", "10000");
    panel.refreshFromDriver();
    EXPECT_EQ(panel.getSampleRateBox().getText(), "96 kHz");
    EXPECT_EQ(panel.getLatencyBox().getText(), "10.0 ms");
    setDriverKey("Present", "0");
    model_.Drv.Close();
    panel.refreshFromDriver();
    EXPECT_EQ(panel.getSampleRateBox().getText(), "No Device");
    EXPECT_EQ(panel.getLatencyBox().getText(), "");
}

TEST_F(ControlPanelTest, ARateOutsideTheTableShowsNoDevice) {
    setDriverKey("SampleRate", "32000");
    model_.ConnectAtStart();
    DeviceSettings settings(model_);
    ControlPanel panel(settings);
    EXPECT_EQ(panel.getSampleRateBox().getText(), "No Device");
    EXPECT_EQ(panel.getLatencyBox().getText(), "4.0 ms");
}

}  // namespace
