#pragma once
#include <string>
#include <vector>

// The keys of the bus file, with their defaults: one table serves the default
// file, the readers in the simulated driver and the bus tool's checks.
struct SimKey {
    const char* name;
    const char* defaultValue;
    const char* help;
};

class SimKeys {
public:
    static constexpr int kUnitSlots = 4;
    static const char* const kDriverSection;

    static const std::vector<SimKey>& driverKeys();
    static const std::vector<SimKey>& unitKeys();
    static const SimKey* findDriverKey(const std::string& name);
    static const SimKey* findUnitKey(const std::string& name);

    static std::string unitSection(int slot);
    static std::string driverDefault(const std::string& key);
    static std::string unitDefault(int slot, const std::string& key);
};
