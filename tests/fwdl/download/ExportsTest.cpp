// The exports' statuses without a download, their records and the export table.
#include "LibraryRun.h"
#include "LogCapture.h"

#include <chrono>
#include <dlfcn.h>
#include <filesystem>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

const char* const kGuid = "{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}";

class ExportsTest : public LibraryRun {};

TEST_F(ExportsTest, TheLibraryExportsExactlyTheThirteenFunctions) {
    std::string symbols;
    ASSERT_EQ(0, run(std::string("nm -D --defined-only ") + TVC_FWDL_LIBRARY, &symbols));
    EXPECT_EQ(
        "TVCFWDL_CheckDownload\nTVCFWDL_CloseDevice\nTVCFWDL_EnableLogging\nTVCFWDL_"
        "EnumerateDevices\n"
        "TVCFWDL_GetDeviceInfo\nTVCFWDL_GetDownloadStatus\nTVCFWDL_GetTvdFileInfo\nTVCFWDL_"
        "GetVersion\n"
        "TVCFWDL_IsUserAdmin\nTVCFWDL_OpenDevice\nTVCFWDL_Reboot\nTVCFWDL_SetTimeout\n"
        "TVCFWDL_StartDownload\n",
        [&] {
            std::string names;
            size_t at = 0;
            while ((at = symbols.find(" T ", at)) != std::string::npos) {
                size_t end = symbols.find('\n', at);
                names += symbols.substr(at + 3, end - at - 3) + "\n";
                at = end;
            }
            return names;
        }());
    EXPECT_EQ(0x00030000u, Api().GetVersion());
}

TEST_F(ExportsTest, NullPointersAndCallingOrder) {
    uint32_t count = 0;
    uint32_t word = 0;
    TVCFWDL_TVD_FILE_INFO fileInfo;
    EXPECT_EQ(2u, Api().EnumerateDevices(nullptr, &count));
    EXPECT_EQ(2u, Api().EnumerateDevices(kGuid, nullptr));
    EXPECT_EQ(2u, Api().GetDeviceInfo(0, nullptr));
    EXPECT_EQ(2u, Api().CheckDownload(nullptr, &word));
    EXPECT_EQ(2u, Api().CheckDownload("x.tvd", nullptr));
    EXPECT_EQ(2u, Api().StartDownload(nullptr, 0));
    EXPECT_EQ(2u, Api().GetDownloadStatus(nullptr, &word));
    EXPECT_EQ(2u, Api().GetDownloadStatus(&word, nullptr));
    EXPECT_EQ(2u, Api().GetTvdFileInfo(nullptr, &fileInfo));
    EXPECT_EQ(2u, Api().GetTvdFileInfo("x.tvd", nullptr));
    EXPECT_EQ(2u, Api().IsUserAdmin(nullptr));
    EXPECT_EQ(9u, Api().EnumerateDevices("E7E0EE33", &count));

    std::string file = File(Content(1));
    EXPECT_EQ(15u, Api().SetTimeout(0, 1000));
    EXPECT_EQ(15u, Api().CloseDevice());
    word = 0;
    EXPECT_EQ(15u, Api().CheckDownload(file.c_str(), &word));
    EXPECT_EQ(0xFFFFFFFFu, word);
    EXPECT_EQ(0u, Api().EnumerateDevices(kGuid, &count));
    EXPECT_EQ(0u, Api().EnumerateDevices(kGuid, &count));
    EXPECT_EQ(1u, count);
    EXPECT_EQ(14u, Api().OpenDevice(1));
    EXPECT_EQ(0u, Api().OpenDevice(0));
    EXPECT_EQ(16u, Api().OpenDevice(0));
    EXPECT_EQ(28u, Api().SetTimeout(6, 1000));
    EXPECT_EQ(0u, Api().SetTimeout(5, 1000));
    EXPECT_EQ(11u, Api().EnumerateDevices(kGuid, &count));
    EXPECT_EQ(0u, Api().CloseDevice());
    uint32_t total = 1;
    EXPECT_EQ(0u, Api().GetDownloadStatus(&word, &total));
}

