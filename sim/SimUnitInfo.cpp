#include "SimUnitInfo.h"

#include "SimBootloader.h"
#include "SimBus.h"
#include "SimCodes.h"
#include "SimKeys.h"
#include "SimLevelBlock.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace {

SimUnitInfo::Facts readFacts(const IniText& bus, int slot) {
    SimUnitInfo::Facts facts;
    facts.guid = SimBus::unitNumber(bus, slot, "Guid");
    facts.pathGuid = SimBus::unitValue(bus, slot, "PathGuid").empty()
                         ? facts.guid
                         : SimBus::unitNumber(bus, slot, "PathGuid");
    facts.present = SimBus::unitNumber(bus, slot, "Present") != 0;
    facts.disabled = SimBus::unitNumber(bus, slot, "Disabled") != 0;
    facts.ioDelayMs = uint32_t(SimBus::unitNumber(bus, slot, "IoDelayMs"));
    facts.levelsFixed =
        SimLevelBlock::parseWords(SimBus::unitValue(bus, slot, "Levels"), facts.levels.data());
    return facts;
}

// The unit watch asks for the units three times a poll and reads the levels
// once: these keys are read once for each version of the bus file a thread sees.
SimUnitInfo::Facts factsOf(const IniText& bus, int slot) {
    struct Cache {
        std::shared_ptr<const IniText> bus;
        SimUnitInfo::Facts slots[SimKeys::kUnitSlots];
    };
    thread_local Cache cache;
    if (slot < 1 || slot > SimKeys::kUnitSlots)
        return readFacts(bus, slot);
    if (cache.bus.get() != &bus) {
        std::shared_ptr<const IniText> current = SimBus::instance().lastSnapshot();
        if (current.get() != &bus)
            return readFacts(bus, slot);
        cache.bus = std::move(current);
        for (int n = 1; n <= SimKeys::kUnitSlots; ++n)
            cache.slots[n - 1] = readFacts(bus, n);
    }
    return cache.slots[slot - 1];
}

}  // namespace

SimUnitInfo::SimUnitInfo(const IniText& bus, int slot)
    : SimUnitInfo(bus, slot, factsOf(bus, slot)) {}

SimUnitInfo::SimUnitInfo(const IniText& bus, int slot, const Facts& facts)
    : bus_(bus), slot_(slot), facts_(facts) {}

std::string SimUnitInfo::devicePath(uint64_t guid) {
    char path[128];
    std::snprintf(path, sizeof path,
                  "\\\\?\\1394#lumora_audio#%016" PRIx64 "#{e7e0ee33-3a47-48be-b7f2-d836dfa9d627}",
                  guid);
    return path;
}

int SimUnitInfo::findReachable(const IniText& bus, uint64_t pathGuid) {
    for (int slot = 1; slot <= SimKeys::kUnitSlots; ++slot) {
        SimUnitInfo unit(bus, slot);
        if (unit.reachable() && unit.pathGuid() == pathGuid)
            return slot;
    }
    return 0;
}

int SimUnitInfo::findByPath(const IniText& bus, uint64_t pathGuid) {
    for (int slot = 1; slot <= SimKeys::kUnitSlots; ++slot)
        if (SimUnitInfo(bus, slot).pathGuid() == pathGuid)
            return slot;
    return 0;
}

bool SimUnitInfo::reachable() const {
    return facts_.present && !facts_.disabled && !SimBootloader::away(slot_);
}

std::string SimUnitInfo::name() const {
    return SimBus::unitValue(bus_, slot_, "Name");
}

uint64_t SimUnitInfo::number(const std::string& key) const {
    return SimBus::unitNumber(bus_, slot_, key);
}

// Bytes 0 to 87 carry what a driver keeps for itself (identifier, GUID);
// bytes 88 to 423 describe the unit in text, as the driver reports it.
void SimUnitInfo::fillProperties(uint8_t* record) const {
    std::memset(record, 0, SimCodes::kPropertiesSize);
    uint32_t identifier = uint32_t(slot_);
    std::memcpy(record, &identifier, 4);
    for (int i = 0; i < 8; ++i)
        record[4 + i] = uint8_t(facts_.guid >> (56 - 8 * i));
    char description[256];
    std::snprintf(description, sizeof description,
                  "Lumora FireWire audio unit \"%s\", GUID 0x%016" PRIX64 ", model 0x%08" PRIX64,
                  name().c_str(), facts_.guid, number("HardwareModelID"));
    std::copy_n(description, std::strlen(description), record + 88);
    std::string path = devicePath(facts_.pathGuid).substr(0, 79);
    std::copy(path.begin(), path.end(), record + 344);
}
