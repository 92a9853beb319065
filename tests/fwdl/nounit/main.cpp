// The library's checks that need no unit, as a plain program so that it also
// runs under wine against the Windows DLL: statuses without a device, an
// enumeration that finds no unit, a firmware file, the log. Exit code 0 when
// every check holds; each failed check is printed.
#include "FwdlApi.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

int failures = 0;

void Expect(bool holds, const char* what) {
    if (!holds) {
        std::printf("FAILED: %s\n", what);
        ++failures;
    }
}

// Version 0: firmware 0x00010002 build 7, hardware 5, vendor 00 A0 DE, date
// "20240131", time "123456", info "Hi!\n", image "IMG1", CnE data "CnE".
const unsigned char kFile[107] = {
    0x74, 0x56, 0x63, 0x44, 0x44, 0x33, 0x22, 0x11, 0x32, 0x30, 0x32, 0x34, 0x30, 0x31, 0x33, 0x31,
    0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x00, 0x00, 0x02, 0x00, 0x01, 0x00, 0x07, 0x00, 0x00, 0x00,
    0x05, 0x00, 0x00, 0x00, 0x00, 0xA0, 0xDE, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7F, 0x70, 0x5A, 0x99,
    0x64, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0xC0, 0x0F, 0xFC, 0x51,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x68, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0xBD, 0x19, 0x55, 0x70,
    0x48, 0x69, 0x21, 0x0A, 0x49, 0x4D, 0x47, 0x31, 0x43, 0x6E, 0x45};

const unsigned char kFileInfo[44] = {
    0x44, 0x33, 0x22, 0x11, 0x02, 0x00, 0x01, 0x00, 0x07, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00,
    0x00, '2',  '0',  '2',  '4',  '0',  '1',  '3',  '1',  0,    0,    0,    0,    '1',  '2',
    '3',  '4',  '5',  '6',  0,    0,    0,    0,    0,    0,    0xDE, 0xA0, 0x00, 'H'};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const void* bytes, size_t size) {
    std::ofstream(path, std::ios::binary)
        .write(static_cast<const char*>(bytes), std::streamsize(size));
}

void CheckWithoutDevice(FwdlApi& api) {
    const char* guid = "{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}";
    TVCFWDL_DEVICE_INFO device;
    uint32_t count = 7;
    uint32_t word = 0;
    uint32_t total = 1;
    Expect(api.GetVersion() == 0x00030000, "GetVersion returns 3.0");
    Expect(api.OpenDevice(0) == 12, "OpenDevice before enumeration returns 12");
    Expect(api.GetDeviceInfo(0, &device) == 13, "GetDeviceInfo before enumeration returns 13");
    Expect(api.GetDeviceInfo(0, nullptr) == 2, "GetDeviceInfo with null returns 2");
    Expect(api.EnumerateDevices(nullptr, &count) == 2, "EnumerateDevices with null GUID returns 2");
    Expect(api.EnumerateDevices("not a guid", &count) == 9, "a bad GUID text returns 9");
    Expect(api.EnumerateDevices(guid, &count) == 0 && count == 0, "enumeration finds no unit");
    Expect(api.OpenDevice(0) == 14, "OpenDevice on a missing unit returns 14");
    word = 0;
    Expect(api.CheckDownload("fw.tvd", &word) == 15 && word == 0xFFFFFFFF,
           "CheckDownload without device returns 15 and leaves all bits set");
    Expect(api.StartDownload("fw.tvd", 0) == 15, "StartDownload without device returns 15");
    Expect(api.SetTimeout(0, 1000) == 15, "SetTimeout without device returns 15");
    Expect(api.CloseDevice() == 15, "CloseDevice without device returns 15");
    Expect(api.GetDownloadStatus(&word, &total) == 0 && word == 0 && total == 0,
           "no download yet: status 0, counts 0");
    Expect(api.IsUserAdmin(&word) == 0 && word <= 1, "IsUserAdmin answers");
}

void CheckFileAndLog(FwdlApi& api) {
    Expect(api.EnableLogging("nounit.log") == 0, "EnableLogging opens the log file");
    TVCFWDL_TVD_FILE_INFO info;
    Expect(api.GetTvdFileInfo("missing.tvd", &info) == 3, "a missing file returns 3");
    Expect(api.GetTvdFileInfo("fw.tvd", &info) == 0, "the firmware file is described");
    Expect(std::memcmp(&info, kFileInfo, sizeof kFileInfo) == 0 &&
               std::strcmp(reinterpret_cast<const char*>(&info) + 43, "Hi!\n") == 0,
           "the file info record holds the header fields at their offsets");
    Expect(api.EnableLogging(nullptr) == 0, "EnableLogging(null) closes the log file");
    std::string log = ReadFile("nounit.log");
    Expect(log.find("enter TVCFWDL_GetTvdFileInfo('fw.tvd',0x") != std::string::npos,
           "the log holds the entry of TVCFWDL_GetTvdFileInfo");
    Expect(log.find("TvdFile::Open: file 'missing.tvd' could not be found.") != std::string::npos,
           "the log holds the failure of the missing file");
}

}  // namespace

int main(int argc, char** argv) {
    // Off Windows the library's driver is the simulated bus: one without units.
    WriteFile("nounit-bus.ini", "[Unit1]\nPresent=0\n", 18);
    std::string bus = "TVC_SIM_BUS=nounit-bus.ini";
    putenv(&bus[0]);
    WriteFile("fw.tvd", kFile, sizeof kFile);
    std::remove("nounit.log");
    FwdlApi api;
    std::string error;
    if (!api.Load(argc > 1 ? argv[1] : FwdlApi::DefaultPath(), error)) {
        std::printf("FAILED: %s\n", error.c_str());
        return 1;
    }
    CheckWithoutDevice(api);
    CheckFileAndLog(api);
    std::printf("%s\n", failures == 0 ? "all checks passed" : "some checks failed");
    return failures == 0 ? 0 : 1;
}
