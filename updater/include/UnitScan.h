#pragma once
// The attached units, read through the library's exports.
#include "FwdlApi.h"
#include "UnitSummary.h"

#include <vector>

class UnitScan {
public:
    // Enumerates the units and reads each one's record. A unit that cannot be
    // read is left out; the status is that of the enumeration.
    static uint32_t Read(FwdlApi& api, std::vector<UnitSummary>& units);
    // The unit at the index, if it still is the one with that GUID.
    static bool StillThere(FwdlApi& api, const UnitSummary& unit);
};
