#pragma once
#include "IniText.h"
#include "SimDevice.h"

#include <cstdint>

// An open device interface of one unit, found by the GUID its device path
// was made from (see SimUnitInfo::pathGuid); every request
// fails with the driver's removal status once the unit has left the bus.
class SimUnitDevice : public SimDevice {
public:
    explicit SimUnitDevice(uint64_t pathGuid) : guid_(pathGuid) {}

    uint32_t delayMs() const override;
    SimReply request(uint32_t code, const uint8_t* in, uint32_t inSize, uint8_t* out,
                     uint32_t outSize) override;

private:
    SimReply word(uint64_t value, uint8_t* out, uint32_t outSize);
    SimReply properties(const IniText& bus, int slot, uint8_t* out, uint32_t outSize);
    SimReply busAccess(const IniText& bus, int slot, uint32_t code, const uint8_t* in,
                       uint32_t inSize, uint8_t* out, uint32_t outSize);

    uint64_t guid_;
};
