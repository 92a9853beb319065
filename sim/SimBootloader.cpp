#include "SimBootloader.h"

#include "SimBus.h"
#include "SimClock.h"
#include "SimKeys.h"

#include <cinttypes>
#include <cstdio>
#include <mutex>

namespace {

// Times belong to the bus file they were set on, so a test's next bus starts afresh.
struct SlotState {
    std::string busPath;
    uint64_t awayUntil = 0;
    bool seenAway = false;
    uint64_t busyUntil = 0;
    bool hasPending = false;
    SimFirmware pending;
};

struct State {
    std::mutex lock;
    SlotState slots[SimKeys::kUnitSlots + 1];
};

State& state() {
    static State s;
    return s;
}

bool validSlot(int slot) {
    return slot >= 1 && slot <= SimKeys::kUnitSlots;
}

std::string hexGuid(uint64_t guid) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016" PRIX64, guid);
    return text;
}

// A returning unit keeps its device path while it takes the new GUID.
void returnWithGuid(IniText& bus, int slot) {
    uint64_t newGuid = 0;
    if (!SimBus::parseNumber(SimBus::unitValue(bus, slot, "ReturnGuid"), newGuid))
        return;
    uint64_t oldGuid = SimBus::unitNumber(bus, slot, "Guid");
    if (newGuid == oldGuid)
        return;
    std::string section = SimKeys::unitSection(slot);
    if (SimBus::unitValue(bus, slot, "PathGuid").empty())
        bus.set(section, "PathGuid", hexGuid(oldGuid));
    bus.set(section, "Guid", hexGuid(newGuid));
}

void leaveBus(IniText& bus, int slot) {
    returnWithGuid(bus, slot);
    if (SimBus::unitNumber(bus, slot, "NoReturn") != 0)
        bus.set(SimKeys::unitSection(slot), "Present", "0");
    uint64_t generation = SimBus::driverNumber(bus, "ResetGeneration") + 1;
    bus.set(SimKeys::kDriverSection, "ResetGeneration", std::to_string(generation));
}

bool stillBefore(int slot, uint64_t SlotState::*until) {
    if (!validSlot(slot))
        return false;
    std::lock_guard<std::mutex> guard(state().lock);
    const SlotState& unit = state().slots[slot];
    return unit.*until != 0 && SimClock::nowMs() < unit.*until && unit.busPath == SimBus::path();
}

}  // namespace

void SimBootloader::reset(int slot, uint32_t type) {
    if (!validSlot(slot) || type > 1)
        return;
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    if (!bus)
        return;
    uint64_t protocol = SimBus::unitNumber(*bus, slot, "ProtocolVersion");
    bool starts = type == 0 && SimBus::unitNumber(*bus, slot, "NoStart") == 0;
    SimFirmware firmware;
    bool applies = false;
    {
        std::lock_guard<std::mutex> guard(state().lock);
        SlotState& unit = state().slots[slot];
        applies = starts && unit.hasPending;
        firmware = unit.pending;
        if (starts || type == 1)
            unit.hasPending = false;
    }
    store(slot, type, protocol, applies ? &firmware : nullptr);
    // The unit is away from when the bus file says so: a slow disk must not
    // eat the time a host has to see it gone.
    // A protocol 1 or 2 unit that does not return stays unreadable for good.
    uint64_t until = protocol != 3 && SimBus::unitNumber(*bus, slot, "NoReturn") != 0
                         ? UINT64_MAX
                         : SimClock::nowMs() + (protocol == 3 ? kAwayMs : kBusyMs);
    std::lock_guard<std::mutex> guard(state().lock);
    SlotState& unit = state().slots[slot];
    unit.busPath = SimBus::path();
    unit.awayUntil = protocol == 3 ? until : 0;
    unit.seenAway = false;
    unit.busyUntil = protocol == 3 ? 0 : until;
}

void SimBootloader::store(int slot, uint32_t type, uint64_t protocol, const SimFirmware* firmware) {
    SimBus::instance().update([&](IniText& bus) {
        std::string section = SimKeys::unitSection(slot);
        bool halts = type == 1 && SimBus::unitNumber(bus, slot, "NoHalt") == 0;
        bool stays = type == 0 && SimBus::unitNumber(bus, slot, "NoStart") != 0;
        bus.set(section, "BootloaderMode", (halts || stays) ? "1" : "0");
        if (firmware != nullptr) {
            char version[16];
            std::snprintf(version, sizeof version, "0x%08X", unsigned(firmware->version));
            bus.set(section, "FirmwareVersion", version);
            bus.set(section, "FirmwareBuild", std::to_string(firmware->build));
            bus.set(section, "FirmwareDate", firmware->date);
            bus.set(section, "FirmwareTime", firmware->time);
        }
        if (protocol == 3)
            leaveBus(bus, slot);
    });
}

bool SimBootloader::away(int slot) {
    if (!validSlot(slot))
        return false;
    std::lock_guard<std::mutex> guard(state().lock);
    SlotState& unit = state().slots[slot];
    if (unit.awayUntil == 0 || unit.busPath != SimBus::path())
        return false;
    uint64_t now = SimClock::nowMs();
    return now < unit.awayUntil || (!unit.seenAway && now < unit.awayUntil + kAwayUnseenMs);
}

void SimBootloader::refusedWhileAway(int slot) {
    if (!validSlot(slot))
        return;
    std::lock_guard<std::mutex> guard(state().lock);
    SlotState& unit = state().slots[slot];
    if (unit.awayUntil != 0 && unit.busPath == SimBus::path())
        unit.seenAway = true;
}

bool SimBootloader::busy(int slot) {
    return stillBefore(slot, &SlotState::busyUntil);
}

void SimBootloader::setPendingFirmware(int slot, const SimFirmware& firmware) {
    if (!validSlot(slot))
        return;
    std::lock_guard<std::mutex> guard(state().lock);
    state().slots[slot].pending = firmware;
    state().slots[slot].hasPending = true;
}
