#pragma once
#include <cstdint>
#include <vector>

// Builds the AV/C frames the panel sends to the unit's audio subunit
// (subunit type audio, identifier 0).
class AvcFrame {
public:
    enum CommandType : uint8_t { Control = 0x00, Status = 0x01 };
    enum Selector : uint8_t { Mute = 0x01, Volume = 0x02, Balance = 0x03 };

    // The maker's three-byte company identifier of the vendor-dependent commands.
    static constexpr uint32_t kCompanyId = LUMORA_COMPANY_ID;

    // A feature function block; a status frame carries zero data bytes of the same length.
    static std::vector<uint8_t> feature(CommandType type, uint8_t block, uint8_t channel,
                                        Selector selector, const std::vector<uint8_t>& data);
    static std::vector<uint8_t> selector(CommandType type, uint8_t plug);
    static std::vector<uint8_t> vendor(CommandType type, uint8_t subCommand, uint8_t argument1,
                                       uint8_t argument2);
    static std::vector<uint8_t> unitName(CommandType type, const char* name);

    // Where each frame's value comes back in the response frame.
    static constexpr int kFeatureValue = 10;
    static constexpr int kSelectorValue = 7;
    static constexpr int kVendorValue = 8;
    static constexpr int kNameValue = 7;
};
