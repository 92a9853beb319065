// The library's entry point: Windows calls it, and off Windows the platform
// layer's module glue calls it when the library is loaded and unloaded.
#include "FwdlLibrary.h"
#include "Log.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        FwdlLibrary::Instance().Attach(instance, reserved != nullptr);
        DisableThreadLibraryCalls(instance);
        break;
    case DLL_PROCESS_DETACH:
        FwdlLog(LogType::Info, "tvc_fwdl::DllMain: DLL_PROCESS_DETACH\n");
        FwdlLibrary::Detach();
        break;
    case DLL_THREAD_ATTACH: FwdlLog(LogType::Info, "tvc_fwdl::DllMain: DLL_THREAD_ATTACH\n"); break;
    case DLL_THREAD_DETACH: FwdlLog(LogType::Info, "tvc_fwdl::DllMain: DLL_THREAD_DETACH\n"); break;
    default: FwdlLog(LogType::Warning, "tvc_fwdl::DllMain: unknown reason %u\n", unsigned(reason));
    }
    return TRUE;
}
