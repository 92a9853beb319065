#include "SimControlDevice.h"

#include "SimBus.h"
#include "SimCodes.h"
#include "SimKeys.h"
#include "SimRequestLog.h"
#include "SimUnitInfo.h"

#include <cstdlib>
#include <cstring>

namespace {

// The latency record's fields after the first; a setter must send them back unchanged.
constexpr uint32_t kLatencyTail[3] = {2, 0, 0};

void put32(uint8_t* out, uint32_t offset, uint32_t value) {
    std::memcpy(out + offset, &value, 4);
}

uint32_t get32(const uint8_t* in, uint32_t offset) {
    uint32_t value;
    std::memcpy(&value, in + offset, 4);
    return value;
}

SimReply fail(uint32_t status) {
    return SimReply{status, 0};
}

}  // namespace

SimReply SimControlDevice::request(uint32_t code, const uint8_t* in, uint32_t inSize, uint8_t* out,
                                   uint32_t outSize) {
    SimRequestLog::record(false, code, in, inSize);
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    if (!bus)
        return fail(SimCodes::kGenFailure);
    switch (code) {
    case SimCodes::kGetVersion: return version(*bus, out, outSize);
    case SimCodes::kSetDriverWord: return fail(inSize == 4 ? 0 : SimCodes::kInvalidParameter);
    case SimCodes::kGetDeviceList: return deviceList(*bus, out, outSize);
    case SimCodes::kGetDeviceProperties: return properties(*bus, in, inSize, out, outSize);
    case SimCodes::kGetClockInfo: return clockInfo(*bus, out, outSize);
    case SimCodes::kSetSampleRate: return setSampleRate(*bus, in, inSize);
    case SimCodes::kGetLatency1: return latency(*bus, "Latency1", out, outSize);
    case SimCodes::kGetLatency2: return latency(*bus, "Latency2", out, outSize);
    case SimCodes::kSetLatency1: return setLatency("Latency1", in, inSize);
    case SimCodes::kSetLatency2: return setLatency("Latency2", in, inSize);
    case SimCodes::kStopAllDevices: return store("Stopped", "1");
    case SimCodes::kStartAllDevices: return store("Stopped", "0");
    default: return fail(SimCodes::kInvalidFunction);
    }
}

SimReply SimControlDevice::version(const IniText& bus, uint8_t* out, uint32_t outSize) {
    if (outSize < SimCodes::kVersionSize)
        return fail(SimCodes::kInsufficientBuffer);
    std::string text = SimBus::driverValue(bus, "Version");
    char* end = nullptr;
    unsigned long major = std::strtoul(text.c_str(), &end, 10);
    unsigned long minor = (*end == '.') ? std::strtoul(end + 1, nullptr, 10) : 0;
    std::memset(out, 0, SimCodes::kVersionSize);
    out[0] = uint8_t(major);
    out[1] = uint8_t(minor);
    return SimReply{0, SimCodes::kVersionSize};
}

SimReply SimControlDevice::deviceList(const IniText& bus, uint8_t* out, uint32_t outSize) {
    if (outSize < SimCodes::kDeviceListSize)
        return fail(SimCodes::kInsufficientBuffer);
    std::memset(out, 0, SimCodes::kDeviceListSize);
    uint32_t count = 0;
    for (int slot = 1; slot <= SimKeys::kUnitSlots; ++slot) {
        if (SimUnitInfo(bus, slot).reachable())
            put32(out, 4 + 4 * count++, uint32_t(slot));
    }
    put32(out, 0, count);
    return SimReply{0, SimCodes::kDeviceListSize};
}

SimReply SimControlDevice::properties(const IniText& bus, const uint8_t* in, uint32_t inSize,
                                      uint8_t* out, uint32_t outSize) {
    if (inSize < 4)
        return fail(SimCodes::kInvalidParameter);
    if (outSize < SimCodes::kPropertiesSize)
        return fail(SimCodes::kInsufficientBuffer);
    uint32_t slot = get32(in, 0);
    if (slot < 1 || slot > uint32_t(SimKeys::kUnitSlots))
        return fail(SimCodes::kInvalidParameter);
    SimUnitInfo unit(bus, int(slot));
    if (!unit.reachable())
        return fail(SimCodes::kUnitRemoved);
    if (unit.number("FailProperties") != 0)
        return fail(SimCodes::kGenFailure);
    unit.fillProperties(out);
    return SimReply{0, SimCodes::kPropertiesSize};
}

SimReply SimControlDevice::clockInfo(const IniText& bus, uint8_t* out, uint32_t outSize) {
    if (outSize < SimCodes::kClockInfoSize)
        return fail(SimCodes::kInsufficientBuffer);
    std::memset(out, 0, SimCodes::kClockInfoSize);
    put32(out, 0, 1);
    put32(out, 4, uint32_t(SimBus::driverNumber(bus, "SampleRate")));
    return SimReply{0, SimCodes::kClockInfoSize};
}

SimReply SimControlDevice::setSampleRate(const IniText& bus, const uint8_t* in, uint32_t inSize) {
    if (inSize < 8 || get32(in, 0) != 0)
        return fail(SimCodes::kInvalidParameter);
    uint32_t rate = get32(in, 4);
    if (rate != 44100 && rate != 48000 && rate != 88200 && rate != 96000)
        return fail(SimCodes::kInvalidParameter);
    if (SimBus::driverNumber(bus, "FailSampleRate") != 0)
        return fail(SimCodes::kGenFailure);
    return store("SampleRate", std::to_string(rate));
}

SimReply SimControlDevice::latency(const IniText& bus, const char* key, uint8_t* out,
                                   uint32_t outSize) {
    if (outSize < SimCodes::kLatencySize)
        return fail(SimCodes::kInsufficientBuffer);
    put32(out, 0, uint32_t(SimBus::driverNumber(bus, key)));
    for (uint32_t i = 0; i < 3; ++i)
        put32(out, 4 + 4 * i, kLatencyTail[i]);
    return SimReply{0, SimCodes::kLatencySize};
}

SimReply SimControlDevice::setLatency(const char* key, const uint8_t* in, uint32_t inSize) {
    if (inSize < SimCodes::kLatencySize)
        return fail(SimCodes::kInvalidParameter);
    for (uint32_t i = 0; i < 3; ++i)
        if (get32(in, 4 + 4 * i) != kLatencyTail[i])
            return fail(SimCodes::kInvalidParameter);
    uint32_t microseconds = get32(in, 0);
    if (microseconds < 500 || microseconds > 100000)
        return fail(SimCodes::kInvalidParameter);
    return store(key, std::to_string(microseconds));
}

SimReply SimControlDevice::store(const char* key, const std::string& value) {
    bool ok = SimBus::instance().update(
        [&](IniText& bus) { bus.set(SimKeys::kDriverSection, key, value); });
    return fail(ok ? 0 : SimCodes::kGenFailure);
}
