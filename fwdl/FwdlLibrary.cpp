#include "FwdlLibrary.h"

#include "Log.h"
#include "LogConfig.h"

namespace {
FwdlLibrary* theLibrary = nullptr;
}

// The loader calls the entry point one load at a time, so the attach makes
// the object before any export can run.
FwdlLibrary& FwdlLibrary::Instance() {
    if (theLibrary == nullptr)
        theLibrary = new FwdlLibrary;
    return *theLibrary;
}

void FwdlLibrary::Attach(HMODULE module, bool loadedAtStart) {
    m_Module = module;
    TheLogConfig().Configure(module);
    FwdlLog(LogType::Info, "[tvc_fwdl::DllMain: DLL_PROCESS_ATTACH (%s load)\n",
            loadedAtStart ? "static" : "dynamic");
    FwdlLog(LogType::Info, "]tvc_fwdl::DllMain: DLL_PROCESS_ATTACH\n");
}

void FwdlLibrary::Detach() {
    FwdlLibrary* library = theLibrary;
    if (library == nullptr)
        return;
    {
        ApiLock::Scope lock(library->m_Lock);
        // Only a process that ends can detach a pinned library with its worker
        // still running; the worker keeps what it uses until then.
        if (library->DownloadInProgress())
            return;
    }
    theLibrary = nullptr;
    delete library;
}

bool FwdlLibrary::RefuseDuringDownload(const char* exportName) const {
    if (!DownloadInProgress())
        return false;
    FwdlLog(LogType::Error, "%s failed, because download is in progress\n", exportName);
    return true;
}

void FwdlLibrary::PinModule() {
    if (m_Pinned)
        return;
    HMODULE pinned = nullptr;
    m_Pinned =
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCSTR>(m_Module), &pinned) != FALSE;
    if (!m_Pinned)
        FwdlLog(LogType::Warning, "PinModule: GetModuleHandleEx failed with error = 0x%08X\n",
                unsigned(GetLastError()));
}