// Failures that come from the system, through the platform layer's calls.
TEST_F(ExportsTest, CountingLoggingAndRestartFailuresHaveTheirStatus) {
    setUnitKey(2, "Present", "1");
    setDriverKey("FailCountingAt", "1");
    uint32_t count = 7;
    EXPECT_EQ(17u, Api().EnumerateDevices(kGuid, &count));
    EXPECT_EQ(1u, count) << "the interfaces found before the failure are counted";
    EXPECT_NE(std::string::npos,
              LogText().find("counting devices at index 1 aborted: windows error code = "
                             "0x0000001F\n"));
    EXPECT_NE(std::string::npos,
              LogText().find("TVCFWDL_EnumerateDevices: device counting failed\n"));
    setDriverKey("FailCountingAt", "");
    // The library, like another process, sees a change of the bus file within a millisecond.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(0u, Api().EnumerateDevices(kGuid, &count));
    EXPECT_EQ(2u, count);

    EXPECT_EQ(23u, Api().EnableLogging(dir_.path().c_str()));
    EXPECT_EQ(0u, Api().EnableLogging(dir_.file("fwdl.log").c_str()));

    {
        // A restart that cannot be recorded fails as a refused restart would.
        ScopedEnv unwritable("TVC_SIM_BUS", dir_.path());
        EXPECT_EQ(39u, Api().Reboot());
    }
    EXPECT_NE(std::string::npos,
              LogText().find("TVCFWDL_Reboot: ExitWindowsEx failed with error = 0x0000001F\n"));
    EXPECT_EQ("0", driverKey("RestartRequested"));
}

// Every export but the status poll says on entry what it was given.
TEST_F(ExportsTest, EachExportLogsItsEntryLine) {
    auto hex = [](const void* pointer) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", unsigned(reinterpret_cast<uintptr_t>(pointer)));
        return std::string(text);
    };
    std::string file = File(Content(1));
    std::string other = dir_.file("other.log");
    uint32_t count = 0, conditions = 0, done = 0, total = 0, admin = 0;
    TVCFWDL_TVD_FILE_INFO fileInfo;
    TVCFWDL_DEVICE_INFO deviceInfo;
    EXPECT_EQ(0u, Api().EnableLogging(other.c_str()));
    EXPECT_EQ(0u, Api().EnableLogging(dir_.file("fwdl.log").c_str()));
    EXPECT_EQ(0u, Api().GetTvdFileInfo(file.c_str(), &fileInfo));
    EXPECT_EQ(0u, Api().EnumerateDevices(kGuid, &count));
    EXPECT_EQ(0u, Api().GetDeviceInfo(0, &deviceInfo));
    EXPECT_EQ(0u, Api().OpenDevice(0));
    EXPECT_EQ(0u, Api().SetTimeout(2, 5000));
    EXPECT_EQ(0u, Api().CheckDownload(file.c_str(), &conditions));
    EXPECT_EQ(0u, Api().GetDownloadStatus(&done, &total));
    EXPECT_EQ(0u, Api().CloseDevice());
    EXPECT_EQ(2u, Api().StartDownload(nullptr, 0x7));
    EXPECT_EQ(0u, Api().IsUserAdmin(&admin));
    EXPECT_EQ(0u, Api().Reboot());
    const std::string lines[] = {
        "INFO: enter TVCFWDL_EnableLogging('" + other + "')\n",
        "INFO: enter TVCFWDL_GetTvdFileInfo('" + file + "'," + hex(&fileInfo) + ")\n",
        "INFO: enter TVCFWDL_EnumerateDevices('" + std::string(kGuid) + "'," + hex(&count) + ")\n",
        "INFO: enter TVCFWDL_GetDeviceInfo(0," + hex(&deviceInfo) + ")\n",
        "INFO: enter TVCFWDL_OpenDevice( 0 )\n",
        "INFO: enter TVCFWDL_SetTimeout( 2, 5000 )\n",
        "INFO: enter TVCFWDL_CheckDownload( '" + file + "'," + hex(&conditions) + " )\n",
        "INFO: enter TVCFWDL_CloseDevice()\n",
        "INFO: enter TVCFWDL_StartDownload( '(null)',0x00000007 )\n",
        "INFO: enter TVCFWDL_IsUserAdmin()\n",
        "INFO: enter TVCFWDL_Reboot()\n",
    };
    std::string text = LogText();
    size_t at = 0;
    for (const std::string& line : lines) {
        size_t found = text.find(line, at);
        EXPECT_NE(std::string::npos, found) << line;
        at = found == std::string::npos ? at : found;
    }
    EXPECT_EQ(std::string::npos, text.find("enter TVCFWDL_GetDownloadStatus"));
    EXPECT_NE(std::string::npos, ReadWholeFile(other).find("INFO: enter TVCFWDL_EnableLogging('" +
                                                           dir_.file("fwdl.log") + "')\n"))
        << "the entry line goes to the log that was open when the call came";
}

