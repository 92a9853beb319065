#include "win_module.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

constexpr DWORD kModuleNotFound = 126;

bool modulePath(HMODULE module, std::string& path) {
    char resolved[PATH_MAX];
    if (module == nullptr) {
        ssize_t length = ::readlink("/proc/self/exe", resolved, sizeof resolved - 1);
        if (length <= 0)
            return false;
        path.assign(resolved, size_t(length));
        return true;
    }
    Dl_info info;
    if (::dladdr(module, &info) == 0 || info.dli_fname == nullptr)
        return false;
    path = ::realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
    return true;
}

}  // namespace

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    std::string path;
    if (!modulePath(module, path)) {
        SetLastError(kModuleNotFound);
        return 0;
    }
    if (size == 0 || fileName == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() >= size) {
        std::memcpy(fileName, path.data(), size - 1);
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(fileName, path.c_str(), path.size() + 1);
    return DWORD(path.size());
}

void OutputDebugStringA(LPCSTR text) {
    if (text != nullptr)
        std::fputs(text, stderr);
}
