#include "LibraryRun.h"

#include "LogCapture.h"

#include <chrono>
#include <thread>

LibraryRun::LibraryRun() : scale_("TVC_SIM_TIME_SCALE", "200") {
    EXPECT_EQ(0u, Api().EnableLogging(dir_.file("fwdl.log").c_str()));
}

LibraryRun::~LibraryRun() {
    Api().CloseDevice();
    Api().EnableLogging(nullptr);
}

FwdlApi& LibraryRun::Api() {
    static FwdlApi api;
    static bool loaded = [] {
        std::string error;
        bool ok = api.Load(TVC_FWDL_LIBRARY, error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }();
    EXPECT_TRUE(loaded);
    return api;
}

TvdContent LibraryRun::Content(uint32_t fileVersion) {
    TvdContent content;
    content.fileVersion = fileVersion;
    content.firmwareVersion = 0x00020000;
    content.firmwareBuild = 5;
    content.hardwareVersion = 0x00010001;
    // Compared with bytes 1 to 3 of the default unit's GUID 0x0013A200'00100001.
    content.vendorId = 0x13A200;
    content.date = "20250102";
    content.time = "030405";
    content.infoText = "test firmware\n";
    content.hasImage = true;
    content.imageAddress = 0x10000;
    for (int i = 0; i < 3000; ++i)
        content.image.push_back(uint8_t(i * 13 + 1));
    content.hasCnE = true;
    content.cne.assign(100, 0x5C);
    return content;
}

std::string LibraryRun::File(const TvdContent& content, const std::string& name) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(TvdBuilder::Build(content, bytes, error)) << error;
    WriteWholeFile(dir_.file(name), std::string(bytes.begin(), bytes.end()));
    return dir_.file(name);
}

uint32_t LibraryRun::Download(const std::string& file, uint32_t flags) {
    uint32_t count = 0;
    EXPECT_EQ(0u, Api().EnumerateDevices("{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}", &count));
    uint32_t status = Api().OpenDevice(0);
    if (status != 0)
        return status;
    status = Api().StartDownload(file.c_str(), flags);
    return status != 0 ? status : WaitForEnd();
}

uint32_t LibraryRun::WaitForEnd() {
    uint32_t status;
    while ((status = Api().GetDownloadStatus(&done_, &total_)) == 36)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return status;
}

std::string LibraryRun::LogText() const {
    return ReadWholeFile(dir_.file("fwdl.log"));
}
