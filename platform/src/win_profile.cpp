#include "win_profile.h"

#include "IniText.h"
#include "TextFile.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

IniText load(LPCSTR fileName) {
    std::string text;
    if (fileName == nullptr || !TextFile::read(fileName, text))
        return IniText();
    return IniText::parse(text);
}

// A list of names, each ending in a zero, the whole ending in a second zero;
// cut to fit with both zeros kept.
DWORD copyList(const std::vector<std::string>& names, LPSTR out, DWORD size) {
    std::string joined;
    for (const std::string& name : names)
        joined += name + '\0';
    if (joined.size() + 1 <= size) {
        std::memcpy(out, joined.data(), joined.size());
        out[joined.size()] = '\0';
        return DWORD(joined.size());
    }
    if (size < 2) {
        out[0] = '\0';
        return 0;
    }
    std::memcpy(out, joined.data(), size - 2);
    out[size - 2] = '\0';
    out[size - 1] = '\0';
    return size - 2;
}

DWORD copyValue(const std::string& value, LPSTR out, DWORD size) {
    DWORD length = DWORD(value.size()) < size - 1 ? DWORD(value.size()) : size - 1;
    std::memcpy(out, value.data(), length);
    out[length] = '\0';
    return length;
}

std::string withoutTrailingBlanks(LPCSTR text) {
    std::string value = text ? text : "";
    value.erase(value.find_last_not_of(' ') + 1);
    return value;
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR returned,
                               DWORD size, LPCSTR fileName) {
    if (returned == nullptr || size == 0)
        return 0;
    IniText doc = load(fileName);
    if (section == nullptr)
        return copyList(doc.sectionNames(), returned, size);
    if (key == nullptr)
        return copyList(doc.keyNames(section), returned, size);
    std::string value = doc.get(section, key, withoutTrailingBlanks(defaultValue));
    return copyValue(value, returned, size);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    if (section == nullptr || fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    IniText doc = load(fileName);
    if (key == nullptr)
        doc.removeSection(section);
    else if (value == nullptr)
        doc.remove(section, key);
    else
        doc.set(section, key, value);
    if (!TextFile::writeAtomic(fileName, doc.serialize())) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}
