#include "RegistryValue.h"

#ifdef _WIN32

juce::String RegistryValue::read(const juce::String& fallback) const {
    return juce::WindowsRegistry::getValue(path_, fallback);
}

bool RegistryValue::write(const juce::String& text) const {
    return juce::WindowsRegistry::setValue(path_, text);
}

#else
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Only the current user's hive is ever named by the panel.
bool splitPath(const juce::String& path, std::string& subKey, std::string& name) {
    const juce::String hive = "HKEY_CURRENT_USER\\";
    if (!path.startsWith(hive) || !path.containsChar('\\'))
        return false;
    juce::String rest = path.substring(hive.length());
    subKey = rest.upToLastOccurrenceOf("\\", false, false).toStdString();
    name = rest.fromLastOccurrenceOf("\\", false, false).toStdString();
    return true;
}

}  // namespace

juce::String RegistryValue::read(const juce::String& fallback) const {
    std::string subKey, name;
    HKEY key = nullptr;
    if (!splitPath(path_, subKey, name) ||
        RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return fallback;
    DWORD type = 0, size = 0;
    std::vector<BYTE> data;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && type == REG_SZ && size > 0) {
        data.resize(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ || data.empty() || data.size() != size)
        return fallback;
    return juce::String(reinterpret_cast<const char*>(data.data()),
                        std::find(data.begin(), data.end(), BYTE(0)) - data.begin());
}

bool RegistryValue::write(const juce::String& text) const {
    std::string subKey, name;
    HKEY key = nullptr;
    if (!splitPath(path_, subKey, name) ||
        RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    std::string bytes = text.toStdString();
    LONG status =
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.c_str()),
                       DWORD(bytes.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

#endif
