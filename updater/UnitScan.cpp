#include "UnitScan.h"

uint32_t UnitScan::Read(FwdlApi& api, std::vector<UnitSummary>& units) {
    units.clear();
    uint32_t count = 0;
    uint32_t status = api.EnumerateDevices(FwdlApi::kInterfaceGuid, &count);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    for (uint32_t index = 0; index < count; ++index) {
        TVCFWDL_DEVICE_INFO info{};
        if (api.GetDeviceInfo(index, &info) == TVCFWDL_STATUS_SUCCESS)
            units.push_back(UnitSummary::From(index, info));
    }
    return TVCFWDL_STATUS_SUCCESS;
}

bool UnitScan::StillThere(FwdlApi& api, const UnitSummary& unit) {
    TVCFWDL_DEVICE_INFO info{};
    return api.GetDeviceInfo(unit.index, &info) == TVCFWDL_STATUS_SUCCESS &&
           UnitSummary::From(unit.index, info).guid == unit.guid;
}
