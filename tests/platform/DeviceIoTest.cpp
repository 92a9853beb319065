#include "SimBusTest.h"
#include "UnitPaths.h"

#include <atomic>
#include <cstring>
#include <thread>

namespace {

constexpr DWORD kGetVersion = 0x80882804;
constexpr DWORD kBusRead = 0x80882C56;
constexpr DWORD kGetCapabilities = 0x80882C08;

class DeviceIoTest : public SimBusTest {
protected:
    HANDLE openFirstUnit() {
        DWORD error = 0;
        std::vector<std::string> paths = enumerateUnitPaths(error);
        EXPECT_FALSE(paths.empty());
        return paths.empty() ? INVALID_HANDLE_VALUE : openPath(paths[0], true);
    }
};

TEST_F(DeviceIoTest, OverlappedRequestCompletesAtOnceWithoutDelay) {
    HANDLE unit = openFirstUnit();
    ASSERT_NE(unit, INVALID_HANDLE_VALUE);
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    OVERLAPPED ov{};
    ov.hEvent = event;
    uint8_t version[12] = {};
    DWORD bytes = 0;
    ASSERT_TRUE(
        DeviceIoControl(unit, kGetVersion, nullptr, 0, version, sizeof version, &bytes, &ov));
    EXPECT_EQ(bytes, 12u);
    EXPECT_EQ(version[0], 2);
    EXPECT_EQ(version[1], 13);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0) << "completion signals the event";
    EXPECT_FALSE(
        DeviceIoControl(unit, kGetVersion, nullptr, 0, version, sizeof version, &bytes, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER)) << "overlapped handle needs a record";
    CloseHandle(event);
    CloseHandle(unit);
}

TEST_F(DeviceIoTest, DelayedRequestPendsAndCompletesOnAnotherThread) {
    setUnitKey(1, "IoDelayMs", "100");
    HANDLE unit = openFirstUnit();
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    OVERLAPPED ov{};
    ov.hEvent = event;
    uint32_t word = 0;
    DWORD bytes = 0;
    EXPECT_FALSE(DeviceIoControl(unit, kGetCapabilities, nullptr, 0, &word, 4, &bytes, &ov));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
    EXPECT_FALSE(GetOverlappedResult(unit, &ov, &bytes, FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_IO_INCOMPLETE));
    EXPECT_EQ(WaitForSingleObject(event, 5000), WAIT_OBJECT_0);
    ASSERT_TRUE(GetOverlappedResult(unit, &ov, &bytes, FALSE));
    EXPECT_EQ(bytes, 4u);
    EXPECT_EQ(word, 1u);
    CloseHandle(event);
    CloseHandle(unit);
}

// The pattern of a bus read with a time limit: wait, time out, cancel, then
// wait for the cancelled request so its buffers may go.
TEST_F(DeviceIoTest, TimedOutRequestIsCancelledAndStillCompletes) {
    setUnitKey(1, "IoDelayMs", "3000");
    HANDLE unit = openFirstUnit();
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    OVERLAPPED ov{};
    ov.hEvent = event;
    uint8_t address[16] = {0x00, 0x00, 0x60, 0x00, 0xC7, 0xFF};
    uint8_t data[32];
    EXPECT_FALSE(DeviceIoControl(unit, kBusRead, address, 16, data, 32, nullptr, &ov));
    ASSERT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
    EXPECT_EQ(WaitForSingleObject(event, 20), WAIT_TIMEOUT);
    EXPECT_EQ(ov.Internal, ULONG_PTR(STATUS_PENDING));
    ASSERT_TRUE(CancelIo(unit));
    EXPECT_EQ(WaitForSingleObject(event, INFINITE), WAIT_OBJECT_0);
    DWORD bytes = 99;
    EXPECT_FALSE(GetOverlappedResult(unit, &ov, &bytes, FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_OPERATION_ABORTED));
    EXPECT_EQ(bytes, 0u);
    CloseHandle(event);
    CloseHandle(unit);
}

TEST_F(DeviceIoTest, CancelIoLeavesOtherThreadsRequestsAlone) {
    setUnitKey(1, "IoDelayMs", "150");
    HANDLE unit = openFirstUnit();
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    OVERLAPPED ov{};
    ov.hEvent = event;
    uint32_t word = 0;
    std::thread([&] {
        DeviceIoControl(unit, kGetCapabilities, nullptr, 0, &word, 4, nullptr, &ov);
    }).join();
    EXPECT_TRUE(CancelIo(unit));
    DWORD bytes = 0;
    EXPECT_TRUE(GetOverlappedResult(unit, &ov, &bytes, TRUE));
    EXPECT_EQ(bytes, 4u);
    CloseHandle(event);
    CloseHandle(unit);
}

TEST_F(DeviceIoTest, SynchronousHandleAndFilesAndBadHandles) {
    HANDLE control = openPath(kControlPath, false);
    ASSERT_NE(control, INVALID_HANDLE_VALUE);
    uint8_t version[12];
    DWORD bytes = 0;
    EXPECT_TRUE(DeviceIoControl(control, kGetVersion, nullptr, 0, version, 12, &bytes, nullptr));
    EXPECT_EQ(bytes, 12u);
    EXPECT_FALSE(DeviceIoControl(control, 0x80880000, nullptr, 0, nullptr, 0, &bytes, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
    EXPECT_TRUE(CloseHandle(control));
    EXPECT_FALSE(CloseHandle(control));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));

    std::string file = dir_.file("plain.bin");
    EXPECT_EQ(openPath(file, false), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    HANDLE created = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DeviceIoControl(created, kGetVersion, nullptr, 0, version, 12, &bytes, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
    CloseHandle(created);
    EXPECT_EQ(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
}

}  // namespace
