#include "Updater.h"

#include "ProgressView.h"
#include "StatusText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

namespace {

std::string Field(const char* text, size_t size) {
    std::string value(text, size);
    return value.substr(0, value.find('\0'));
}

bool Index(const std::string& text, uint32_t& index) {
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, 10);
    index = uint32_t(value);
    return !text.empty() && *end == '\0' && value < 64;
}

}  // namespace

int Updater::Run() {
    if (!options_.logFile.empty() && api_.EnableLogging(options_.logFile.c_str()) != 0)
        std::fprintf(stderr, "tvcupdate: warning: the library cannot log into %s\n",
                     options_.logFile.c_str());
    const std::string& command = options_.command;
    size_t count = options_.arguments.size();
    if (command == "list" && count == 0)
        return List();
    if (command == "info" && count == 1)
        return Info();
    if (command == "describe" && count == 1)
        return Describe();
    if (command == "check" && count == 2)
        return Check();
    if (command == "download" && count == 2)
        return Download();
    std::fprintf(stderr, "tvcupdate: wrong command or arguments\n%s", UpdateOptions::Usage());
    return Usage;
}

int Updater::Fail(const char* what, uint32_t status) {
    std::fprintf(stderr, "tvcupdate: %s failed: %s\n", what, StatusText::Describe(status).c_str());
    return Failed;
}

bool Updater::Enumerate(uint32_t& count) {
    uint32_t status = api_.EnumerateDevices(options_.guid.c_str(), &count);
    if (status != TVCFWDL_STATUS_SUCCESS)
        Fail("listing the units", status);
    return status == TVCFWDL_STATUS_SUCCESS;
}

void Updater::PrintDevice(uint32_t index, const TVCFWDL_DEVICE_INFO& info, bool full) {
    std::printf("unit %u: GUID 0x%08X%08X, model 0x%08X, firmware 0x%08X build %u, protocol %u%s\n",
                index, info.GuidHi, info.GuidLo, info.HardwareModelID, info.FirmwareVersion,
                info.FirmwareBuild, info.ProtocolVersion,
                info.BootloaderMode ? ", in bootloader" : "");
    if (!full)
        return;
    std::printf("  magic            %s\n", Field(info.Magic, sizeof info.Magic).c_str());
    std::printf("  firmware date    %s %s\n", Field(info.Date1, 12).c_str(),
                Field(info.Time1, 12).c_str());
    std::printf("  bootloader date  %s %s\n", Field(info.Date2, 12).c_str(),
                Field(info.Time2, 12).c_str());
    std::printf("  production date  %s %s\n", Field(info.Date3, 12).c_str(),
                Field(info.Time3, 12).c_str());
    std::printf("  largest image    %u bytes\n", info.MaxImageLength);
    std::string description = Field(reinterpret_cast<const char*>(info.Properties), 256);
    if (!description.empty())
        std::printf("  driver           %s\n", description.c_str());
}

int Updater::List() {
    uint32_t count = 0;
    if (!Enumerate(count))
        return Failed;
    std::printf("%u unit%s\n", count, count == 1 ? "" : "s");
    int result = Ok;
    for (uint32_t index = 0; index < count; ++index) {
        TVCFWDL_DEVICE_INFO info{};
        uint32_t status = api_.GetDeviceInfo(index, &info);
        if (status == TVCFWDL_STATUS_SUCCESS)
            PrintDevice(index, info, false);
        else
            result = Fail(("reading unit " + std::to_string(index)).c_str(), status);
    }
    return result;
}

int Updater::Info() {
    uint32_t index = 0;
    uint32_t count = 0;
    if (!Index(options_.arguments[0], index)) {
        std::fprintf(stderr, "tvcupdate: bad unit number %s\n", options_.arguments[0].c_str());
        return Usage;
    }
    if (!Enumerate(count))
        return Failed;
    TVCFWDL_DEVICE_INFO info{};
    uint32_t status = api_.GetDeviceInfo(index, &info);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Fail(("reading unit " + std::to_string(index)).c_str(), status);
    PrintDevice(index, info, true);
    return Ok;
}

// The record holds the vendor id's bytes last to first; shown as the builder took it.
int Updater::Describe() {
    const std::string& file = options_.arguments.back();
    TVCFWDL_TVD_FILE_INFO info{};
    uint32_t status = api_.GetTvdFileInfo(file.c_str(), &info);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Fail(("reading " + file).c_str(), status);
    std::printf("%s: firmware 0x%08X build %u for model 0x%08X, vendor 0x%02X%02X%02X, %s %s\n",
                file.c_str(), info.FirmwareVersion, info.FirmwareBuild,
                info.CompatibleHardwareVersion, info.NodeVendorId[2], info.NodeVendorId[1],
                info.NodeVendorId[0], Field(info.Date, 12).c_str(), Field(info.Time, 12).c_str());
    if (info.InfoText[0] != '\0')
        std::printf("%s\n", info.InfoText);
    return Ok;
}

