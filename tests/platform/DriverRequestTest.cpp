#include "SimBusTest.h"
#include "UnitPaths.h"

#include <cstring>

namespace {

class DriverRequestTest : public SimBusTest {
protected:
    DWORD ioctl(HANDLE device, DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize,
                DWORD* bytes = nullptr) {
        DWORD returned = 0;
        BOOL ok = DeviceIoControl(device, code, const_cast<void*>(in), inSize, out, outSize,
                                  &returned, nullptr);
        if (bytes != nullptr)
            *bytes = returned;
        return ok ? 0 : GetLastError();
    }
    static uint32_t word(const uint8_t* bytes, size_t offset) {
        uint32_t value;
        std::memcpy(&value, bytes + offset, 4);
        return value;
    }
};

TEST_F(DriverRequestTest, ControlDeviceAnswersFromTheBusFile) {
    setDriverKey("Version", "2.10");
    setUnitKey(2, "Present", "1");
    setUnitKey(4, "Present", "1");
    HANDLE control = openPath(kControlPath, false);
    ASSERT_NE(control, INVALID_HANDLE_VALUE);

    uint8_t version[12];
    DWORD bytes = 0;
    ASSERT_EQ(ioctl(control, 0x80882804, nullptr, 0, version, 12, &bytes), 0u);
    const uint8_t expectedVersion[12] = {2, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(version, expectedVersion, 12), 0);
    EXPECT_EQ(bytes, 12u);

    uint32_t zero = 0;
    EXPECT_EQ(ioctl(control, 0x80882814, &zero, 4, nullptr, 0), 0u);

    uint8_t list[260];
    ASSERT_EQ(ioctl(control, 0x80882860, nullptr, 0, list, 260, &bytes), 0u);
    EXPECT_EQ(bytes, 260u);
    const uint8_t expectedList[16] = {3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0};
    EXPECT_EQ(std::memcmp(list, expectedList, 16), 0);

    uint8_t properties[432];
    uint32_t id = 4;
    ASSERT_EQ(ioctl(control, 0x80882920, &id, 4, properties, 432, &bytes), 0u);
    EXPECT_EQ(bytes, 432u);
    const uint8_t guid4[8] = {0x00, 0x13, 0xA2, 0x00, 0x00, 0x10, 0x00, 0x04};
    EXPECT_EQ(std::memcmp(properties + 4, guid4, 8), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(properties + 88))
                  .rfind("Lumora FireWire audio unit", 0),
              0u);
    id = 3;
    EXPECT_EQ(ioctl(control, 0x80882920, &id, 4, properties, 432), 0xE0000050u);
    setUnitKey(2, "FailProperties", "1");
    id = 2;
    EXPECT_EQ(ioctl(control, 0x80882920, &id, 4, properties, 432), DWORD(ERROR_GEN_FAILURE));
    CloseHandle(control);
}

TEST_F(DriverRequestTest, ClockLatencyAndStopStartChangeTheBus) {
    HANDLE control = openPath(kControlPath, false);
    uint8_t clock[44];
    ASSERT_EQ(ioctl(control, 0x808828C0, nullptr, 0, clock, 44), 0u);
    EXPECT_EQ(word(clock, 4), 48000u);

    const uint8_t setRate[8] = {0, 0, 0, 0, 0x80, 0xBB, 0, 0};
    ASSERT_EQ(ioctl(control, 0x808828C4, setRate, 8, nullptr, 0), 0u);
    EXPECT_EQ(driverKey("SampleRate"), "48000");
    const uint8_t setRate96[8] = {0, 0, 0, 0, 0x00, 0x77, 0x01, 0};
    ASSERT_EQ(ioctl(control, 0x808828C4, setRate96, 8, nullptr, 0), 0u);
    EXPECT_EQ(driverKey("SampleRate"), "96000");
    const uint8_t setRateBad[8] = {0, 0, 0, 0, 0x00, 0x7D, 0, 0};
    EXPECT_EQ(ioctl(control, 0x808828C4, setRateBad, 8, nullptr, 0),
              DWORD(ERROR_INVALID_PARAMETER));

    uint8_t latency[16];
    ASSERT_EQ(ioctl(control, 0x80882A90, nullptr, 0, latency, 16), 0u);
    const uint8_t expectedLatency[16] = {0xA0, 0x0F, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(latency, expectedLatency, 16), 0);
    latency[0] = 0xDC;
    latency[1] = 0x05;
    ASSERT_EQ(ioctl(control, 0x80882A94, latency, 16, nullptr, 0), 0u);
    EXPECT_EQ(driverKey("Latency2"), "1500");
    EXPECT_EQ(driverKey("Latency1"), "4000");
    latency[4] = 0;
    EXPECT_EQ(ioctl(control, 0x80882A8C, latency, 16, nullptr, 0), DWORD(ERROR_INVALID_PARAMETER))
        << "the record's other fields go back as they were read";

    ASSERT_EQ(ioctl(control, 0x80882A04, nullptr, 0, nullptr, 0), 0u);
    EXPECT_EQ(driverKey("Stopped"), "1");
    ASSERT_EQ(ioctl(control, 0x80882A00, nullptr, 0, nullptr, 0), 0u);
    EXPECT_EQ(driverKey("Stopped"), "0");
    CloseHandle(control);
}

TEST_F(DriverRequestTest, UnitAnswersItsOwnRequests) {
    setUnitKey(1, "Capabilities", "0x00000005");
    DWORD error = 0;
    HANDLE unit = openPath(enumerateUnitPaths(error).at(0), false);
    ASSERT_NE(unit, INVALID_HANDLE_VALUE);
    uint32_t value = 0;
    ASSERT_EQ(ioctl(unit, 0x80882C08, nullptr, 0, &value, 4), 0u);
    EXPECT_EQ(value, 5u);
    ASSERT_EQ(ioctl(unit, 0x80882C1C, nullptr, 0, &value, 4), 0u);
    EXPECT_EQ(value, 1u);
    uint8_t properties[432];
    ASSERT_EQ(ioctl(unit, 0x80882B00, nullptr, 0, properties, 432), 0u);
    EXPECT_EQ(word(properties, 0), 1u);
    uint8_t address[16] = {};
    uint8_t data[4];
    EXPECT_NE(ioctl(unit, 0x80882C56, address, 16, data, 4), 0u) << "no window answers yet";
    EXPECT_EQ(ioctl(unit, 0x80882C56, address, 8, data, 4), DWORD(ERROR_INVALID_PARAMETER));
    CloseHandle(unit);
}

TEST_F(DriverRequestTest, UnitUnpluggedByAnotherProcessFailsWithRemovedStatus) {
    DWORD error = 0;
    HANDLE unit = openPath(enumerateUnitPaths(error).at(0), false);
    ASSERT_NE(unit, INVALID_HANDLE_VALUE);
    uint8_t version[12];
    ASSERT_EQ(ioctl(unit, 0x80882804, nullptr, 0, version, 12), 0u);

    ASSERT_EQ(run(std::string(TVCBUS_PATH) + " unplug 1"), 0);
    EXPECT_EQ(ioctl(unit, 0x80882804, nullptr, 0, version, 12), 0xE0000050u);
    EXPECT_TRUE(enumerateUnitPaths(error).empty());

    ASSERT_EQ(run(std::string(TVCBUS_PATH) + " plug 1"), 0);
    EXPECT_EQ(ioctl(unit, 0x80882804, nullptr, 0, version, 12), 0u)
        << "the unit returns under the same path";
    CloseHandle(unit);
}

}  // namespace
