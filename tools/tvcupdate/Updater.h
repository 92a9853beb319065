#pragma once
// The updater's commands, each through the library's exports only.
#include "FwdlApi.h"
#include "UpdateOptions.h"

class Updater {
public:
    enum ExitCode { Ok = 0, Usage = 1, NoLibrary = 2, Failed = 3, RestartPending = 4 };

    Updater(FwdlApi& api, const UpdateOptions& options) : api_(api), options_(options) {}
    int Run();

private:
    int List();
    int Info();
    int Describe();
    int Check();
    int Download();
    int Fail(const char* what, uint32_t status);
    bool Enumerate(uint32_t& count);
    int OpenUnit(uint32_t& index);
    void PrintConditions(uint32_t index, const char* file, uint32_t conditions);
    int WaitForDownload();
    int OfferRestart();
    static void PrintDevice(uint32_t index, const TVCFWDL_DEVICE_INFO& info, bool full);

    FwdlApi& api_;
    const UpdateOptions& options_;
};
