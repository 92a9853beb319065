#pragma once
#include "SimDevice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The simulated 1394 audio driver's face to the platform layer: device paths,
// the interface list of the device installer, and the installer's actions.
class SimDriver {
public:
    struct UnitInterface {
        int slot;
        std::string path;
    };

    static const char* const kClassGuidText;

    static bool isDriverPath(const std::string& path);
    static std::unique_ptr<SimDevice> open(const std::string& path, uint32_t& error);
    // The interfaces of the reachable units in slot order; none without a driver.
    static std::vector<UnitInterface> enumerate();
    // True with the index at which counting the interfaces fails (a fault key).
    static bool countingFailsAt(uint32_t& index);

    static bool setUnitEnabled(int slot, bool enabled);
    static bool rebootRequired(int slot);
    static bool requestRestart();
};
