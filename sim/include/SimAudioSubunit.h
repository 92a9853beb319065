#pragma once
#include "IniText.h"
#include "SimDevice.h"

#include <cstdint>
#include <string>

// The unit's audio subunit as its firmware answers AV/C frames: feature
// function blocks (volume, balance, mute), the mix-bypass selector and the
// maker's vendor-dependent commands (switches and the unit name).
class SimAudioSubunit {
public:
    static constexpr uint8_t kAccepted = 0x09;
    static constexpr uint8_t kRejected = 0x0A;
    static constexpr uint8_t kNotImplemented = 0x08;
    static constexpr uint8_t kStable = 0x0C;
    static constexpr uint32_t kCompanyId = LUMORA_COMPANY_ID;

    explicit SimAudioSubunit(int slot) : slot_(slot) {}

    // The driver's AV/C request: a 520-byte record (2000, frame length, frame)
    // in, a 516-byte record (frame length, response frame) out.
    SimReply request(const uint8_t* in, uint32_t inSize, uint8_t* out, uint32_t outSize);
    // Answers one command frame; the response frame has the command's length.
    uint32_t answer(const uint8_t* command, uint32_t length, uint8_t* response);

    // The raw value of a mixer setting (see SimMixerControls), the unit's initial one when unset.
    static uint16_t storedValue(int slot, const std::string& key);
    static uint16_t storedValue(const IniText& bus, int slot, const std::string& key);

private:
    uint8_t featureBlock(const uint8_t* frame, uint32_t length, uint8_t* response);
    uint8_t selector(const uint8_t* frame, uint32_t length, uint8_t* response);
    uint8_t vendor(const uint8_t* frame, uint32_t length, uint8_t* response);
    uint8_t unitName(const uint8_t* frame, uint32_t length, uint8_t* response);
    void store(const std::string& key, uint16_t value);

    int slot_;
};
