// tvcbench: the library's transfer of a large image to a simulated unit that
// answers at once, at block sizes 512 to 4096, against the floor: the same bus
// requests sent straight through the platform layer. Both are timed by the
// unit from the first block's data to the download end, several times each.
#include "BenchFirmware.h"
#include "FloorTransfer.h"
#include "FwdlApi.h"
#include "SimBus.h"
#include "SimKeys.h"
#include "TransferFigures.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace {

constexpr uint32_t kImageSize = 32u << 20;
constexpr int kRuns = 5;
const char* const kInterfaceGuid = "{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}";

std::string g_timing;

void PrepareUnit(uint32_t blockSize, bool inBootloader) {
    SimBus::instance().reset();
    SimBus::instance().update([&](IniText& bus) {
        std::string unit = SimKeys::unitSection(1);
        bus.set(unit, "ProtocolVersion", "2");
        bus.set(unit, "FirmwareVersion", "0x00020000");
        bus.set(unit, "MaxImageLength", std::to_string(64u << 20));
        bus.set(unit, "BlockSize", std::to_string(blockSize));
        bus.set(unit, "BootloaderMode", inBootloader ? "1" : "0");
    });
    std::filesystem::remove(g_timing);
    // The library's copy of the bus sees a change within a millisecond.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

bool AddUnitTiming(TransferFigures& figures) {
    uint64_t bytes = 0;
    double seconds = 0;
    if (!TransferFigures::ReadUnitTiming(g_timing, bytes, seconds))
        return false;
    figures.Add(bytes, seconds);
    return true;
}

bool LibraryRun(FwdlApi& api, const BenchFirmware& firmware, uint32_t blockSize,
                TransferFigures& figures) {
    PrepareUnit(blockSize, false);
    uint32_t count = 0, done = 0, total = 0, status = 0;
    if (api.EnumerateDevices(kInterfaceGuid, &count) != 0 || count == 0 || api.OpenDevice(0) != 0)
        return false;
    status = api.StartDownload(firmware.Path().c_str(), 0);
    if (status == 0)
        while ((status = api.GetDownloadStatus(&done, &total)) == TVCFWDL_STATUS_DOWNLOAD_RUNNING)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    api.CloseDevice();
    if (status != 0)
        std::fprintf(stderr, "tvcbench: the library's download ended with status %u\n", status);
    return status == 0 && AddUnitTiming(figures);
}

bool FloorRun(const BenchFirmware& firmware, uint32_t blockSize, TransferFigures& figures) {
    PrepareUnit(blockSize, true);
    FloorTransfer floor;
    std::string error;
    if (!floor.Open(error) || !floor.Run(firmware, error)) {
        std::fprintf(stderr, "tvcbench: %s\n", error.c_str());
        return false;
    }
    return AddUnitTiming(figures);
}

bool Measure(FwdlApi& api, const BenchFirmware& firmware, uint32_t blockSize) {
    TransferFigures library, floor;
    bool ok = true;
    for (int run = 0; run < kRuns && ok; ++run)
        ok = LibraryRun(api, firmware, blockSize, library) && FloorRun(firmware, blockSize, floor);
    if (!ok)
        return false;
    std::printf("block size %4u: library %s; floor %s; library/floor %.2f\n", blockSize,
                library.Text().c_str(), floor.Text().c_str(), library.Median() / floor.Median());
    std::fflush(stdout);
    return true;
}

void SetEnvironment(const std::filesystem::path& folder) {
    static std::string bus = "TVC_SIM_BUS=" + (folder / "bus.ini").string();
    static std::string timing = "TVC_SIM_TIMING=" + (folder / "timing.txt").string();
    g_timing = (folder / "timing.txt").string();
    putenv(&bus[0]);
    putenv(&timing[0]);
    // The fixed pauses of a run lie outside the timed stretch; a faster clock
    // only shortens them.
    if (std::getenv("TVC_SIM_TIME_SCALE") == nullptr) {
        static char scale[] = "TVC_SIM_TIME_SCALE=100";
        putenv(scale);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "tvcbench";
    std::filesystem::create_directories(folder);
    SetEnvironment(folder);
    BenchFirmware firmware;
    FwdlApi api;
    std::string error;
    if (!firmware.Write((folder / "bench.tvd").string(), kImageSize) ||
        !api.Load(argc > 1 ? argv[1] : FwdlApi::DefaultPath(), error)) {
        std::fprintf(stderr, "tvcbench: %s\n",
                     error.empty() ? "cannot write the firmware file" : error.c_str());
        return 2;
    }
    std::printf(
        "%u MiB image to a simulated protocol-2 unit, %d runs per block size, time scale "
        "%s;\ntimes from the first block's data to the download end by the unit's clock, "
        "median (fastest to slowest)\n",
        kImageSize >> 20, kRuns, std::getenv("TVC_SIM_TIME_SCALE"));
    bool ok = true;
    for (uint32_t blockSize : {512u, 1024u, 2048u, 4096u})
        ok = Measure(api, firmware, blockSize) && ok;
    return ok ? 0 : 1;
}
