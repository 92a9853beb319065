#include "SimBusTest.h"

#include <objbase.h>
#include <windows.h>

#include <cstring>
#include <unistd.h>

namespace {

void widen(const char* text, WCHAR* wide) {
    size_t i = 0;
    for (; text[i] != '\0'; ++i)
        wide[i] = WCHAR(static_cast<unsigned char>(text[i]));
    wide[i] = 0;
}

TEST(GuidTextTest, OnlyTheBracedFormParses) {
    WCHAR wide[64];
    CLSID clsid;
    widen("{E7E0EE33-3A47-48be-B7F2-D836DFA9D627}", wide);
    ASSERT_EQ(CLSIDFromString(wide, &clsid), S_OK);
    const GUID expected = {
        0xE7E0EE33, 0x3A47, 0x48BE, {0xB7, 0xF2, 0xD8, 0x36, 0xDF, 0xA9, 0xD6, 0x27}};
    EXPECT_EQ(std::memcmp(&clsid, &expected, sizeof clsid), 0);
    widen("E7E0EE33-3A47-48be-B7F2-D836DFA9D627", wide);
    EXPECT_EQ(CLSIDFromString(wide, &clsid), CO_E_CLASSSTRING);
    widen("{E7E0EE33-3A47-48be-B7F2-D836DFA9D62G}", wide);
    EXPECT_EQ(CLSIDFromString(wide, &clsid), CO_E_CLASSSTRING);
    widen("{E7E0EE33-3A47-48be-B7F2-D836DFA9D6270}", wide);
    EXPECT_EQ(CLSIDFromString(wide, &clsid), CO_E_CLASSSTRING);
}

TEST(ModuleTest, ModuleFileNameOfTheProgramAndOfAnAddress) {
    char path[4096];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::strlen(path), length);
    EXPECT_NE(std::string(path).find("platform_tests"), std::string::npos);
    char same[4096];
    EXPECT_EQ(GetModuleFileNameA(reinterpret_cast<HMODULE>(&widen), same, sizeof same), length);
    EXPECT_STREQ(same, path);
    char tiny[5];
    EXPECT_EQ(GetModuleFileNameA(nullptr, tiny, sizeof tiny), 5u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::strlen(tiny), 4u);
}

class SecurityTest : public SimBusTest {};

TEST_F(SecurityTest, RestartIsRecordedOnTheBusAndAdminsAreRootOrSudoers) {
    HANDLE token = nullptr;
    ASSERT_TRUE(
        OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    TOKEN_PRIVILEGES privileges{};
    ASSERT_TRUE(LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid));
    EXPECT_FALSE(
        LookupPrivilegeValueA(nullptr, "SeNoSuchPrivilege", &privileges.Privileges[0].Luid));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_SUCH_PRIVILEGE));
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    SetLastError(1234);
    ASSERT_TRUE(AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(driverKey("RestartRequested"), "0");
    ASSERT_TRUE(ExitWindowsEx(EWX_REBOOT, 0x80040002));
    EXPECT_EQ(driverKey("RestartRequested"), "1");
    CloseHandle(token);

    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID admins = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                         DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins));
    BOOL member = FALSE;
    ASSERT_TRUE(CheckTokenMembership(nullptr, admins, &member));
    if (geteuid() == 0) {
        EXPECT_TRUE(member);
    }
    EXPECT_EQ(FreeSid(admins), nullptr);
    PSID users = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, 0x221, 0, 0, 0, 0, 0,
                                         0, &users));
    ASSERT_TRUE(CheckTokenMembership(nullptr, users, &member));
    EXPECT_FALSE(member);
    FreeSid(users);
}

}  // namespace
