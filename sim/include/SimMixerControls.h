#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The mixer settings a unit keeps, each under a key of its bus-file section:
// the feature controls by function block and channel, and the switches of
// the vendor-dependent commands. Values are stored as the unit's raw bytes.
struct SimMixerControl {
    enum Kind { Volume, Balance, Mute, Selector, Switch };
    std::string key;
    Kind kind;
    uint8_t block;     // function block, or the vendor sub-command for switches
    uint8_t channel;   // audio channel, or argument 1 for switches
    uint16_t initial;  // the raw value the unit starts with
};

class SimMixerControls {
public:
    static const std::vector<SimMixerControl>& all();
    static const SimMixerControl* feature(uint8_t block, uint8_t channel, uint8_t selector);
    static const SimMixerControl* vendorSwitch(uint8_t subCommand, uint8_t argument);
    static const SimMixerControl* byKey(const std::string& key);
};
