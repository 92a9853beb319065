#include "LogProfile.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

bool LogProfile::Exists() const {
    std::error_code error;
    return !path_.empty() && std::filesystem::is_regular_file(path_, error);
}

bool LogProfile::IsEmpty() const {
    std::error_code error;
    return std::filesystem::file_size(path_, error) == 0 && !error;
}

std::string LogProfile::Get(const char* section, const char* key) const {
    char value[MAX_PATH];
    GetPrivateProfileStringA(section, key, "", value, sizeof value, path_.c_str());
    return value;
}

bool LogProfile::Flag(const char* section, const char* key) const {
    return Get(section, key) == "1";
}

void LogProfile::Set(const char* section, const char* key, const char* value) const {
    WritePrivateProfileStringA(section, key, value, path_.c_str());
}
