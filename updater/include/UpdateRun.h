#pragma once
// One download through the library's exports: start it on the chosen unit,
// read its progress until the library's worker has finished, close the unit.
#include "FwdlApi.h"
#include "UnitSummary.h"

#include <string>

class UpdateRun {
public:
    struct Progress {
        uint32_t status = TVCFWDL_STATUS_DOWNLOAD_RUNNING;
        uint32_t done = 0;
        uint32_t total = 0;
        bool Running() const { return status == TVCFWDL_STATUS_DOWNLOAD_RUNNING; }
    };

    explicit UpdateRun(FwdlApi& api) : api_(api) {}
    ~UpdateRun();
    UpdateRun(const UpdateRun&) = delete;
    UpdateRun& operator=(const UpdateRun&) = delete;

    // Opens the unit, if it still is the chosen one, and starts the download.
    // 0 once it runs; else the status that stopped it, with the unit closed.
    uint32_t Start(const UnitSummary& unit, const std::string& path);
    // The library's download status; the unit is closed once it has ended.
    Progress Read();
    // Restarts the computer, as the library asks after status 40.
    uint32_t RestartComputer();

private:
    FwdlApi& api_;
    bool open_ = false;
};
