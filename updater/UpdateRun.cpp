#include "UpdateRun.h"

#include "UnitScan.h"

UpdateRun::~UpdateRun() {
    if (open_)
        api_.CloseDevice();
}

uint32_t UpdateRun::Start(const UnitSummary& unit, const std::string& path) {
    uint32_t count = 0;
    uint32_t status = api_.EnumerateDevices(FwdlApi::kInterfaceGuid, &count);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    if (!UnitScan::StillThere(api_, unit))
        return TVCFWDL_STATUS_DEVICE_NOT_FOUND;
    status = api_.OpenDevice(unit.index);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    status = api_.StartDownload(path.c_str(), 0);
    if (status != TVCFWDL_STATUS_SUCCESS)
        api_.CloseDevice();
    open_ = status == TVCFWDL_STATUS_SUCCESS;
    return status;
}

UpdateRun::Progress UpdateRun::Read() {
    Progress progress;
    progress.status = api_.GetDownloadStatus(&progress.done, &progress.total);
    if (!progress.Running() && open_) {
        api_.CloseDevice();
        open_ = false;
    }
    return progress;
}

uint32_t UpdateRun::RestartComputer() {
    return api_.Reboot();
}