// A refused start leaves nothing behind that would keep the library loaded:
// only a running worker pins it.
TEST_F(ExportsTest, ARefusedStartLeavesTheLibraryFreeToUnload) {
    std::string copy = dir_.file("libtvc_fwdl_copy.so");
    std::filesystem::copy_file(TVC_FWDL_LIBRARY, copy);
    std::string file = File(Content(1));
    {
        FwdlApi api;
        std::string error;
        ASSERT_TRUE(api.Load(copy, error)) << error;
        EXPECT_EQ(15u, api.StartDownload(file.c_str(), 0));
        uint32_t count = 0;
        ASSERT_EQ(0u, api.EnumerateDevices(kGuid, &count));
        setUnitKey(1, "MaxImageLength", "16");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_EQ(0u, api.OpenDevice(0));
        EXPECT_EQ(0u, api.StartDownload(file.c_str(), 0));
        uint32_t done = 0, total = 0, status = 0;
        while ((status = api.GetDownloadStatus(&done, &total)) == 36)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        EXPECT_NE(0u, status);
        EXPECT_EQ(0u, api.CloseDevice());
    }
    void* still = ::dlopen(copy.c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(nullptr, still) << "a download that ran pins the library";
    if (still != nullptr)
        ::dlclose(still);

    std::string fresh = dir_.file("libtvc_fwdl_fresh.so");
    std::filesystem::copy_file(TVC_FWDL_LIBRARY, fresh);
    {
        FwdlApi api;
        std::string error;
        ASSERT_TRUE(api.Load(fresh, error)) << error;
        EXPECT_EQ(15u, api.StartDownload(file.c_str(), 0));
    }
    EXPECT_EQ(nullptr, ::dlopen(fresh.c_str(), RTLD_NOW | RTLD_NOLOAD))
        << "a start refused with 15 left the library pinned";
}

TEST_F(ExportsTest, AWrongManufacturerIsRefused) {
    setUnitKey(1, "Magic", "tarvicAx");
    uint32_t count = 0;
    ASSERT_EQ(0u, Api().EnumerateDevices(kGuid, &count));
    EXPECT_EQ(38u, Api().OpenDevice(0));
    EXPECT_NE(std::string::npos,
              LogText().find("Open: unexpected manufacturer ID 0x7461727669634178 of the device. "
                             "Expected ID is 0x7461727669634171.\n"));
    EXPECT_EQ(15u, Api().CloseDevice());
}

TEST_F(ExportsTest, DeviceInfoRecordLayout) {
    setUnitKey(1, "ProtocolVersion", "2");
    setUnitKey(1, "BootloaderMode", "1");
    setUnitKey(1, "HardwareModelID", "0x0A0B0C0D");
    setUnitKey(1, "FirmwareVersion", "0x01020304");
    setUnitKey(1, "FirmwareBuild", "0x11");
    setUnitKey(1, "MaxImageLength", "0x00100000");
    setUnitKey(1, "Capabilities", "0x55");
    uint32_t count = 0;
    ASSERT_EQ(0u, Api().EnumerateDevices(kGuid, &count));
    uint8_t record[468];
    std::memset(record, 0xEE, sizeof record);
    ASSERT_EQ(0u, Api().GetDeviceInfo(0, reinterpret_cast<TVCFWDL_DEVICE_INFO*>(record)));
    const uint8_t expected[132] = {
        't',  'a',  'r',  'v',  'i',  'c',  'A',  'q',  0, 0, 0, 0,  // 336 magic
        2,    0,    0,    0,    1,    0,    0,    0,                 // 348 protocol, mode
        0x00, 0xA2, 0x13, 0x00, 0x01, 0x00, 0x10, 0x00,              // 356 GUID words
        0x0D, 0x0C, 0x0B, 0x0A, 0,    0,    0,    0,                 // 364 model, word 28
        '2',  '0',  '2',  '4',  '0',  '3',  '0',  '1',  0, 0, 0, 0,  // 372 date 1
        '1',  '2',  '0',  '0',  '0',  '0',  0,    0,    0, 0, 0, 0,  // 384 time 1
        0x04, 0x03, 0x02, 0x01, 0x11, 0,    0,    0,    0, 0, 0, 0, 0x00, 0x00, 0x10, 0x00,  // 396
        '2',  '0',  '2',  '3',  '0',  '9',  '1',  '5',  0, 0, 0, 0,  // 412 date 2
        '0',  '9',  '3',  '0',  '0',  '0',  0,    0,    0, 0, 0, 0,  // 424 time 2
        '2',  '0',  '2',  '3',  '0',  '9',  '2',  '0',  0, 0, 0, 0,  // 436 date 3
        '1',  '5',  '4',  '5',  '0',  '0',  0,    0,    0, 0, 0, 0,  // 448 time 3
        0x55, 0,    0,    0,    1,    0,    0,    0,                 // 460
    };
    EXPECT_EQ(0, std::memcmp(expected, record + 336, sizeof expected));
    // The properties: bytes 88 to 423 of the driver's record, here its description text.
    EXPECT_EQ(0, std::memcmp("Lumora FireWire audio unit", record, 26));
}

}  // namespace
