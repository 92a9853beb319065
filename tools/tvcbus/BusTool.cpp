#include "BusTool.h"

#include "BusView.h"
#include "MixerView.h"
#include "SimBus.h"
#include "SimKeys.h"
#include "SimLevelBlock.h"
#include "SimMixerControls.h"

#include <ostream>

namespace {

const char* const kUsage =
    "usage: tvcbus [show]                   show the simulated bus\n"
    "       tvcbus plug N | unplug N        plug unit N (1-4) in or out\n"
    "       tvcbus set driver KEY=VALUE...  set keys of the driver\n"
    "       tvcbus set N KEY=VALUE...       set keys of unit N\n"
    "       tvcbus reset                    put the bus back to its defaults\n"
    "       tvcbus mixer N                  show the mixer settings of unit N\n"
    "       tvcbus keys                     list the keys with their defaults\n"
    "The bus file is $TVC_SIM_BUS, else $XDG_STATE_HOME/lumora/sim-bus.ini,\n"
    "else ~/.local/state/lumora/sim-bus.ini.\n";

bool isVersion(const std::string& value) {
    size_t dot = value.find('.');
    uint64_t part;
    return dot != std::string::npos && SimBus::parseNumber(value.substr(0, dot), part) &&
           part < 256 && SimBus::parseNumber(value.substr(dot + 1), part) && part < 256;
}

}  // namespace

int BusTool::run(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "show")
        return show();
    const std::string& command = args[0];
    if (command == "plug" || command == "unplug")
        return plug(args, command == "plug");
    if (command == "set")
        return set(args);
    if (command == "mixer" && args.size() == 2)
        return mixer(args[1]);
    if (command == "reset" && args.size() == 1)
        return reset();
    if (command == "keys" && args.size() == 1) {
        BusView::printKeys(out_);
        return 0;
    }
    if (command == "--help" || command == "-h" || command == "help")
        return usage(0);
    return usage(2);
}

int BusTool::usage(int code) {
    (code == 0 ? out_ : err_) << kUsage;
    return code;
}

int BusTool::fail(const std::string& message) {
    err_ << "tvcbus: " << message << "\n";
    return 1;
}

int BusTool::show() {
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    if (!bus)
        return fail("cannot read or create the bus file " + SimBus::problem());
    BusView::print(out_, *bus, SimBus::path());
    return 0;
}

bool BusTool::parseSlot(const std::string& text, int& slot) {
    uint64_t value = 0;
    if (!SimBus::parseNumber(text, value) || value < 1 || value > uint64_t(SimKeys::kUnitSlots))
        return false;
    slot = int(value);
    return true;
}

int BusTool::plug(const std::vector<std::string>& args, bool present) {
    int slot = 0;
    if (args.size() != 2)
        return usage(2);
    if (!parseSlot(args[1], slot))
        return fail("no unit \"" + args[1] + "\": units are numbered 1 to 4");
    bool ok = SimBus::instance().update([&](IniText& bus) {
        bus.set(SimKeys::unitSection(slot), "Present", present ? "1" : "0");
        uint64_t generation = SimBus::driverNumber(bus, "ResetGeneration") + 1;
        bus.set(SimKeys::kDriverSection, "ResetGeneration", std::to_string(generation));
    });
    if (!ok)
        return fail("cannot write the bus file " + SimBus::problem());
    out_ << "unit " << slot << (present ? " plugged in\n" : " unplugged\n");
    return 0;
}

bool BusTool::knownKey(bool driver, const std::string& key, std::string& name) {
    const SimKey* known = driver ? SimKeys::findDriverKey(key) : SimKeys::findUnitKey(key);
    const SimMixerControl* control = driver ? nullptr : SimMixerControls::byKey(key);
    if (known == nullptr && control == nullptr)
        return false;
    name = known ? known->name : control->key;
    return true;
}

bool BusTool::checkValue(const std::string& key, const std::string& value) {
    uint64_t number = 0;
    if (IniText::sameName(key, "Version"))
        return isVersion(value);
    if (IniText::sameName(key, "Name"))
        return value.size() <= 6;
    if (IniText::sameName(key, "Magic"))
        return value.size() <= 8;
    if (IniText::sameName(key, "Guid"))
        return value.size() == 18 && SimBus::parseNumber(value, number);
    // Keys whose empty value means "none".
    if (IniText::sameName(key, "ReturnGuid") || IniText::sameName(key, "PathGuid"))
        return value.empty() || (value.size() == 18 && SimBus::parseNumber(value, number));
    if (IniText::sameName(key, "ProtocolVersion"))
        return SimBus::parseNumber(value, number) && number <= 3;
    if (IniText::sameName(key, "FailBlock") || IniText::sameName(key, "FailCountingAt"))
        return value.empty() || (SimBus::parseNumber(value, number) && number <= 0xFFFFFFFFull);
    if (key.size() > 4 && (IniText::sameName(key.substr(key.size() - 4), "Date") ||
                           IniText::sameName(key.substr(key.size() - 4), "Time")))
        return value.size() <= 8;
    if (IniText::sameName(key, "Levels")) {
        uint32_t words[SimLevelBlock::kWords];
        return value.empty() || SimLevelBlock::parseWords(value, words);
    }
    return SimBus::parseNumber(value, number) && number <= 0xFFFFFFFFull;
}

int BusTool::set(const std::vector<std::string>& args) {
    if (args.size() < 3)
        return usage(2);
    bool driver = IniText::sameName(args[1], "driver");
    int slot = 0;
    if (!driver && !parseSlot(args[1], slot))
        return fail("no unit \"" + args[1] + "\": say driver or a unit number 1 to 4");
    std::string section = driver ? SimKeys::kDriverSection : SimKeys::unitSection(slot);
    std::vector<std::pair<std::string, std::string>> changes;
    for (size_t i = 2; i < args.size(); ++i) {
        size_t eq = args[i].find('=');
        if (eq == std::string::npos)
            return fail("\"" + args[i] + "\" is not KEY=VALUE");
        std::string key = args[i].substr(0, eq), value = args[i].substr(eq + 1);
        std::string name;
        if (IniText::hasControlCharacter(args[i]))
            return fail("\"" + key + "\": names and values take no control characters");
        if (!knownKey(driver, key, name))
            return fail("unknown key \"" + key + "\" for " + section + " (see tvcbus keys)");
        if (!checkValue(key, value))
            return fail("bad value \"" + value + "\" for " + name);
        changes.emplace_back(name, value);
    }
    bool ok = SimBus::instance().update([&](IniText& bus) {
        for (const auto& change : changes)
            bus.set(section, change.first, change.second);
    });
    return ok ? 0 : fail("cannot write the bus file " + SimBus::problem());
}

int BusTool::mixer(const std::string& unit) {
    int slot = 0;
    if (!parseSlot(unit, slot))
        return fail("no unit \"" + unit + "\": units are numbered 1 to 4");
    if (!SimBus::instance().snapshot())
        return fail("cannot read or create the bus file " + SimBus::problem());
    MixerView::print(out_, slot);
    return 0;
}

int BusTool::reset() {
    if (!SimBus::instance().reset())
        return fail("cannot write the bus file " + SimBus::problem());
    out_ << "bus reset to its defaults: " << SimBus::path() << "\n";
    return 0;
}
