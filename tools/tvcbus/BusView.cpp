#include "BusView.h"

#include "SimBus.h"
#include "SimKeys.h"
#include "SimMixerControls.h"
#include "SimUnitInfo.h"

#include <cinttypes>
#include <cstdio>
#include <ostream>

namespace {

const char* const kIdentityKeys[] = {"Present",         "Guid",           "Name",
                                     "ProtocolVersion", "BootloaderMode", "HardwareModelID",
                                     "FirmwareVersion", "FirmwareBuild"};

bool isIdentityKey(const std::string& key) {
    for (const char* identity : kIdentityKeys)
        if (IniText::sameName(key, identity))
            return true;
    return false;
}

std::string hex(uint64_t value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*" PRIX64, digits, value);
    return text;
}

}  // namespace

void BusView::print(std::ostream& out, const IniText& bus, const std::string& path) {
    out << "Bus file: " << path << "\n";
    printDriver(out, bus);
    for (int slot = 1; slot <= SimKeys::kUnitSlots; ++slot)
        printUnit(out, bus, slot);
}

void BusView::printDriver(std::ostream& out, const IniText& bus) {
    if (SimBus::driverNumber(bus, "Present") == 0) {
        out << "Driver: not installed\n";
        return;
    }
    out << "Driver: version " << SimBus::driverValue(bus, "Version") << ", "
        << SimBus::driverNumber(bus, "SampleRate") << " Hz, latency "
        << SimBus::driverNumber(bus, "Latency1") << " us / "
        << SimBus::driverNumber(bus, "Latency2") << " us, units "
        << (SimBus::driverNumber(bus, "Stopped") ? "stopped" : "running") << ", reset generation "
        << SimBus::driverNumber(bus, "ResetGeneration") << "\n";
    if (SimBus::driverNumber(bus, "RestartRequested") != 0)
        out << "  a restart of the computer was requested\n";
}

void BusView::printUnit(std::ostream& out, const IniText& bus, int slot) {
    SimUnitInfo unit(bus, slot);
    const char* state = unit.reachable()              ? "plugged in"
                        : unit.number("Present") == 0 ? "unplugged"
                                                      : "disabled";
    out << "Unit " << slot << ": " << state << ", GUID " << hex(unit.guid(), 16) << ", name \""
        << unit.name() << "\", protocol " << unit.number("ProtocolVersion")
        << (unit.number("BootloaderMode") ? ", in bootloader" : "") << ", model "
        << hex(unit.number("HardwareModelID"), 8) << ", firmware "
        << hex(unit.number("FirmwareVersion"), 8) << " build " << unit.number("FirmwareBuild")
        << "\n";
    std::string section = SimKeys::unitSection(slot);
    for (const std::string& key : bus.keyNames(section)) {
        std::string value = bus.get(section, key, "");
        bool shown = !isIdentityKey(key) && SimMixerControls::byKey(key) == nullptr;
        if (shown && value != SimKeys::unitDefault(slot, key))
            out << "  " << key << "=" << value << "\n";
    }
}

void BusView::printKeys(std::ostream& out) {
    out << "[Driver]\n";
    for (const SimKey& key : SimKeys::driverKeys())
        out << "  " << key.name << " (default " << key.defaultValue << "): " << key.help << "\n";
    out << "[Unit1] to [Unit4]\n";
    for (const SimKey& key : SimKeys::unitKeys())
        out << "  " << key.name << " (default \"" << SimKeys::unitDefault(2, key.name)
            << "\"): " << key.help << "\n";
}
