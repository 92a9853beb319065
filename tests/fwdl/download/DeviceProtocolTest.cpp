// The request and response windows as the device classes drive them, in
// this process against the simulated unit.
#include "LogCapture.h"
#include "SimBusTest.h"
#include "SimMailbox.h"
#include "TvcFwdlDevice.h"
#include "TvcIoctl.h"
#include "TvcFwdlDownloader.h"
#include "TvcStaticDevice.h"
#include "SimRequestLog.h"

#include <cstring>
#include <vector>

namespace {

class DeviceProtocolTest : public SimBusTest {
protected:
    DeviceProtocolTest() : scale_("TVC_SIM_TIME_SCALE", "200"), device_(context_) {}

    TVCFWDL_STATUS Open() {
        context_.Set(kTvcInterfaceClassGuid,
                     SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr, 0x12));
        return device_.Open(0, context_.DeviceInfoSet(), &context_.InterfaceGuid());
    }

    ScopedEnv scale_;
    EnumerationContext context_;
    TvcFwdlDevice device_;
};

TEST_F(DeviceProtocolTest, RequestRecordAndCounter) {
    setUnitKey(1, "ProtocolVersion", "2");
    ASSERT_EQ(0u, Open());
    BYTE record[64] = {};
    record[8] = 0xAB;
    ASSERT_EQ(0u, device_.WriteRequest(6, record));
    const std::vector<uint8_t> first = {2, 0, 0, 0, 0x01, 0x00, 0x06, 0x00, 0xAB};
    std::vector<uint8_t> sent = SimMailbox::lastRequest(1);
    EXPECT_EQ(first, std::vector<uint8_t>(sent.begin(), sent.begin() + 9));
    // An unknown code is refused before anything is written or counted.
    EXPECT_EQ(19u, device_.WriteRequest(7, record));
    EXPECT_EQ(1u, device_.RequestCounter());
    ASSERT_EQ(0u, device_.RequestDownloadBlock(3, 0x8000, 0x40));
    const std::vector<uint8_t> second = {2, 0,    0,    0, 0x02, 0x00, 0x05, 0x03, 3, 0, 0,
                                         0, 0x00, 0x80, 0, 0,    0x40, 0,    0,    0, 0};
    sent = SimMailbox::lastRequest(1);
    EXPECT_EQ(second, std::vector<uint8_t>(sent.begin(), sent.begin() + 21));
}

TEST_F(DeviceProtocolTest, AnOldAnswerIsSkippedUntilTheRightOneArrives) {
    LogCapture log;
    setUnitKey(1, "ResponseDelayMs", "300");
    ASSERT_EQ(0u, Open());
    BYTE record[64] = {};
    ASSERT_EQ(0u, device_.WriteRequest(12, record));
    ASSERT_EQ(0u, device_.ReadResponse(record, 5000));
    ASSERT_EQ(0u, device_.WriteRequest(12, record));
    ASSERT_EQ(0u, device_.ReadResponse(record, 5000));
    EXPECT_EQ(0x0C0002u, record[4] | record[5] << 8 | record[6] << 16);
    EXPECT_NE(
        std::string::npos,
        log.Text().find("INFO: ReadResponse: ignore received response of command 0x0c (ID = 1)\n"));
    // Too short a wait ends with the timeout of the request's code; the answer
    // comes so late that no stall of a loaded machine lets it in first.
    setUnitKey(1, "ResponseDelayMs", "600000");
    ASSERT_EQ(0u, device_.WriteRequest(12, record));
    EXPECT_EQ(44u, device_.ReadResponse(record, 100));
}

TEST_F(DeviceProtocolTest, ResetProt3WaitsAtLeastAMinuteForTheUnitToLeave) {
    ASSERT_EQ(0u, Open());
    ASSERT_EQ(0u, device_.SetTimeout(0, 1000));
    EXPECT_EQ(0u, device_.ResetProt3(1));
    EXPECT_EQ(1u, device_.InfoWord(12));
    EXPECT_EQ(0u, device_.ResetProt3(0));
    EXPECT_EQ(0u, device_.InfoWord(12));
}

TEST_F(DeviceProtocolTest, StaticDeviceOpensOnceAndNeverWithoutAPath) {
    SimRequestLog::start();
    TvcStaticDevice units(TvcFwdlDownloader::ControlDevicePath(kTvcInterfaceClassGuid));
    EXPECT_EQ(0u, units.StopAllDevices());
    EXPECT_EQ("1", driverKey("Stopped"));
    EXPECT_EQ(0u, units.StartAllDevices());
    EXPECT_EQ("0", driverKey("Stopped"));
    TvcStaticDevice missing("\\\\.\\{00000000-0000-0000-0000-000000000000}");
    EXPECT_EQ(1u, missing.StopAllDevices());
    std::vector<SimRequestLog::Entry> requests = SimRequestLog::take();
    SimRequestLog::stop();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(0x80882A04u, requests[0].code);
    EXPECT_EQ(0x80882A00u, requests[1].code);
}

}  // namespace
