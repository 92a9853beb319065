#pragma once
// The download library as an outside updater sees it: loaded at run time
// and reached only through its thirteen exports.
#include "tvc_fwdl.h"

#include <windows.h>

#include <string>

class FwdlApi {
public:
    FwdlApi() = default;
    ~FwdlApi();
    FwdlApi(const FwdlApi&) = delete;
    FwdlApi& operator=(const FwdlApi&) = delete;

    // The device interface class of the units, as the library enumerates them.
    static constexpr const char* kInterfaceGuid = "{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}";

    // Loads the library and finds every export; false with a message otherwise.
    bool Load(const std::string& path, std::string& error);
    // --library, else $TVC_FWDL_LIBRARY, else the library beside this program.
    static std::string DefaultPath();

    uint32_t (*GetVersion)() = nullptr;
    TVCFWDL_STATUS (*EnableLogging)(const char*) = nullptr;
    TVCFWDL_STATUS (*GetTvdFileInfo)(const char*, TVCFWDL_TVD_FILE_INFO*) = nullptr;
    TVCFWDL_STATUS (*EnumerateDevices)(const char*, uint32_t*) = nullptr;
    TVCFWDL_STATUS (*GetDeviceInfo)(uint32_t, TVCFWDL_DEVICE_INFO*) = nullptr;
    TVCFWDL_STATUS (*OpenDevice)(uint32_t) = nullptr;
    TVCFWDL_STATUS (*CheckDownload)(const char*, uint32_t*) = nullptr;
    TVCFWDL_STATUS (*StartDownload)(const char*, uint32_t) = nullptr;
    TVCFWDL_STATUS (*SetTimeout)(uint32_t, uint32_t) = nullptr;
    TVCFWDL_STATUS (*GetDownloadStatus)(uint32_t*, uint32_t*) = nullptr;
    TVCFWDL_STATUS (*CloseDevice)() = nullptr;
    TVCFWDL_STATUS (*Reboot)() = nullptr;
    TVCFWDL_STATUS (*IsUserAdmin)(uint32_t*) = nullptr;

private:
    template <typename Function>
    bool Find(Function& function, const char* name, std::string& error);

    HMODULE m_Module = nullptr;
};
