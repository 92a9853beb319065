#include "SimDriver.h"

#include "SimBus.h"
#include "SimCodes.h"
#include "SimControlDevice.h"
#include "SimKeys.h"
#include "SimUnitDevice.h"
#include "SimUnitInfo.h"

#include <cstdlib>

const char* const SimDriver::kClassGuidText = "{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}";

namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && IniText::sameName(text.substr(0, prefix.size()), prefix);
}

bool driverPresent(const IniText& bus) {
    return SimBus::driverNumber(bus, "Present") != 0;
}

// The GUID of a unit path "\\?\1394#lumora_audio#<16 hex digits>#{class}".
bool unitGuidOf(const std::string& path, uint64_t& guid) {
    const std::string prefix = "\\\\?\\1394#lumora_audio#";
    if (!startsWith(path, prefix) || path.size() < prefix.size() + 17)
        return false;
    std::string digits = path.substr(prefix.size(), 16);
    char* end = nullptr;
    guid = std::strtoull(digits.c_str(), &end, 16);
    return *end == '\0' && IniText::sameName(path, SimUnitInfo::devicePath(guid));
}

}  // namespace

bool SimDriver::isDriverPath(const std::string& path) {
    return startsWith(path, "\\\\.\\") || startsWith(path, "\\\\?\\");
}

std::unique_ptr<SimDevice> SimDriver::open(const std::string& path, uint32_t& error) {
    error = SimCodes::kFileNotFound;
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    if (!bus || !driverPresent(*bus))
        return nullptr;
    if (IniText::sameName(path, std::string("\\\\.\\") + kClassGuidText)) {
        error = 0;
        return std::make_unique<SimControlDevice>();
    }
    uint64_t guid = 0;
    if (!unitGuidOf(path, guid) || SimUnitInfo::findReachable(*bus, guid) == 0)
        return nullptr;
    error = 0;
    return std::make_unique<SimUnitDevice>(guid);
}

std::vector<SimDriver::UnitInterface> SimDriver::enumerate() {
    std::vector<UnitInterface> units;
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    if (!bus || !driverPresent(*bus))
        return units;
    for (int slot = 1; slot <= SimKeys::kUnitSlots; ++slot) {
        SimUnitInfo unit(*bus, slot);
        if (unit.reachable())
            units.push_back(UnitInterface{slot, SimUnitInfo::devicePath(unit.pathGuid())});
    }
    return units;
}

bool SimDriver::setUnitEnabled(int slot, bool enabled) {
    return SimBus::instance().update([&](IniText& bus) {
        bus.set(SimKeys::unitSection(slot), "Disabled", enabled ? "0" : "1");
    });
}

bool SimDriver::rebootRequired(int slot) {
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    return bus && SimBus::unitNumber(*bus, slot, "RebootRequired") != 0;
}

bool SimDriver::requestRestart() {
    return SimBus::instance().update(
        [](IniText& bus) { bus.set(SimKeys::kDriverSection, "RestartRequested", "1"); });
}

bool SimDriver::countingFailsAt(uint32_t& index) {
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    uint64_t value = 0;
    if (!bus || !SimBus::parseNumber(SimBus::driverValue(*bus, "FailCountingAt"), value))
        return false;
    index = value > UINT32_MAX ? UINT32_MAX : uint32_t(value);
    return true;
}
