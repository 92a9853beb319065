// The request and response windows as the device classes drive them, in
// this process against the simulated unit.
#include "LogCapture.h"
#include "SimBusTest.h"
#include "SimClock.h"
#include "SimMailbox.h"
#include "TvcFwdlDevice.h"
#include "TvcIoctl.h"
#include "TvcFwdlDownloader.h"
#include "TvcStaticDevice.h"
#include "TvdBuilder.h"
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

// The wait is measured in 32-bit ticks; started 100 ms before the counter
// wraps, it must still last its 300 ms, neither ending at once nor never.
// Real time, so that the start surely comes before the wrap.
TEST_F(DeviceProtocolTest, AResponseTimeoutSpanningATickCounterWrapStillFires) {
    setUnitKey(1, "ResponseDelayMs", "600000");
    ASSERT_EQ(0u, Open());
    ScopedEnv realTime("TVC_SIM_TIME_SCALE", "1");
    uint64_t now = SimClock::nowMs();
    SimClock::advanceMs((((now >> 32) + 1) << 32) - 100 - now);
    BYTE record[64] = {};
    ASSERT_EQ(0u, device_.WriteRequest(12, record));
    uint64_t start = SimClock::nowMs();
    EXPECT_EQ(44u, device_.ReadResponse(record, 300));
    uint64_t waited = SimClock::nowMs() - start;
    EXPECT_GE(waited, 300u);
    EXPECT_LT(waited, 60000u);
    EXPECT_LT(DWORD(SimClock::nowMs()), DWORD(start)) << "the counter wrapped during the wait";
}

TEST_F(DeviceProtocolTest, AShortTransferIsReportedAndLeavesNothingBehind) {
    LogCapture log;
    setUnitKey(1, "ShortTransfer", "1");
    ASSERT_EQ(0u, Open());
    BYTE data[64];
    std::memset(data, 0x77, sizeof data);
    EXPECT_EQ(0xE0000304u, device_.Write(0xFFFFC8021040ull, data, 64, 0xFFFFFFFF));
    EXPECT_EQ(0x77, data[0]) << "a write leaves the caller's bytes alone";
    EXPECT_EQ(0xE0000304u, device_.Read(0xFFFFC8029000ull, data, 64, 0xFFFFFFFF));
    EXPECT_EQ(std::vector<BYTE>(64, 0), std::vector<BYTE>(data, data + 64));
    EXPECT_NE(std::string::npos,
              log.Text().find("Write: AsyncWriteSync: bytes to write = 64, bytes written = 63.\n"));
    EXPECT_NE(std::string::npos,
              log.Text().find("Read: AsyncReadSync: bytes to read = 64, bytes received = 63.\n"));
    EXPECT_EQ(19u, device_.WriteRequest(12, data));
}

TEST_F(DeviceProtocolTest, AnEmptyObjectIsStartedAndEndedWithoutABlock) {
    setUnitKey(1, "ProtocolVersion", "2");
    setUnitKey(1, "BootloaderMode", "1");
    TvdContent content;
    content.hasImage = true;
    content.imageAddress = 0x8000;
    content.hardwareVersion = 0x00010001;
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(TvdBuilder::Build(content, bytes, error)) << error;
    WriteWholeFile(dir_.file("empty.tvd"), std::string(bytes.begin(), bytes.end()));
    TvdFile file;
    ASSERT_EQ(0u, file.Open(dir_.file("empty.tvd").c_str()));
    ASSERT_EQ(0u, Open());
    DownloadStatus status;
    SimRequestLog::start();
    EXPECT_EQ(0u, device_.DownloadObject(0, file, status));
    std::vector<SimRequestLog::Entry> requests = SimRequestLog::take();
    SimRequestLog::stop();
    int requestWrites = 0, dataWrites = 0;
    for (const SimRequestLog::Entry& entry : requests) {
        uint32_t low = 0;
        if (entry.input.size() >= 4)
            std::memcpy(&low, entry.input.data(), 4);
        requestWrites += low == 0xC8021000u ? 1 : 0;
        dataWrites += low == 0xC8021040u ? 1 : 0;
    }
    EXPECT_EQ(2, requestWrites) << "download start and download end";
    EXPECT_EQ(0, dataWrites);
    EXPECT_EQ(6, SimMailbox::lastRequest(1)[6]) << "the last request is the download end";
    EXPECT_EQ(0u, status.BytesDownloaded());
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
