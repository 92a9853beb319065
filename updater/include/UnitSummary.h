#pragma once
// One unit as the updater lists it: what the library's device record says,
// in the words a person compares before updating.
#include "tvc_fwdl.h"

#include <cstdint>
#include <string>

struct UnitSummary {
    uint32_t index = 0;
    std::string name;
    uint64_t guid = 0;
    uint32_t firmwareVersion = 0;
    uint32_t firmwareBuild = 0;
    uint32_t hardwareModel = 0;
    uint32_t protocol = 0;
    bool inBootloader = false;

    static UnitSummary From(uint32_t index, const TVCFWDL_DEVICE_INFO& info);

    // "0x00020000 build 5"
    std::string FirmwareText() const;
    // "0x00010001"
    std::string ModelText() const;
    // "0x0013A20000100001"
    std::string GuidText() const;
    // "Unit 1 (GUID 0x0013A20000100001)"
    std::string Title() const;

    bool operator==(const UnitSummary& other) const;
    bool operator!=(const UnitSummary& other) const { return !(*this == other); }
};
