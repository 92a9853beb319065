#include "SimBusTest.h"
#include "TextFile.h"

#include <windows.h>

#include <cstring>

namespace {

class ProfileRegistryTest : public SimBusTest {};

TEST_F(ProfileRegistryTest, ProfileStringsFollowWindowsRules) {
    std::string file = dir_.file("settings.cfg");
    char value[64];
    EXPECT_EQ(GetPrivateProfileStringA("LogFile", "MaxSize", "5000000  ", value, sizeof value,
                                       file.c_str()),
              7u);
    EXPECT_STREQ(value, "5000000") << "missing file: the default without trailing blanks";
    EXPECT_FALSE(TextFile::exists(file));

    ASSERT_TRUE(WritePrivateProfileStringA("LogFile", "PathAndName", "C:\\log.txt", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("TraceView", "Enabled", "1", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("logfile", "MAXSIZE", "100", file.c_str()));
    std::string text;
    ASSERT_TRUE(TextFile::read(file, text));
    EXPECT_EQ(text, "[LogFile]\nPathAndName=C:\\log.txt\nMAXSIZE=100\n[TraceView]\nEnabled=1\n");

    EXPECT_EQ(
        GetPrivateProfileStringA("LOGFILE", "pathandname", "", value, sizeof value, file.c_str()),
        10u);
    EXPECT_STREQ(value, "C:\\log.txt");
    EXPECT_EQ(GetPrivateProfileStringA("LogFile", "PathAndName", "", value, 5, file.c_str()), 4u);
    EXPECT_STREQ(value, "C:\\l") << "cut to the buffer";
    EXPECT_EQ(GetPrivateProfileStringA("LogFile", nullptr, "", value, sizeof value, file.c_str()),
              20u);
    EXPECT_EQ(std::memcmp(value, "PathAndName\0MAXSIZE\0\0", 21), 0);

    ASSERT_TRUE(WritePrivateProfileStringA("LogFile", "MaxSize", nullptr, file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("TraceView", nullptr, nullptr, file.c_str()));
    ASSERT_TRUE(TextFile::read(file, text));
    EXPECT_EQ(text, "[LogFile]\nPathAndName=C:\\log.txt\n");
    EXPECT_FALSE(
        WritePrivateProfileStringA("A", "B", "C", dir_.file("no/such/folder.ini").c_str()));
}

TEST_F(ProfileRegistryTest, RegistryKeepsValuesAcrossOpens) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Lumora\\Panel", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Lumora\\Panel", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
    const char motion[] = "Linear";
    ASSERT_EQ(RegSetValueExA(key, "KnobMotion", 0, REG_SZ, reinterpret_cast<const BYTE*>(motion),
                             sizeof motion),
              ERROR_SUCCESS);
    DWORD number = 0x01020304;
    ASSERT_EQ(RegSetValueExA(key, "Count", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 4),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Lumora\\Panel", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExA(key, "KnobMotion", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, 7u);
    char text[8] = {};
    size = 3;
    EXPECT_EQ(
        RegQueryValueExA(key, "KnobMotion", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 7u);
    ASSERT_EQ(
        RegQueryValueExA(key, "KnobMotion", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(text, "Linear");
    DWORD read = 0;
    size = 4;
    ASSERT_EQ(RegQueryValueExA(key, "count", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(read, 0x01020304u);
    EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_TRUE(TextFile::exists(dir_.file("config/lumora/registry.ini")));
}

}  // namespace
