// The exports about the library itself, its log, the user and the computer.
#include "FwdlLibrary.h"
#include "Log.h"
#include "LogConfig.h"
#include "tvc_fwdl.h"

namespace {

constexpr DWORD kRebootReason =
    SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_MINOR_INSTALLATION;

TVCFWDL_STATUS RebootFailed(HANDLE token, const char* step) {
    FwdlLog(LogType::Error, "TVCFWDL_Reboot: %s failed with error = 0x%08X\n", step,
            unsigned(GetLastError()));
    if (token != nullptr)
        CloseHandle(token);
    return TVCFWDL_STATUS_REBOOT_FAILED;
}

}  // namespace

extern "C" uint32_t TVCFWDL_GetVersion(void) {
    return TVCFWDL_INTERFACE_VERSION;
}

extern "C" TVCFWDL_STATUS TVCFWDL_EnableLogging(const char* LogFileName) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_EnableLogging('%s')\n",
            LogFileName ? LogFileName : "(null)");
    if (library.RefuseDuringDownload("TVCFWDL_EnableLogging"))
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    if (TheLogConfig().EnableLogging(LogFileName))
        return TVCFWDL_STATUS_SUCCESS;
    if (LogFileName != nullptr)
        FwdlLog(LogType::Error, "Failed to enable log file '%s'.\n", LogFileName);
    else
        FwdlLog(LogType::Error, "Failed to disable the current log file.\n");
    return TVCFWDL_STATUS_LOGGING_FAILED;
}

extern "C" TVCFWDL_STATUS TVCFWDL_Reboot(void) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_Reboot()\n");
    if (library.RefuseDuringDownload("TVCFWDL_Reboot"))
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return RebootFailed(nullptr, "OpenProcessToken");
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        return RebootFailed(token, "LookupPrivilegeValue");
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    // A partial assignment succeeds with an error set: read the error, not the result.
    if (GetLastError() != ERROR_SUCCESS)
        return RebootFailed(token, "AdjustTokenPrivileges");
    if (!ExitWindowsEx(EWX_REBOOT, kRebootReason))
        return RebootFailed(token, "ExitWindowsEx");
    CloseHandle(token);
    return TVCFWDL_STATUS_SUCCESS;
}

extern "C" TVCFWDL_STATUS TVCFWDL_IsUserAdmin(uint32_t* IsAdmin) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_IsUserAdmin()\n");
    if (IsAdmin == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_IsUserAdmin: parameter 'IsAdmin' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    *IsAdmin = 0;
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
        FwdlLog(LogType::Error,
                "TVCFWDL_IsUserAdmin: AllocateAndInitializeSid failed with error = 0x%08X\n",
                unsigned(GetLastError()));
        return TVCFWDL_STATUS_FAILED;
    }
    if (administrators == nullptr) {
        FwdlLog(LogType::Error,
                "TVCFWDL_IsUserAdmin: unexpected NULL pointer 'AdministratorsGroup' returned by "
                "AllocateAndInitializeSid\n");
        return TVCFWDL_STATUS_FAILED;
    }
    BOOL member = FALSE;
    BOOL checked = CheckTokenMembership(nullptr, administrators, &member);
    DWORD error = GetLastError();
    FreeSid(administrators);
    if (!checked) {
        FwdlLog(LogType::Error,
                "TVCFWDL_IsUserAdmin: CheckTokenMembership failed with error = 0x%08X\n",
                unsigned(error));
        return TVCFWDL_STATUS_FAILED;
    }
    *IsAdmin = member ? 1 : 0;
    return TVCFWDL_STATUS_SUCCESS;
}
