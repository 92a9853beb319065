#include "CTvcCtrl.h"
#include "DriverTest.h"
#include "TvcIoctl.h"
#include "TvcStatus.h"

#include <chrono>
#include <cstring>
#include <setupapi.h>

namespace {

using Requests = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

class AvcCommandWaitTest : public DriverTest {
protected:
    AvcCommandWaitTest() {
        HDEVINFO set = SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr,
                                            DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
        opened_ = channel_.Open(0, set, &kTvcInterfaceClassGuid);
        SetupDiDestroyDeviceInfoList(set);
        takeRequests();
    }

    // A STATUS of the main fader (block 6, channel 0, volume); its elapsed time.
    DWORD readMainFader(TVC_AVC_RESPONSE& response, Clock::duration& elapsed) {
        static const BYTE frame[] = {0x01, 0x08, 0xB8, 0x81, 0x06, 0x10,
                                     0x02, 0x00, 0x02, 0x02, 0x00, 0x00};
        TVC_AVC_REQUEST request{};
        request.Constant = 2000;
        request.FrameLength = sizeof frame;
        std::memcpy(request.Frame, frame, sizeof frame);
        std::memset(&response, 0xAA, sizeof response);
        Clock::time_point start = Clock::now();
        DWORD status = channel_.SendAvcCommand(&request, &response);
        elapsed = Clock::now() - start;
        return status;
    }

    CTvcCtrl channel_{CTvcCtrl::ForPanel};
    DWORD opened_ = 0;
};

// The wait ends at the limit even when the driver would answer seconds later,
// the request is cancelled before the call returns (the response record stays
// as it was) and the channel serves the next command.
TEST_F(AvcCommandWaitTest, ACommandThatTheUnitAnswersTooLateIsCancelledAtTheLimit) {
    ASSERT_EQ(opened_, 0u);
    setUnitKey(1, "Volume6.0", "0xE500");
    setUnitKey(1, "IoDelayMs", "5000");
    TVC_AVC_RESPONSE response;
    Clock::duration elapsed;
    EXPECT_EQ(readMainFader(response, elapsed), TVC_STATUS_TIMEOUT);
    EXPECT_GE(elapsed, std::chrono::milliseconds(CTvcCtrl::kAvcTimeoutMs));
    EXPECT_LT(elapsed, std::chrono::milliseconds(3000)) << "the unit's delay was not waited out";
    EXPECT_EQ(response.Frame[10], 0xAA) << "a cancelled command writes no response";
    EXPECT_EQ(takeRequests(), Requests{}) << "the command never reached the unit";

    setUnitKey(1, "IoDelayMs", "30");
    ASSERT_EQ(readMainFader(response, elapsed), 0u) << "an answer within the limit is taken";
    EXPECT_EQ(response.Frame[10], 0xE5);
    EXPECT_EQ(takeRequests().size(), 1u);
}

// Only the AV/C command is bounded: the version request of an open still waits
// for the driver, as the download library relies on.
TEST_F(AvcCommandWaitTest, OtherRequestsWaitForTheDriverWithoutLimit) {
    ASSERT_EQ(opened_, 0u);
    setUnitKey(1, "IoDelayMs", std::to_string(CTvcCtrl::kAvcTimeoutMs + 150));
    TVC_VERSION version{};
    EXPECT_EQ(channel_.GetVersion(&version), 0u);
    EXPECT_EQ(version.Major, 2);
    TVC_AVC_RESPONSE response;
    Clock::duration elapsed;
    EXPECT_EQ(readMainFader(response, elapsed), TVC_STATUS_TIMEOUT);
}

// The panel opens units on its message thread: a unit that does not answer the
// version check stays closed after the limit. The download library waits.
TEST_F(AvcCommandWaitTest, ThePanelsOpenGivesUpOnAVersionCheckPastTheLimit) {
    channel_.Close();
    setUnitKey(1, "IoDelayMs", "5000");
    HDEVINFO set = SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr,
                                        DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    Clock::time_point start = Clock::now();
    EXPECT_EQ(channel_.Open(0, set, &kTvcInterfaceClassGuid), TVC_STATUS_TIMEOUT);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(3000));
    TVC_AVC_RESPONSE response;
    Clock::duration elapsed;
    EXPECT_EQ(readMainFader(response, elapsed), TVC_STATUS_NOT_OPEN) << "the channel is closed";

    setUnitKey(1, "IoDelayMs", std::to_string(CTvcCtrl::kAvcTimeoutMs + 150));
    CTvcCtrl library(CTvcCtrl::ForDownload);
    EXPECT_EQ(library.Open(0, set, &kTvcInterfaceClassGuid), 0u);
    SetupDiDestroyDeviceInfoList(set);
}

}  // namespace
