#pragma once
// What the library says of a firmware file, and whether it accepts the file
// for one unit.
#include "FwdlApi.h"
#include "UnitSummary.h"

#include <string>
#include <vector>

struct FirmwareFacts {
    uint32_t status = TVCFWDL_STATUS_FILE_NOT_OPEN;  // of reading the file's description
    uint32_t firmwareVersion = 0;
    uint32_t firmwareBuild = 0;
    uint32_t hardware = 0;
    std::string date;   // "2025-01-02 03:04:05", or the file's text as it stands
    std::string notes;  // the release notes

    std::string FirmwareText() const;
    std::string HardwareText() const;
};

struct FirmwareVerdict {
    bool accepted = false;
    uint32_t status = TVCFWDL_STATUS_SUCCESS;  // of the check itself
    uint32_t conditions = 0;
    // Why the file is refused, or what to know before updating; one line each.
    std::vector<std::string> reasons;
};

class FirmwareCheck {
public:
    static FirmwareFacts Describe(FwdlApi& api, const std::string& path);
    // Opens the unit, asks the library's download check and closes the unit.
    static FirmwareVerdict Check(FwdlApi& api, const UnitSummary& unit, const std::string& path);
    // A file refused with the status of reading or checking it, in words.
    static FirmwareVerdict Refusal(uint32_t status);
    // "The library refuses this file: ..." or "Accepted for Unit 1 (GUID ...)".
    static std::string Summary(const FirmwareVerdict& verdict, const UnitSummary& unit);
};
