#pragma once
#include <cstdint>
#include <string>

// The firmware a download brought to a unit, waiting for the next start of
// its application.
struct SimFirmware {
    uint32_t version = 0;
    uint32_t build = 0;
    std::string date;
    std::string time;
};

// A unit's reset requests: they move it between its application and its
// bootloader. A protocol 1 or 2 unit stays on the bus but cannot answer for a
// moment; a protocol 3 unit leaves the bus and returns under the same device
// path. What the unit is afterwards (mode, GUID, firmware, presence) goes to
// the bus file; how long it is away is known to the resetting process only.
class SimBootloader {
public:
    static constexpr uint32_t kBusyMs = 2500;
    static constexpr uint32_t kAwayMs = 3000;
    // How much longer a unit stays away when nobody has looked for it yet.
    static constexpr uint32_t kAwayUnseenMs = 10 * kAwayMs;

    // Type 0 starts the application, 1 halts in the bootloader.
    static void reset(int slot, uint32_t type);
    // Off the bus after a protocol 3 reset: kAwayMs, and beyond that until a
    // request has been refused for it (at most kAwayUnseenMs more), so that
    // a host the machine kept from running for a moment still sees the
    // removal it waits for, as it would with a real unit's longer restart.
    static bool away(int slot);
    static void refusedWhileAway(int slot);
    // Information block unreadable after a protocol 1 or 2 reset.
    static bool busy(int slot);
    static void setPendingFirmware(int slot, const SimFirmware& firmware);

private:
    static void store(int slot, uint32_t type, uint64_t protocol, const SimFirmware* firmware);
};
