#include "CDrv.h"
#include "DriverTest.h"
#include "TvcStatus.h"

#include <cstring>

namespace {

using Requests = std::vector<std::string>;

class ControlDeviceTest : public DriverTest {};

TEST_F(ControlDeviceTest, ClosedDeviceAnswersEveryRequestWithoutReachingTheDriver) {
    CDrv drv;
    ASSERT_EQ(drv.Open(), 0u);
    drv.Close();
    takeRequests();
    TVC_VERSION version{};
    TVC_DEVICE_LIST list{};
    TVC_DEVICE_PROPERTIES properties{};
    TVC_LATENCY latency{};
    TVC_CLOCK_INFO clock{};
    DWORD word = 0;
    DWORD identifier = 1;
    EXPECT_FALSE(drv.IsOpen());
    EXPECT_EQ(drv.GetVersion(&version), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.SetDriverWord(&word), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.GetDeviceList(&list), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.GetDeviceProperties(&identifier, &properties), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.GetLatency1(&latency), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.SetLatency1(&latency), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.GetLatency2(&latency), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.SetLatency2(&latency), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.GetClockInfo(&clock), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.SetSampleRate(48000), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.StopAllDevices(), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.StartAllDevices(), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.Ioctl(0x80882804, nullptr, 0, &version, 12), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.LoadDeviceProperties(), TVC_STATUS_DRIVER_NOT_OPEN);
    EXPECT_EQ(drv.GetPropertiesCount(), 0u);
    EXPECT_EQ(takeRequests(), Requests{});
}

TEST_F(ControlDeviceTest, OpeningTwiceAsksForTheVersionOnce) {
    CDrv drv;
    EXPECT_EQ(drv.Open(), 0u);
    EXPECT_EQ(drv.Open(), 0u);
    EXPECT_TRUE(drv.IsOpen());
    EXPECT_EQ(takeRequests(), Requests{"C 80882804"});
}

TEST_F(ControlDeviceTest, AcceptsDriverSeriesTwoFromMinorTen) {
    const struct {
        const char* version;
        DWORD status;
    } cases[] = {{"2.9", TVC_STATUS_VERSION_NOT_SUPPORTED},
                 {"2.10", 0},
                 {"2.12", 0},
                 {"2.13", 0},
                 {"2.255", 0},
                 {"3.0", TVC_STATUS_VERSION_NOT_SUPPORTED}};
    for (const auto& c : cases) {
        setDriverKey("Version", c.version);
        CTvc1394Driver drv;
        EXPECT_EQ(drv.Open(), c.status) << c.version;
        EXPECT_EQ(drv.IsOpen(), c.status == 0) << c.version;
    }
}

TEST_F(ControlDeviceTest, MissingDriverGivesTheWindowsErrorAndStaysClosed) {
    setDriverKey("Present", "0");
    CTvc1394Driver drv;
    EXPECT_EQ(drv.Open(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(drv.IsOpen());
    TVC_VERSION version{};
    EXPECT_EQ(drv.GetVersion(&version), TVC_STATUS_DRIVER_NOT_OPEN);
}

TEST_F(ControlDeviceTest, WrappersSendTheirRecordsAsTheDriverReadsThem) {
    CTvc1394Driver drv;
    ASSERT_EQ(drv.Open(), 0u);
    takeRequests();
    DWORD word = 0;
    DWORD identifier = 3;
    TVC_DEVICE_PROPERTIES properties{};
    TVC_LATENCY latency{2500, {2, 0, 0}};
    EXPECT_EQ(drv.SetDriverWord(&word), 0u);
    EXPECT_EQ(drv.GetDeviceProperties(&identifier, &properties), TVC_STATUS_UNIT_REMOVED);
    EXPECT_EQ(drv.SetSampleRate(88200), 0u);
    EXPECT_EQ(drv.SetLatency2(&latency), 0u);
    EXPECT_EQ(drv.StopAllDevices(), 0u);
    EXPECT_EQ(drv.StartAllDevices(), 0u);
    EXPECT_EQ(
        takeRequests(),
        (Requests{"C 80882814 00000000", "C 80882920 03000000", "C 808828C4 0000000088580100",
                  "C 80882A94 C4090000020000000000000000000000", "C 80882A04", "C 80882A00"}));
    EXPECT_EQ(driverKey("SampleRate"), "88200");
    EXPECT_EQ(driverKey("Latency2"), "2500");
    TVC_CLOCK_INFO clock{};
    ASSERT_EQ(drv.GetClockInfo(&clock), 0u);
    EXPECT_EQ(clock.SampleRate, 88200u);
}

TEST_F(ControlDeviceTest, PropertiesOfAFailingUnitAreLeftOutAndItsStatusReturned) {
    setUnitKey(2, "Present", "1");
    setUnitKey(3, "Present", "1");
    setUnitKey(2, "FailProperties", "1");
    CDrv drv;
    ASSERT_EQ(drv.Open(), 0u);
    takeRequests();
    EXPECT_EQ(drv.LoadDeviceProperties(), DWORD(ERROR_GEN_FAILURE));
    EXPECT_EQ(takeRequests(), (Requests{"C 80882860", "C 80882920 01000000", "C 80882920 02000000",
                                        "C 80882920 03000000"}));
    ASSERT_EQ(drv.GetPropertiesCount(), 2u);
    EXPECT_EQ(drv.GetProperties(0).Bytes[0], 1) << "the sim puts the identifier first";
    EXPECT_EQ(drv.GetProperties(1).Bytes[0], 3);

    setUnitKey(2, "FailProperties", "0");
    EXPECT_EQ(drv.LoadDeviceProperties(), 0u);
    EXPECT_EQ(drv.GetPropertiesCount(), 3u) << "a new load replaces the records";
}

}  // namespace
