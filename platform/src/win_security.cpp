#include "win_security.h"

#include "HandleTable.h"
#include "SimDriver.h"
#include "TokenObject.h"

#include <cstring>
#include <grp.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr LUID kShutdownPrivilege = {19, 0};

struct Sid {
    SID_IDENTIFIER_AUTHORITY authority;
    BYTE count;
    DWORD sub[8];
};

bool isAdministratorsSid(const Sid& sid) {
    static const SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    return std::memcmp(sid.authority.Value, nt.Value, 6) == 0 && sid.count == 2 &&
           sid.sub[0] == SECURITY_BUILTIN_DOMAIN_RID && sid.sub[1] == DOMAIN_ALIAS_RID_ADMINS;
}

bool inGroup(const char* name) {
    struct group* entry = ::getgrnam(name);
    if (entry == nullptr)
        return false;
    int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? size_t(count) : 0);
    count = ::getgroups(count, groups.data());
    for (int i = 0; i < count; ++i)
        if (groups[size_t(i)] == entry->gr_gid)
            return true;
    return ::getegid() == entry->gr_gid;
}

BOOL failWith(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

HANDLE GetCurrentProcess() {
    return INVALID_HANDLE_VALUE;
}

BOOL OpenProcessToken(HANDLE process, DWORD, PHANDLE token) {
    if (process != GetCurrentProcess() || token == nullptr)
        return failWith(ERROR_INVALID_PARAMETER);
    *token = HandleTable::add(std::make_shared<TokenObject>());
    return TRUE;
}

BOOL LookupPrivilegeValueA(LPCSTR, LPCSTR name, PLUID luid) {
    if (name == nullptr || luid == nullptr)
        return failWith(ERROR_INVALID_PARAMETER);
    if (std::strcmp(name, SE_SHUTDOWN_NAME) != 0)
        return failWith(ERROR_NO_SUCH_PRIVILEGE);
    *luid = kShutdownPrivilege;
    return TRUE;
}

BOOL AdjustTokenPrivileges(HANDLE token, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES,
                           PDWORD returnLength) {
    if (!HandleTable::getAs<TokenObject>(token))
        return failWith(ERROR_INVALID_HANDLE);
    if (returnLength != nullptr)
        *returnLength = 0;
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL ExitWindowsEx(UINT, DWORD) {
    return SimDriver::requestRestart() ? TRUE : failWith(ERROR_GEN_FAILURE);
}

BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD sub0,
                              DWORD sub1, DWORD sub2, DWORD sub3, DWORD sub4, DWORD sub5,
                              DWORD sub6, DWORD sub7, PSID* sid) {
    if (authority == nullptr || sid == nullptr || count > 8)
        return failWith(ERROR_INVALID_PARAMETER);
    *sid = new Sid{*authority, count, {sub0, sub1, sub2, sub3, sub4, sub5, sub6, sub7}};
    return TRUE;
}

BOOL CheckTokenMembership(HANDLE, PSID sid, PBOOL isMember) {
    if (sid == nullptr || isMember == nullptr)
        return failWith(ERROR_INVALID_PARAMETER);
    bool admin = ::geteuid() == 0 || inGroup("sudo") || inGroup("wheel") || inGroup("admin");
    *isMember = isAdministratorsSid(*static_cast<Sid*>(sid)) && admin ? TRUE : FALSE;
    return TRUE;
}

PVOID FreeSid(PSID sid) {
    delete static_cast<Sid*>(sid);
    return nullptr;
}
