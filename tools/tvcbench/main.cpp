// tvcbench: downloads a 1 MiB image to a simulated unit that answers at once
// and prints the library's transfer rate for several block sizes, the fixed
// pauses of the run excluded, and the whole run's time.
#include "FwdlApi.h"
#include "SimBus.h"
#include "SimKeys.h"
#include "TvdBuilder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr uint32_t kImageSize = 1 << 20;

std::string WriteFirmware(const std::filesystem::path& folder) {
    TvdContent content;
    content.firmwareVersion = 0x00020000;
    content.firmwareBuild = 1;
    content.hardwareVersion = 0x00010001;
    content.date = "20250101";
    content.time = "000000";
    content.hasImage = true;
    content.imageAddress = 0x10000;
    for (uint32_t i = 0; i < kImageSize; ++i)
        content.image.push_back(uint8_t(i * 2654435761u >> 24));
    std::vector<uint8_t> bytes;
    std::string error;
    if (!TvdBuilder::Build(content, bytes, error))
        return std::string();
    std::string path = (folder / "bench.tvd").string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

void PrepareUnit(uint32_t blockSize) {
    SimBus::instance().reset();
    SimBus::instance().update([&](IniText& bus) {
        std::string unit = SimKeys::unitSection(1);
        bus.set(unit, "ProtocolVersion", "2");
        bus.set(unit, "FirmwareVersion", "0x00020000");
        bus.set(unit, "BlockSize", std::to_string(blockSize));
    });
}

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The rate counts from the first bytes seen to the last: every pause of the
// run lies before or after that stretch.
bool Run(FwdlApi& api, const std::string& file, uint32_t blockSize) {
    PrepareUnit(blockSize);
    uint32_t count = 0;
    if (api.EnumerateDevices("{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}", &count) != 0 || count == 0 ||
        api.OpenDevice(0) != 0)
        return false;
    Clock::time_point start = Clock::now();
    if (api.StartDownload(file.c_str(), 0) != 0)
        return false;
    uint32_t done = 0, total = 0, first = 0;
    Clock::time_point firstSeen{}, lastSeen{};
    uint32_t status;
    while ((status = api.GetDownloadStatus(&done, &total)) == TVCFWDL_STATUS_DOWNLOAD_RUNNING) {
        Clock::time_point now = Clock::now();
        if (done > 0 && first == 0) {
            first = done;
            firstSeen = now;
        }
        if (done == total && total > 0 && lastSeen == Clock::time_point{})
            lastSeen = now;
        std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
    double whole = Seconds(start, Clock::now());
    api.CloseDevice();
    double transfer = Seconds(firstSeen, lastSeen);
    double rate = transfer > 0 ? (done - first) / transfer : 0;
    std::printf(
        "block size %5u: status %u, %u bytes, transfer %8.4f s, %8.2f MB/s, whole run %6.2f s\n",
        blockSize, status, done, transfer, rate / 1e6, whole);
    return status == 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "tvcbench";
    std::filesystem::create_directories(folder);
    static std::string bus = "TVC_SIM_BUS=" + (folder / "bus.ini").string();
    putenv(&bus[0]);
    if (std::getenv("TVC_SIM_TIME_SCALE") == nullptr) {
        static char scale[] = "TVC_SIM_TIME_SCALE=1";
        putenv(scale);
    }
    std::string file = WriteFirmware(folder);
    FwdlApi api;
    std::string error;
    if (file.empty() || !api.Load(argc > 1 ? argv[1] : FwdlApi::DefaultPath(), error)) {
        std::fprintf(stderr, "tvcbench: %s\n",
                     file.empty() ? "cannot write the firmware file" : error.c_str());
        return 2;
    }
    std::printf("1 MiB image to a simulated protocol-2 unit, time scale %s\n",
                std::getenv("TVC_SIM_TIME_SCALE"));
    bool ok = true;
    for (uint32_t blockSize : {512u, 2048u, 4096u})
        ok = Run(api, file, blockSize) && ok;
    return ok ? 0 : 1;
}
