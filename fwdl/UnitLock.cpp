#include "UnitLock.h"

#include "Log.h"

#include <cstdio>
#include <string>

namespace {

std::string GuidText(const BYTE* guid) {
    char text[20];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X%02X%02X%02X%02X", guid[0], guid[1], guid[2],
                  guid[3], guid[4], guid[5], guid[6], guid[7]);
    return text;
}

}  // namespace

UnitLock::~UnitLock() {
    Release();
}

// The handle is closed by whichever thread ends the download, so the lock is
// the existence of the named mutex, not its ownership, which belongs to a thread.
TVCFWDL_STATUS UnitLock::Acquire(const BYTE* guid) {
    Release();
    std::string unit = GuidText(guid);
    std::string name = "Global\\TVCFWDL_Download_" + unit;
    HANDLE handle = CreateMutexA(nullptr, FALSE, name.c_str());
    DWORD error = GetLastError();
    if (handle == nullptr) {
        FwdlLog(LogType::Error,
                "StartDownload: holding unit 0x%s for the download failed with error = 0x%08X\n",
                unit.c_str(), unsigned(error));
        return TVCFWDL_STATUS_FAILED;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        FwdlLog(LogType::Error,
                "StartDownload: unit 0x%s is held by a download of another process.\n",
                unit.c_str());
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    }
    m_Handle = handle;
    return TVCFWDL_STATUS_SUCCESS;
}

void UnitLock::Release() {
    if (m_Handle != nullptr)
        CloseHandle(m_Handle);
    m_Handle = nullptr;
}
