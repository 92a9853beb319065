// Reads any bytes as the simulated bus file and asks the simulated driver
// everything a caller reads from it: the control device's version, unit list,
// properties, clock and latencies, and each unit's version, capabilities,
// properties and level block. Two file names take turns, so the bus never
// serves the previous input from its cache.
#include "FuzzScratch.h"
#include "IniText.h"
#include "SimCodes.h"
#include "SimControlDevice.h"
#include "SimKeys.h"
#include "SimLevelBlock.h"
#include "SimUnitDevice.h"
#include "SimUnitInfo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr uint32_t kOut = 512;

void ask(SimDevice& device, uint32_t code, const void* in, uint32_t inSize) {
    uint8_t out[kOut];
    SimReply reply = device.request(code, static_cast<const uint8_t*>(in), inSize, out, kOut);
    if (reply.bytes > kOut)
        std::abort();
}

void askControlDevice() {
    SimControlDevice control;
    ask(control, SimCodes::kGetVersion, nullptr, 0);
    ask(control, SimCodes::kGetDeviceList, nullptr, 0);
    ask(control, SimCodes::kGetClockInfo, nullptr, 0);
    ask(control, SimCodes::kGetLatency1, nullptr, 0);
    ask(control, SimCodes::kGetLatency2, nullptr, 0);
    for (uint32_t slot = 0; slot <= SimKeys::kUnitSlots + 1; ++slot)
        ask(control, SimCodes::kGetDeviceProperties, &slot, sizeof slot);
}

void askUnit(uint64_t guid) {
    SimUnitDevice unit(guid);
    unit.delayMs();
    ask(unit, SimCodes::kGetVersion, nullptr, 0);
    ask(unit, SimCodes::kGetCapabilities, nullptr, 0);
    ask(unit, SimCodes::kGetResetGeneration, nullptr, 0);
    ask(unit, SimCodes::kGetUnitProperties, nullptr, 0);
    uint32_t address[4] = {uint32_t(SimLevelBlock::kAddress),
                           uint32_t(SimLevelBlock::kAddress >> 32), 0, 0};
    uint8_t levels[SimLevelBlock::kSize];
    unit.request(SimCodes::kBusRead, reinterpret_cast<const uint8_t*>(address), sizeof address,
                 levels, sizeof levels);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool second = false;
    second = !second;
    const std::string file = FuzzScratch::path(second ? "bus-b.ini" : "bus-a.ini");
    if (!FuzzScratch::writeFile(file, data, size))
        return 0;
    ::setenv("TVC_SIM_BUS", file.c_str(), 1);
    askControlDevice();
    IniText bus = IniText::parse(std::string(reinterpret_cast<const char*>(data), size));
    for (int slot = 1; slot <= SimKeys::kUnitSlots; ++slot)
        askUnit(SimUnitInfo(bus, slot).guid());
    if (IniText::parse(bus.serialize()).serialize() != bus.serialize())
        std::abort();
    return 0;
}
