#include "SimBusTest.h"
#include "UnitPaths.h"

#include <cstddef>

namespace {

class SetupApiTest : public SimBusTest {};

TEST_F(SetupApiTest, EnumeratesPresentUnitsInSlotOrderAndEndsWith259) {
    DWORD error = 0;
    EXPECT_EQ(enumerateUnitPaths(error).size(), 1u);
    EXPECT_EQ(error, DWORD(ERROR_NO_MORE_ITEMS));

    setUnitKey(1, "Present", "0");
    EXPECT_TRUE(enumerateUnitPaths(error).empty());
    EXPECT_EQ(error, 259u);

    setUnitKey(3, "Present", "1");
    setUnitKey(1, "Present", "1");
    std::vector<std::string> two = enumerateUnitPaths(error);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0],
              "\\\\?\\1394#lumora_audio#0013a20000100001#{e7e0ee33-3a47-48be-b7f2-d836dfa9d627}");
    EXPECT_EQ(two[1],
              "\\\\?\\1394#lumora_audio#0013a20000100003#{e7e0ee33-3a47-48be-b7f2-d836dfa9d627}");
    EXPECT_EQ(error, 259u);

    setUnitKey(2, "Present", "1");
    setUnitKey(4, "Present", "1");
    std::vector<std::string> four = enumerateUnitPaths(error);
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[2], two[1]) << "a unit keeps its path";
    EXPECT_EQ(error, 259u);
}

TEST_F(SetupApiTest, NoDriverMeansNoUnitsAndNoControlDevice) {
    setDriverKey("Present", "0");
    DWORD error = 0;
    EXPECT_TRUE(enumerateUnitPaths(error).empty());
    EXPECT_EQ(error, 259u);
    EXPECT_EQ(openPath(kControlPath, false), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_F(SetupApiTest, OtherClassFindsNothingAndDetailChecksSizes) {
    GUID other = kAudioClass;
    other.Data1 ^= 1;
    HDEVINFO set = SetupDiGetClassDevsA(&other, nullptr, nullptr, 0x12);
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    EXPECT_FALSE(SetupDiEnumDeviceInterfaces(set, nullptr, &other, 0, &data));
    EXPECT_EQ(GetLastError(), 259u);
    SetupDiDestroyDeviceInfoList(set);

    set = SetupDiGetClassDevsA(&kAudioClass, nullptr, nullptr, 0x12);
    data.cbSize = 4;
    EXPECT_FALSE(SetupDiEnumDeviceInterfaces(set, nullptr, &kAudioClass, 0, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_USER_BUFFER));
    data.cbSize = sizeof data;
    ASSERT_TRUE(SetupDiEnumDeviceInterfaces(set, nullptr, &kAudioClass, 0, &data));
    DWORD required = 0;
    EXPECT_FALSE(SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &required, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(required, offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + 78);
    std::vector<char> room(required);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(room.data());
    detail->cbSize = required;
    EXPECT_FALSE(SetupDiGetDeviceInterfaceDetailA(set, &data, detail, required, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_USER_BUFFER)) << "cbSize is the fixed part";
    SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SetupApiTest, ClassInstallerDisablesAndEnablesAUnit) {
    HDEVINFO set = SetupDiGetClassDevsA(&kAudioClass, nullptr, nullptr, 0x12);
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    ASSERT_TRUE(SetupDiEnumDeviceInterfaces(set, nullptr, &kAudioClass, 0, &data));
    char room[256];
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(room);
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(SetupDiGetDeviceInterfaceDetailA(set, &data, detail, sizeof room, nullptr, &info));

    SP_PROPCHANGE_PARAMS change{};
    ASSERT_EQ(sizeof change, 20u);
    change.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
    change.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
    change.StateChange = DICS_DISABLE;
    change.Scope = DICS_FLAG_GLOBAL;
    ASSERT_TRUE(
        SetupDiSetClassInstallParamsA(set, &info, &change.ClassInstallHeader, sizeof change));
    ASSERT_TRUE(SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, &info));
    DWORD error = 0;
    EXPECT_TRUE(enumerateUnitPaths(error).empty()) << "a disabled unit has no interface";
    EXPECT_EQ(openPath(detail->DevicePath, true), INVALID_HANDLE_VALUE);

    change.StateChange = DICS_ENABLE;
    ASSERT_TRUE(
        SetupDiSetClassInstallParamsA(set, &info, &change.ClassInstallHeader, sizeof change));
    ASSERT_TRUE(SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, &info));
    EXPECT_EQ(enumerateUnitPaths(error).size(), 1u);

    SP_DEVINSTALL_PARAMS_A params{};
    params.cbSize = sizeof params;
    ASSERT_TRUE(SetupDiGetDeviceInstallParamsA(set, &info, &params));
    EXPECT_EQ(params.Flags & (DI_NEEDRESTART | DI_NEEDREBOOT), 0u);
    setUnitKey(1, "RebootRequired", "1");
    ASSERT_TRUE(SetupDiGetDeviceInstallParamsA(set, &info, &params));
    EXPECT_NE(params.Flags & (DI_NEEDRESTART | DI_NEEDREBOOT), 0u);
    SetupDiDestroyDeviceInfoList(set);
}

}  // namespace
