#pragma once
#include "IniText.h"

#include <array>
#include <cstdint>
#include <string>

// One unit slot of the bus file as the driver sees it.
class SimUnitInfo {
public:
    // The slot's identity keys as read from the bus file, and the two that
    // every meter poll reads.
    struct Facts {
        uint64_t guid = 0;
        uint64_t pathGuid = 0;
        bool present = false;
        bool disabled = false;
        uint32_t ioDelayMs = 0;
        // The meter words that the key Levels fixes, when it holds eight.
        bool levelsFixed = false;
        std::array<uint32_t, 8> levels{};
    };

    SimUnitInfo(const IniText& bus, int slot);

    static std::string devicePath(uint64_t guid);
    // The slot (1 to 4) of the reachable unit whose device path was made from
    // this GUID, or 0.
    static int findReachable(const IniText& bus, uint64_t pathGuid);
    // The slot of the unit behind a device path, reachable or not; 0 for none.
    static int findByPath(const IniText& bus, uint64_t pathGuid);

    int slot() const { return slot_; }
    uint64_t guid() const { return facts_.guid; }
    // The device path stays with the unit when it returns with another GUID.
    uint64_t pathGuid() const { return facts_.pathGuid; }
    // How late each overlapped request completes (IoDelayMs).
    uint32_t ioDelayMs() const { return facts_.ioDelayMs; }
    // The meter words that the key Levels fixes; none for the moving signal.
    const std::array<uint32_t, 8>* fixedLevels() const {
        return facts_.levelsFixed ? &facts_.levels : nullptr;
    }
    // Plugged in, not disabled and not away for a reset: listed by the
    // driver and enumerated.
    bool reachable() const;
    std::string name() const;
    uint64_t number(const std::string& key) const;
    void fillProperties(uint8_t* record) const;

private:
    SimUnitInfo(const IniText& bus, int slot, const Facts& facts);

    const IniText& bus_;
    int slot_;
    Facts facts_;
};
