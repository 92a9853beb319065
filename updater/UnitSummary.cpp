#include "UnitSummary.h"

#include <cstdio>
#include <tuple>

namespace {

std::string Hex8(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// The driver describes the unit in text; its name is the part in quotes, and
// the unnamed state "Unit #" reads as the panel shows it, "Unit N".
std::string NameOf(const TVCFWDL_DEVICE_INFO& info, uint32_t index) {
    const char* text = reinterpret_cast<const char*>(info.Properties);
    std::string description(text, sizeof info.Properties);
    description = description.substr(0, description.find('\0'));
    size_t open = description.find('"');
    size_t close = open == std::string::npos ? open : description.find('"', open + 1);
    std::string name =
        close == std::string::npos ? description : description.substr(open + 1, close - open - 1);
    if (name.empty() || name == "Unit #")
        return "Unit " + std::to_string(index + 1);
    return name;
}

}  // namespace

UnitSummary UnitSummary::From(uint32_t index, const TVCFWDL_DEVICE_INFO& info) {
    UnitSummary unit;
    unit.index = index;
    unit.name = NameOf(info, index);
    unit.guid = (uint64_t(info.GuidHi) << 32) | info.GuidLo;
    unit.firmwareVersion = info.FirmwareVersion;
    unit.firmwareBuild = info.FirmwareBuild;
    unit.hardwareModel = info.HardwareModelID;
    unit.protocol = info.ProtocolVersion;
    unit.inBootloader = info.BootloaderMode != 0;
    return unit;
}

std::string UnitSummary::FirmwareText() const {
    return Hex8(firmwareVersion) + " build " + std::to_string(firmwareBuild);
}

std::string UnitSummary::ModelText() const {
    return Hex8(hardwareModel);
}

std::string UnitSummary::GuidText() const {
    return Hex8(uint32_t(guid >> 32)) + Hex8(uint32_t(guid)).substr(2);
}

std::string UnitSummary::Title() const {
    return name + " (GUID " + GuidText() + ")";
}

bool UnitSummary::operator==(const UnitSummary& other) const {
    return std::tie(index, name, guid, firmwareVersion, firmwareBuild, hardwareModel, protocol,
                    inBootloader) ==
           std::tie(other.index, other.name, other.guid, other.firmwareVersion, other.firmwareBuild,
                    other.hardwareModel, other.protocol, other.inBootloader);
}
