#pragma once
#include "KernelObject.h"
#include "SimDriver.h"
#include "setupapi.h"

#include <map>
#include <vector>

// A device-information set: the unit interfaces present when it was made,
// and the class-install parameters set for its devices.
class DeviceInfoSet : public KernelObject {
public:
    DeviceInfoSet(const GUID& classGuid, std::vector<SimDriver::UnitInterface> units)
        : classGuid_(classGuid), units_(std::move(units)) {}

    const GUID& classGuid() const { return classGuid_; }
    const std::vector<SimDriver::UnitInterface>& units() const { return units_; }
    std::map<DWORD, SP_PROPCHANGE_PARAMS>& installParams() { return installParams_; }

private:
    GUID classGuid_;
    std::vector<SimDriver::UnitInterface> units_;
    std::map<DWORD, SP_PROPCHANGE_PARAMS> installParams_;
};
