#include "CTvcCtrl.h"
#include "DriverTest.h"
#include "TvcIoctl.h"
#include "TvcStatus.h"

#include <chrono>
#include <setupapi.h>

namespace {

using Requests = std::vector<std::string>;

class ChannelTest : public DriverTest {
protected:
    // Opens with a fresh interface list, as the callers do.
    static DWORD open(CTvcCtrl& channel, DWORD index = 0, bool withGuid = true) {
        HDEVINFO set = SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr,
                                            DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
        DWORD status = channel.Open(index, set, withGuid ? &kTvcInterfaceClassGuid : nullptr);
        SetupDiDestroyDeviceInfoList(set);
        return status;
    }
};

TVC_BUS_ADDRESS levelBlock() {
    return TVC_BUS_ADDRESS{0x00600000, 0xFFC7, 0, 0};
}

TEST_F(ChannelTest, ClosedChannelAnswersEveryRequestWithoutReachingTheUnit) {
    CTvcCtrl channel(CTvcCtrl::ForDownload);
    ASSERT_EQ(open(channel), 0u);
    channel.Close();
    takeRequests();
    TVC_VERSION version{};
    TVC_AVC_REQUEST request{};
    TVC_AVC_RESPONSE response{};
    DWORD word = 0;
    TVC_BUS_ADDRESS address = levelBlock();
    BYTE data[32];
    DWORD bytes = 7;
    EXPECT_EQ(channel.GetVersion(&version), TVC_STATUS_NOT_OPEN);
    EXPECT_EQ(channel.SendAvcCommand(&request, &response), TVC_STATUS_NOT_OPEN);
    EXPECT_EQ(channel.GetCapabilities(&word), TVC_STATUS_NOT_OPEN);
    EXPECT_EQ(channel.Ioctl(IOCTL_TVC_GET_UNIT_PROPERTIES, nullptr, 0, data, 32),
              TVC_STATUS_NOT_OPEN);
    EXPECT_EQ(channel.AsyncReadSync(&address, data, 32, &bytes, INFINITE), TVC_STATUS_NOT_OPEN);
    EXPECT_EQ(channel.AsyncWriteSync(&address, data, 32, &bytes, INFINITE), TVC_STATUS_NOT_OPEN);
    EXPECT_EQ(bytes, 7u) << "nothing was transferred, so nothing is stored";
    EXPECT_EQ(takeRequests(), Requests{});
    EXPECT_EQ(channel.GetDevicePath(), unitPath(1)) << "the records of the last open stay";
}

TEST_F(ChannelTest, OpensTheUnitAtTheIndexAndKeepsItsRecords) {
    setUnitKey(3, "Present", "1");
    CTvcCtrl channel(CTvcCtrl::ForPanel);
    EXPECT_EQ(channel.GetDevicePath(), nullptr);
    ASSERT_EQ(open(channel, 1), 0u);
    EXPECT_EQ(channel.GetDevicePath(), unitPath(3));
    ASSERT_NE(channel.GetDeviceInfoData(), nullptr);
    EXPECT_EQ(channel.GetDeviceInfoData()->cbSize, sizeof(SP_DEVINFO_DATA));
    EXPECT_EQ(takeRequests(), Requests{"U 80882804"}) << "the panel asks only for the version";

    EXPECT_EQ(open(channel, 0), TVC_STATUS_ALREADY_OPEN);
    EXPECT_EQ(channel.GetDevicePath(), unitPath(3)) << "the open unit stays";
    TVC_VERSION version{};
    EXPECT_EQ(channel.GetVersion(&version), 0u);
}

TEST_F(ChannelTest, RefusesAMissingSetAndAnIndexPastTheLastUnit) {
    CTvcCtrl channel(CTvcCtrl::ForPanel);
    EXPECT_EQ(channel.Open(0, nullptr, &kTvcInterfaceClassGuid), TVC_STATUS_NO_DEVICE_INFO_SET);
    EXPECT_EQ(channel.Open(0, INVALID_HANDLE_VALUE, &kTvcInterfaceClassGuid),
              TVC_STATUS_NO_DEVICE_INFO_SET);
    EXPECT_EQ(open(channel, 0, false), TVC_STATUS_NO_DEVICE_INFO_SET);
    EXPECT_EQ(open(channel, 1), TVC_STATUS_NO_UNIT_AT_INDEX);
    EXPECT_EQ(takeRequests(), Requests{});
}

TEST_F(ChannelTest, PanelAcceptsFromMinorTenAndTheLibraryFromThirteenWithCapabilities) {
    const struct {
        const char* version;
        DWORD panel;
        DWORD library;
    } cases[] = {
        {"2.9", TVC_STATUS_VERSION_NOT_SUPPORTED, TVC_STATUS_VERSION_NOT_SUPPORTED},
        {"2.10", 0, TVC_STATUS_VERSION_NOT_SUPPORTED},
        {"2.12", 0, TVC_STATUS_VERSION_NOT_SUPPORTED},
        {"2.13", 0, 0},
        {"2.255", 0, 0},
        {"3.0", TVC_STATUS_VERSION_NOT_SUPPORTED, TVC_STATUS_VERSION_NOT_SUPPORTED},
    };
    for (const auto& c : cases) {
        setDriverKey("Version", c.version);
        CTvcCtrl panel(CTvcCtrl::ForPanel);
        CTvcCtrl library(CTvcCtrl::ForDownload);
        EXPECT_EQ(open(panel), c.panel) << c.version;
        takeRequests();
        EXPECT_EQ(open(library), c.library) << c.version;
        Requests expected{"U 80882804"};
        if (c.library == 0)
            expected.push_back("U 80882C08");
        EXPECT_EQ(takeRequests(), expected) << c.version;
        TVC_VERSION version{};
        EXPECT_EQ(library.GetVersion(&version), c.library == 0 ? 0u : TVC_STATUS_NOT_OPEN)
            << "a refused driver leaves the channel closed";
    }
}

TEST_F(ChannelTest, BusReadReturnsTheLevelBlockAndPassesDriverErrorsThrough) {
    setUnitKey(1, "Levels", "0x7FFFFFFF,0x40000000,0x12345678,0,1,2,3,0xFFFFFFFF");
    setUnitKey(1, "IoDelayMs", "20");
    CTvcCtrl channel(CTvcCtrl::ForPanel);
    ASSERT_EQ(open(channel), 0u);
    takeRequests();
    TVC_BUS_ADDRESS address = levelBlock();
    BYTE data[32] = {};
    DWORD bytes = 0;
    ASSERT_EQ(channel.AsyncReadSync(&address, data, 32, &bytes, 5000), 0u);
    EXPECT_EQ(bytes, 32u);
    EXPECT_EQ(hexBytes(data, 32),
              "7FFFFFFF4000000012345678000000000000000100000002"
              "00000003FFFFFFFF");
    EXPECT_EQ(takeRequests(), Requests{"U 80882C56 00006000C7FF00000000000000000000"});

    EXPECT_EQ(channel.AsyncWriteSync(&address, data, 32, &bytes, 5000), DWORD(ERROR_NOT_SUPPORTED))
        << "the level block cannot be written";
    setUnitKey(1, "Present", "0");
    EXPECT_EQ(channel.AsyncReadSync(&address, data, 32, &bytes, 5000), TVC_STATUS_UNIT_REMOVED);
    TVC_VERSION version{};
    EXPECT_EQ(channel.GetVersion(&version), TVC_STATUS_UNIT_REMOVED);
}

// The request's records live on the caller's stack: the read must not return
// before the cancelled request has ended, and the channel must work after it.
TEST_F(ChannelTest, BusReadPastItsTimeLimitIsCancelledBeforeItReturns) {
    CTvcCtrl channel(CTvcCtrl::ForPanel);
    ASSERT_EQ(open(channel), 0u);
    setUnitKey(1, "IoDelayMs", "5000");
    takeRequests();
    TVC_BUS_ADDRESS address = levelBlock();
    BYTE data[32] = {};
    DWORD bytes = 99;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(channel.AsyncReadSync(&address, data, 32, &bytes, 50), TVC_STATUS_TIMEOUT);
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(50));
    EXPECT_EQ(bytes, 0u);
    EXPECT_EQ(hexBytes(data, 4), "00000000");
    EXPECT_EQ(takeRequests(), Requests{}) << "the cancelled read never reached the unit";

    setUnitKey(1, "IoDelayMs", "0");
    setUnitKey(1, "Levels", "1,2,3,4,5,6,7,8");
    ASSERT_EQ(channel.AsyncReadSync(&address, data, 32, &bytes, 50), 0u);
    EXPECT_EQ(hexBytes(data, 8), "0000000100000002");
}

}  // namespace
