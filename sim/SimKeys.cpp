#include "SimKeys.h"

#include "IniText.h"

#include <cstdio>

const char* const SimKeys::kDriverSection = "Driver";

const std::vector<SimKey>& SimKeys::driverKeys() {
    static const std::vector<SimKey> keys = {
        {"Present", "1", "0 = no driver installed"},
        {"Version", "2.13", "driver version major.minor"},
        {"SampleRate", "48000", "sample rate in Hz"},
        {"Latency1", "4000", "latency record 1 in microseconds"},
        {"Latency2", "4000", "latency record 2 in microseconds"},
        {"Stopped", "0", "1 while all units are stopped"},
        {"RestartRequested", "0", "1 once a computer restart was requested"},
        {"ResetGeneration", "1", "bus reset generation count"},
        {"FailCountingAt", "", "counting the units fails at index N with error 31; empty = none"},
        {"FailSampleRate", "0", "1 = a sample-rate change is refused (error 31)"},
    };
    return keys;
}

const std::vector<SimKey>& SimKeys::unitKeys() {
    static const std::vector<SimKey> keys = {
        {"Present", "0", "1 = plugged in"},
        {"Guid", "", "EUI-64 as 0x and 16 hex digits"},
        {"Name", "Unit #", "six-character unit name"},
        {"ProtocolVersion", "3", "download protocol: 0 none, 1, 2 or 3"},
        {"BootloaderMode", "0", "not 0 while halted in the bootloader"},
        {"HardwareModelID", "0x00010001", "hardware model"},
        {"FirmwareVersion", "0x00010000", "firmware version word"},
        {"FirmwareBuild", "1", "firmware build number"},
        {"MaxImageLength", "0x200000", "largest image accepted, bytes"},
        {"BlockSize", "2048", "download block size, bytes"},
        {"Magic", "tarvicAq", "first eight bytes of the information block"},
        {"Capabilities", "0x00000001", "capability word"},
        {"Disabled", "0", "1 while disabled by the device installer"},
        {"IoDelayMs", "0", "every overlapped request completes this late"},
        {"FailProperties", "0", "1 = properties requests fail"},
        {"RebootRequired", "0", "1 = the device installer asks for a restart"},
        {"Levels", "", "eight comma-separated meter words; empty = moving tones"},
        {"PathGuid", "", "GUID the device path keeps after the unit returned with another"},
        {"FirmwareDate", "20240301", "date 1 of the information block (firmware)"},
        {"FirmwareTime", "120000", "time 1 of the information block (firmware)"},
        {"BootloaderDate", "20230915", "date 2 of the information block (bootloader)"},
        {"BootloaderTime", "093000", "time 2 of the information block (bootloader)"},
        {"ProductionDate", "20230920", "date 3 of the information block (production)"},
        {"ProductionTime", "154500", "time 3 of the information block (production)"},
        {"FailStart", "0", "1 = download start answered with a negative code"},
        {"FailBlock", "", "block N answered with a negative status; empty = none"},
        {"BadEndCrc", "0", "1 = download end reports a wrong CRC"},
        {"NoHalt", "0", "1 = a halt reset leaves the application running"},
        {"NoStart", "0", "1 = a start reset leaves the bootloader running"},
        {"ReturnGuid", "", "after a protocol-3 reset the unit returns with this GUID"},
        {"NoReturn", "0",
         "1 = after a reset the unit never returns (protocol 3: stays off the bus)"},
        {"ResponseDelayMs", "0", "each download answer is readable this late"},
        {"ShortTransfer", "0", "1 = transfers of the download windows move one byte less"},
    };
    return keys;
}

namespace {
const SimKey* findIn(const std::vector<SimKey>& keys, const std::string& name) {
    for (const SimKey& key : keys)
        if (IniText::sameName(key.name, name))
            return &key;
    return nullptr;
}
}  // namespace

const SimKey* SimKeys::findDriverKey(const std::string& name) {
    return findIn(driverKeys(), name);
}

const SimKey* SimKeys::findUnitKey(const std::string& name) {
    return findIn(unitKeys(), name);
}

std::string SimKeys::unitSection(int slot) {
    return "Unit" + std::to_string(slot);
}

std::string SimKeys::driverDefault(const std::string& key) {
    const SimKey* found = findDriverKey(key);
    return found ? found->defaultValue : "";
}

std::string SimKeys::unitDefault(int slot, const std::string& key) {
    if (IniText::sameName(key, "Guid")) {
        char text[32];
        std::snprintf(text, sizeof text, "0x0013A2000010000%d", slot);
        return text;
    }
    if (IniText::sameName(key, "Present"))
        return slot == 1 ? "1" : "0";
    const SimKey* found = findUnitKey(key);
    return found ? found->defaultValue : "";
}
