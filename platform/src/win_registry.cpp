#include "win_registry.h"

#include "FileLock.h"
#include "HandleTable.h"
#include "IniText.h"
#include "RegistryKey.h"
#include "TextFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string registryFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config != '\0')
        return std::string(config) + "/lumora/registry.ini";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "/tmp") + "/.config/lumora/registry.ini";
}

IniText loadRegistry() {
    std::string text;
    TextFile::read(registryFile(), text);
    return IniText::parse(text);
}

bool changeRegistry(const std::function<void(IniText&)>& change) {
    std::string file = registryFile();
    if (!TextFile::makeParentFolders(file))
        return false;
    FileLock exclusive(file, true);
    IniText doc = loadRegistry();
    change(doc);
    return TextFile::writeAtomic(file, doc.serialize());
}

bool keyPath(HKEY key, LPCSTR subKey, std::string& path) {
    if (key == HKEY_CURRENT_USER)
        path = "HKEY_CURRENT_USER";
    else if (key == HKEY_LOCAL_MACHINE)
        path = "HKEY_LOCAL_MACHINE";
    else if (key == HKEY_CLASSES_ROOT)
        path = "HKEY_CLASSES_ROOT";
    else if (auto open = HandleTable::getAs<RegistryKey>(reinterpret_cast<HANDLE>(key)))
        path = open->path();
    else
        return false;
    if (subKey != nullptr && *subKey != '\0')
        path += std::string("\\") + subKey;
    return true;
}

// Values are kept as "type:hex bytes", so any type survives the text file.
std::string encodeValue(DWORD type, const BYTE* data, DWORD size) {
    std::string text = std::to_string(type) + ":";
    char pair[3];
    for (DWORD i = 0; i < size; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", data[i]);
        text += pair;
    }
    return text;
}

bool decodeValue(const std::string& text, DWORD& type, std::vector<BYTE>& bytes) {
    size_t colon = text.find(':');
    if (colon == std::string::npos || (text.size() - colon - 1) % 2 != 0)
        return false;
    type = DWORD(std::strtoul(text.substr(0, colon).c_str(), nullptr, 10));
    bytes.clear();
    for (size_t i = colon + 1; i + 1 < text.size(); i += 2)
        bytes.push_back(BYTE(std::strtoul(text.substr(i, 2).c_str(), nullptr, 16)));
    return true;
}

LONG openKey(HKEY key, LPCSTR subKey, PHKEY result, bool create, LPDWORD disposition) {
    std::string path;
    if (result == nullptr || !keyPath(key, subKey, path))
        return ERROR_INVALID_HANDLE;
    bool exists = loadRegistry().hasSection(path);
    if (!exists && !create)
        return ERROR_FILE_NOT_FOUND;
    if (!exists && !changeRegistry([&](IniText& doc) { doc.addSection(path); }))
        return ERROR_ACCESS_DENIED;
    if (disposition != nullptr)
        *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = reinterpret_cast<HKEY>(HandleTable::add(std::make_shared<RegistryKey>(path)));
    return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    return openKey(key, subKey, result, false, nullptr);
}

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                     PHKEY result, LPDWORD disposition) {
    return openKey(key, subKey, result, true, disposition);
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize) {
    std::string path;
    if (!keyPath(key, nullptr, path))
        return ERROR_INVALID_HANDLE;
    std::string name = (valueName && *valueName) ? valueName : "@";
    auto stored = loadRegistry().get(path, name);
    DWORD storedType = 0;
    std::vector<BYTE> bytes;
    if (!stored || !decodeValue(*stored, storedType, bytes))
        return ERROR_FILE_NOT_FOUND;
    if (type != nullptr)
        *type = storedType;
    if (dataSize == nullptr)
        return data == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
    DWORD room = *dataSize;
    *dataSize = DWORD(bytes.size());
    if (data == nullptr)
        return ERROR_SUCCESS;
    if (room < bytes.size())
        return ERROR_MORE_DATA;
    std::memcpy(data, bytes.data(), bytes.size());
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data,
                    DWORD dataSize) {
    std::string path;
    if (!keyPath(key, nullptr, path))
        return ERROR_INVALID_HANDLE;
    if (data == nullptr && dataSize != 0)
        return ERROR_INVALID_PARAMETER;
    std::string name = (valueName && *valueName) ? valueName : "@";
    std::string value = encodeValue(type, data, dataSize);
    bool ok = changeRegistry([&](IniText& doc) { doc.set(path, name, value); });
    return ok ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY key) {
    return HandleTable::remove(reinterpret_cast<HANDLE>(key)) ? ERROR_SUCCESS
                                                              : ERROR_INVALID_HANDLE;
}
