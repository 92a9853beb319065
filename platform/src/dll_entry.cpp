// Linked into a shared library off Windows: calls the library's DllMain when
// the library is loaded and unloaded, as Windows does.
#include "win_module.h"

#include <dlfcn.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

char anchor;

// The library was loaded with the program when its exports are in the
// global scope already; a dlopen'ed library is not (yet) there. Windows
// passes a non-null reserved pointer for such a load.
LPVOID LoadKind() {
    static char loadedAtStart;
    return ::dlsym(RTLD_DEFAULT, "TVCFWDL_GetVersion") != nullptr ? &loadedAtStart : nullptr;
}

// A static object: whatever the attach creates is finished before this
// object is, so it is destroyed after the detach has run.
struct ModuleEntry {
    ModuleEntry() { DllMain(&anchor, DLL_PROCESS_ATTACH, LoadKind()); }
    ~ModuleEntry() { DllMain(&anchor, DLL_PROCESS_DETACH, nullptr); }
};

ModuleEntry entry;

}  // namespace
