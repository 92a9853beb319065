#include "GuidFromString.h"

#include "Log.h"

#include <objbase.h>

#include <cstring>

namespace {
constexpr size_t kMaxGuidText = 99;
}

DWORD GuidFromString(const char* text, GUID* guid) {
    if (text == nullptr) {
        FwdlLog(LogType::Error,
                "GuidFromString: NULL pointer found instead of a pointer to a guid string\n");
        return 1;
    }
    WCHAR wide[kMaxGuidText + 1];
    size_t length = 0;
    for (; length < kMaxGuidText && text[length] != '\0'; ++length)
        wide[length] = WCHAR(static_cast<unsigned char>(text[length]));
    wide[length] = 0;
    std::memset(guid, 0, sizeof *guid);
    HRESULT result = CLSIDFromString(wide, guid);
    if (FAILED(result)) {
        FwdlLog(LogType::Error,
                "GuidFromString: CLSIDFromString failed with error = 0x%08X (HRESULT)\n",
                unsigned(result));
        return 1;
    }
    return 0;
}
