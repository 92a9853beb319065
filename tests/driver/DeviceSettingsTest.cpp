#include "DeviceSettings.h"
#include "DriverTest.h"

namespace {

using Requests = std::vector<std::string>;

class DeviceSettingsTest : public DriverTest {
protected:
    DeviceSettingsTest() { model_.ConnectAtStart(); }

    CDeviceModel model_;
};

TEST_F(DeviceSettingsTest, ReadsBothLatencyRecordsThenSendsTheDriverWord) {
    takeRequests();
    DeviceSettings settings(model_);
    EXPECT_EQ(takeRequests(), (Requests{"C 80882A88", "C 80882A90", "C 80882814 00000000"}));
    EXPECT_EQ(model_.Latency1.Latency, 4000u);
    EXPECT_EQ(model_.Latency2.Reserved[0], 2u) << "the driver's other fields are kept";
}

TEST_F(DeviceSettingsTest, SampleRateIsSentOnlyWhenItChanges) {
    DeviceSettings settings(model_);
    DWORD index = 99;
    ASSERT_TRUE(settings.GetSampleRateIndex(&index));
    EXPECT_EQ(index, 1u) << "48 kHz";
    takeRequests();
    EXPECT_TRUE(settings.SetSampleRateIndex(1));
    EXPECT_EQ(takeRequests(), Requests{});
    EXPECT_TRUE(settings.SetSampleRateIndex(3));
    EXPECT_EQ(takeRequests(), Requests{"C 808828C4 0000000000770100"});
    EXPECT_EQ(driverKey("SampleRate"), "96000");
    EXPECT_FALSE(settings.SetSampleRateIndex(4)) << "past the table";
    EXPECT_EQ(takeRequests(), Requests{});

    setDriverKey("SampleRate", "32000");
    EXPECT_FALSE(settings.GetSampleRateIndex(&index));
}

TEST_F(DeviceSettingsTest, NewLatencyGoesToBothRecordsThenRestartsTheUnits) {
    DeviceSettings settings(model_);
    DWORD index = 99;
    ASSERT_TRUE(settings.GetLatencyIndex(&index));
    EXPECT_EQ(index, 5u) << "4.0 ms";
    takeRequests();
    EXPECT_FALSE(settings.SetLatencyIndex(5)) << "the latency in force is not sent again";
    EXPECT_EQ(takeRequests(), Requests{});
    EXPECT_TRUE(settings.SetLatencyIndex(11));
    EXPECT_EQ(takeRequests(), (Requests{"C 80882A8C A8610000020000000000000000000000",
                                        "C 80882A94 A8610000020000000000000000000000", "C 80882A04",
                                        "C 80882A00"}));
    EXPECT_EQ(driverKey("Latency1"), "25000");
    EXPECT_EQ(driverKey("Latency2"), "25000");
    EXPECT_EQ(driverKey("Stopped"), "0");
    EXPECT_FALSE(settings.SetLatencyIndex(12)) << "past the table";

    setDriverKey("Latency1", "5000");
    EXPECT_FALSE(settings.GetLatencyIndex(&index));
}

TEST_F(DeviceSettingsTest, RefusedLatencyLeavesTheRecordsAsTheDriverHoldsThem) {
    DeviceSettings settings(model_);
    model_.Latency1.Reserved[0] = 7;  // a record the driver will not take back
    EXPECT_FALSE(settings.SetLatencyIndex(0));
    EXPECT_EQ(model_.Latency1.Latency, 4000u);
    EXPECT_EQ(model_.Latency2.Latency, 4000u);
    EXPECT_EQ(driverKey("Latency1"), "4000");
}

TEST_F(DeviceSettingsTest, NothingIsSentWhileTheControlDeviceIsClosed) {
    model_.Drv.Close();
    takeRequests();
    DeviceSettings settings(model_);
    DWORD index = 0;
    EXPECT_FALSE(settings.SetSampleRateIndex(0));
    EXPECT_FALSE(settings.GetSampleRateIndex(&index));
    EXPECT_FALSE(settings.SetLatencyIndex(0));
    EXPECT_FALSE(settings.GetLatencyIndex(&index));
    EXPECT_EQ(takeRequests(), Requests{});
}

TEST(DeviceSettingsTables, ListTheSelectorsEntriesInOrder) {
    const DWORD rates[] = {44100, 48000, 88200, 96000, 0xFFFFFFFF};
    const DWORD latencies[] = {1500, 2000,  2500,  3000,  3500,  4000,      6000,
                               8000, 10000, 12000, 18000, 25000, 0xFFFFFFFF};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(DeviceSettings::kSampleRates[i], rates[i]);
    for (size_t i = 0; i < 13; ++i)
        EXPECT_EQ(DeviceSettings::kLatencies[i], latencies[i]);
}

}  // namespace
