#include "BusControl.h"

#include "IniText.h"
#include "Subprocess.h"

#include <fstream>
#include <sstream>

namespace {

constexpr int kToolTimeoutMs = 10000;

}  // namespace

int BusControl::run(const std::vector<std::string>& args) {
    std::vector<std::string> argv{tool_};
    argv.insert(argv.end(), args.begin(), args.end());
    return Subprocess::run(argv, env_, outputFile_, kToolTimeoutMs);
}

bool BusControl::makeTwoUnits() {
    return run({"reset"}) == 0 && run({"plug", "2"}) == 0;
}

bool BusControl::heal() {
    bool ok = run({"set", "driver", "Present=1"}) == 0;
    for (const char* unit : {"1", "2"}) {
        ok = run({"plug", unit}) == 0 && ok;
        ok = run({"set", unit, "IoDelayMs=0"}) == 0 && ok;
    }
    return ok;
}

std::string BusControl::checkFile(const std::string& busFile) {
    std::ifstream in(busFile, std::ios::binary);
    if (!in)
        return "the bus file cannot be read";
    std::ostringstream text;
    text << in.rdbuf();
    const IniText bus = IniText::parse(text.str());
    if (!bus.hasSection("Driver"))
        return "the bus file has no [Driver] section";
    for (const char* unit : {"Unit1", "Unit2"}) {
        if (!bus.hasSection(unit))
            return std::string("the bus file has no [") + unit + "] section";
        if (bus.get(unit, "Guid", "").empty())
            return std::string("[") + unit + "] has lost its identity";
        if (bus.get(unit, "Present", "") != "1")
            return std::string("[") + unit + "] is not plugged in";
    }
    return "";
}
