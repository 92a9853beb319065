#include "SimUnitDevice.h"

#include "SimAudioSubunit.h"
#include "SimBootloader.h"
#include "SimBus.h"
#include "SimCodes.h"
#include "SimControlDevice.h"
#include "SimInfoBlock.h"
#include "SimLevelBlock.h"
#include "SimMailbox.h"
#include "SimRequestLog.h"
#include "SimUnitInfo.h"

#include <cstring>

uint32_t SimUnitDevice::delayMs() const {
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    if (!bus)
        return 0;
    int slot = SimUnitInfo::findReachable(*bus, guid_);
    return slot == 0 ? 0 : SimUnitInfo(*bus, slot).ioDelayMs();
}

SimReply SimUnitDevice::request(uint32_t code, const uint8_t* in, uint32_t inSize, uint8_t* out,
                                uint32_t outSize) {
    SimRequestLog::record(true, code, in, inSize);
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    int slot = bus ? SimUnitInfo::findReachable(*bus, guid_) : 0;
    if (slot == 0) {
        if (bus)
            SimBootloader::refusedWhileAway(SimUnitInfo::findByPath(*bus, guid_));
        return SimReply{SimCodes::kUnitRemoved, 0};
    }
    switch (code) {
    case SimCodes::kGetVersion: return SimControlDevice::version(*bus, out, outSize);
    case SimCodes::kGetCapabilities:
        return word(SimBus::unitNumber(*bus, slot, "Capabilities"), out, outSize);
    case SimCodes::kGetResetGeneration:
        return word(SimBus::driverNumber(*bus, "ResetGeneration"), out, outSize);
    case SimCodes::kGetUnitProperties: return properties(*bus, slot, out, outSize);
    case SimCodes::kBusRead:
    case SimCodes::kBusWrite: return busAccess(*bus, slot, code, in, inSize, out, outSize);
    case SimCodes::kAvcCommand: return SimAudioSubunit(slot).request(in, inSize, out, outSize);
    default: return SimReply{SimCodes::kInvalidFunction, 0};
    }
}

SimReply SimUnitDevice::word(uint64_t value, uint8_t* out, uint32_t outSize) {
    if (outSize < 4)
        return SimReply{SimCodes::kInsufficientBuffer, 0};
    uint32_t word32 = uint32_t(value);
    std::memcpy(out, &word32, 4);
    return SimReply{0, 4};
}

SimReply SimUnitDevice::properties(const IniText& bus, int slot, uint8_t* out, uint32_t outSize) {
    if (outSize < SimCodes::kPropertiesSize)
        return SimReply{SimCodes::kInsufficientBuffer, 0};
    SimUnitInfo unit(bus, slot);
    if (unit.number("FailProperties") != 0)
        return SimReply{SimCodes::kGenFailure, 0};
    unit.fillProperties(out);
    return SimReply{0, SimCodes::kPropertiesSize};
}

// The address record holds the low 32 bits, then the high 16 bits of the
// 48-bit address; the data travel in the output buffer both ways.
SimReply SimUnitDevice::busAccess(const IniText& bus, int slot, uint32_t code, const uint8_t* in,
                                  uint32_t inSize, uint8_t* out, uint32_t outSize) {
    if (inSize < SimCodes::kAddressSize || (outSize > 0 && out == nullptr))
        return SimReply{SimCodes::kInvalidParameter, 0};
    uint32_t low, high;
    std::memcpy(&low, in, 4);
    std::memcpy(&high, in + 4, 4);
    uint64_t address = uint64_t(high & 0xFFFF) << 32 | low;
    if (code == SimCodes::kBusRead && SimLevelBlock::covers(address, outSize))
        return SimLevelBlock::read(bus, slot, address, out, outSize);
    if (code == SimCodes::kBusRead && SimInfoBlock::covers(address, outSize))
        return SimInfoBlock::read(bus, slot, address, out, outSize);
    if (SimMailbox::covers(address, outSize))
        return SimMailbox::access(bus, slot, code == SimCodes::kBusWrite, address, out, outSize);
    return SimReply{SimCodes::kNotSupported, 0};
}
