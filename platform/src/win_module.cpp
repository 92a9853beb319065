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
constexpr DWORD kProcedureNotFound = 127;

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

HMODULE LoadLibraryA(LPCSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    void* library = ::dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        SetLastError(kModuleNotFound);
    return library;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    void* symbol = (module && procName) ? ::dlsym(module, procName) : nullptr;
    if (symbol == nullptr) {
        SetLastError(kProcedureNotFound);
        return nullptr;
    }
    FARPROC procedure;
    std::memcpy(&procedure, &symbol, sizeof procedure);
    return procedure;
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr || ::dlclose(module) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

// Only the form the download library uses: a module named by an address
// inside it, optionally pinned.
BOOL GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module) {
    Dl_info info;
    if ((flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) == 0 || module == nullptr ||
        ::dladdr(moduleName, &info) == 0 || info.dli_fname == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    int mode =
        RTLD_NOW | RTLD_NOLOAD | ((flags & GET_MODULE_HANDLE_EX_FLAG_PIN) ? RTLD_NODELETE : 0);
    *module = ::dlopen(info.dli_fname, mode);
    if (*module == nullptr) {
        SetLastError(kModuleNotFound);
        return FALSE;
    }
    // The handle names the module; the reference taken to look it up is not kept.
    ::dlclose(*module);
    return TRUE;
}

BOOL DisableThreadLibraryCalls(HMODULE module) {
    return module != nullptr ? TRUE : FALSE;
}

void OutputDebugStringA(LPCSTR text) {
    if (text != nullptr)
        std::fputs(text, stderr);
}
