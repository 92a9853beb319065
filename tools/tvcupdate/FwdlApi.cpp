#include "FwdlApi.h"

#include <cstdlib>
#include <cstring>

FwdlApi::~FwdlApi() {
    if (m_Module != nullptr)
        FreeLibrary(m_Module);
}

std::string FwdlApi::DefaultPath() {
    const char* configured = std::getenv("TVC_FWDL_LIBRARY");
    if (configured != nullptr && *configured != '\0')
        return configured;
    char program[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string folder(program, length < sizeof program ? length : 0);
    size_t slash = folder.find_last_of("/\\");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    return folder + TVC_FWDL_FILE_NAME;
}

template <typename Function>
bool FwdlApi::Find(Function& function, const char* name, std::string& error) {
    FARPROC procedure = GetProcAddress(m_Module, name);
    if (procedure == nullptr) {
        error = std::string("the library has no export ") + name;
        return false;
    }
    std::memcpy(&function, &procedure, sizeof function);
    return true;
}

bool FwdlApi::Load(const std::string& path, std::string& error) {
    m_Module = LoadLibraryA(path.c_str());
    if (m_Module == nullptr) {
        error = "cannot load the download library " + path + " (error " +
                std::to_string(GetLastError()) + ")";
        return false;
    }
    return Find(GetVersion, "TVCFWDL_GetVersion", error) &&
           Find(EnableLogging, "TVCFWDL_EnableLogging", error) &&
           Find(GetTvdFileInfo, "TVCFWDL_GetTvdFileInfo", error) &&
           Find(EnumerateDevices, "TVCFWDL_EnumerateDevices", error) &&
           Find(GetDeviceInfo, "TVCFWDL_GetDeviceInfo", error) &&
           Find(OpenDevice, "TVCFWDL_OpenDevice", error) &&
           Find(CheckDownload, "TVCFWDL_CheckDownload", error) &&
           Find(StartDownload, "TVCFWDL_StartDownload", error) &&
           Find(SetTimeout, "TVCFWDL_SetTimeout", error) &&
           Find(GetDownloadStatus, "TVCFWDL_GetDownloadStatus", error) &&
           Find(CloseDevice, "TVCFWDL_CloseDevice", error) &&
           Find(Reboot, "TVCFWDL_Reboot", error) && Find(IsUserAdmin, "TVCFWDL_IsUserAdmin", error);
}
