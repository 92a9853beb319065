#include "GuidFromString.h"
#include "LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(GuidFromString, BracedTextIsParsed) {
    GUID guid;
    ASSERT_EQ(0u, GuidFromString("{01234567-89ab-CDEF-0123-456789ABCDEF}", &guid));
    EXPECT_EQ(0x01234567u, guid.Data1);
    EXPECT_EQ(0x89ABu, guid.Data2);
    EXPECT_EQ(0xCDEFu, guid.Data3);
    const uint8_t tail[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    EXPECT_EQ(0, std::memcmp(tail, guid.Data4, 8));
}

TEST(GuidFromString, UnparsableTextFails) {
    LogCapture capture;
    GUID guid;
    std::memset(&guid, 0xAA, sizeof guid);
    EXPECT_EQ(1u, GuidFromString("01234567-89ab-CDEF-0123-456789ABCDEF", &guid));
    const GUID zero{};
    EXPECT_EQ(0, std::memcmp(&zero, &guid, sizeof guid));
    std::string longText = "{01234567-89ab-CDEF-0123-456789ABCDEF}" + std::string(80, ' ');
    EXPECT_EQ(1u, GuidFromString(longText.c_str(), &guid));
    EXPECT_EQ(1u, GuidFromString(nullptr, &guid));
    std::string failed =
        "ERROR: GuidFromString: CLSIDFromString failed with error = 0x800401F3 (HRESULT)\n";
    EXPECT_EQ(
        failed + failed +
            "ERROR: GuidFromString: NULL pointer found instead of a pointer to a guid string\n",
        capture.Text());
}

}  // namespace
