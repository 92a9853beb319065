#pragma once
#include "IniText.h"
#include "SimDevice.h"

#include <string>

// The driver-wide control device: version, unit list, properties, clock,
// latency and the stop and start of all units.
class SimControlDevice : public SimDevice {
public:
    uint32_t delayMs() const override { return 0; }
    SimReply request(uint32_t code, const uint8_t* in, uint32_t inSize, uint8_t* out,
                     uint32_t outSize) override;

    // The 12-byte version reply shared by the control device and the units.
    static SimReply version(const IniText& bus, uint8_t* out, uint32_t outSize);

private:
    SimReply deviceList(const IniText& bus, uint8_t* out, uint32_t outSize);
    SimReply properties(const IniText& bus, const uint8_t* in, uint32_t inSize, uint8_t* out,
                        uint32_t outSize);
    SimReply clockInfo(const IniText& bus, uint8_t* out, uint32_t outSize);
    SimReply setSampleRate(const IniText& bus, const uint8_t* in, uint32_t inSize);
    SimReply latency(const IniText& bus, const char* key, uint8_t* out, uint32_t outSize);
    SimReply setLatency(const char* key, const uint8_t* in, uint32_t inSize);
    SimReply store(const char* key, const std::string& value);
};