// A unit number that is no number is bad usage, as for info.
int Updater::OpenUnit(uint32_t& index) {
    uint32_t count = 0;
    if (!Index(options_.arguments[0], index)) {
        std::fprintf(stderr, "tvcupdate: bad unit number %s\n", options_.arguments[0].c_str());
        return Usage;
    }
    if (!Enumerate(count))
        return Failed;
    uint32_t status = api_.OpenDevice(index);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Fail(("opening unit " + std::to_string(index)).c_str(), status);
    return Ok;
}

int Updater::Check() {
    uint32_t index = 0;
    int opened = OpenUnit(index);
    if (opened != Ok)
        return opened;
    uint32_t conditions = 0;
    uint32_t status = api_.CheckDownload(options_.arguments[1].c_str(), &conditions);
    api_.CloseDevice();
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Fail("checking the file", status);
    PrintConditions(index, options_.arguments[1].c_str(), conditions);
    return (conditions & TVCFWDL_COND_INCOMPATIBLE) ? Failed : Ok;
}

// The library weighs the CnE data only once a download runs, so its check never
// reports it; the unit's and the file's versions tell in advance.
void Updater::PrintConditions(uint32_t index, const char* file, uint32_t conditions) {
    std::printf("%s on unit %u (conditions 0x%02X):\n%s", file, index, conditions,
                StatusText::Conditions(conditions).c_str());
    TVCFWDL_DEVICE_INFO unit{};
    TVCFWDL_TVD_FILE_INFO image{};
    if (api_.GetDeviceInfo(index, &unit) != TVCFWDL_STATUS_SUCCESS ||
        api_.GetTvdFileInfo(file, &image) != TVCFWDL_STATUS_SUCCESS)
        return;
    bool withCne = (options_.flags & TVCFWDL_START_WITH_CNE) != 0;
    if (withCne || unit.FirmwareVersion == 0 || unit.FirmwareVersion != image.FirmwareVersion)
        std::printf(
            "  the download will include CnE data (unit firmware 0x%08X, file 0x%08X%s);\n"
            "  a file without CnE data is refused when it starts (TVCFWDL_STATUS_NO_CNE_DATA)\n",
            unit.FirmwareVersion, image.FirmwareVersion, withCne ? ", --with-cne" : "");
}

int Updater::Download() {
    uint32_t index = 0;
    int opened = OpenUnit(index);
    if (opened != Ok)
        return opened;
    for (const auto& timeout : options_.timeouts) {
        uint32_t status = api_.SetTimeout(timeout.first, timeout.second);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            api_.CloseDevice();
            return Fail("setting a timeout", status);
        }
    }
    const char* file = options_.arguments[1].c_str();
    uint32_t conditions = 0;
    if (api_.CheckDownload(file, &conditions) == TVCFWDL_STATUS_SUCCESS)
        PrintConditions(index, file, conditions);
    uint32_t status = api_.StartDownload(file, options_.flags);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        api_.CloseDevice();
        return Fail("starting the download", status);
    }
    int result = WaitForDownload();
    api_.CloseDevice();
    return result == RestartPending ? OfferRestart() : result;
}

int Updater::WaitForDownload() {
    ProgressView view(options_.plain);
    uint32_t done = 0;
    uint32_t total = 0;
    uint32_t status = TVCFWDL_STATUS_DOWNLOAD_RUNNING;
    while ((status = api_.GetDownloadStatus(&done, &total)) == TVCFWDL_STATUS_DOWNLOAD_RUNNING) {
        view.Update(done, total);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    view.Update(done, total);
    view.Finish();
    if (status == TVCFWDL_STATUS_REBOOT_REQUIRED) {
        std::printf("download finished: %s\n", StatusText::Describe(status).c_str());
        return RestartPending;
    }
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Fail("the download", status);
    std::printf("download finished: %s\n", StatusText::Describe(status).c_str());
    return Ok;
}

// Never restarts without an explicit yes.
int Updater::OfferRestart() {
    if (!options_.offerRestart) {
        std::printf("restart the computer before using the unit\n");
        return RestartPending;
    }
    std::printf("Restart the computer now? [y/N] ");
    std::fflush(stdout);
    std::string answer;
    if (!std::getline(std::cin, answer) || (answer != "y" && answer != "yes")) {
        std::printf("not restarting; restart the computer before using the unit\n");
        return RestartPending;
    }
    uint32_t status = api_.Reboot();
    if (status != TVCFWDL_STATUS_SUCCESS)
        return Fail("restarting the computer", status);
    std::printf("restarting the computer\n");
    return Ok;
}
