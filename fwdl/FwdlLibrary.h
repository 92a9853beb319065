#pragma once
// The library-wide state behind the exports: the export lock, what the last
// enumeration found, the open device and the downloader.
#include "ApiLock.h"
#include "EnumerationContext.h"
#include "TvcFwdlDevice.h"
#include "TvcFwdlDownloader.h"

#include <memory>

class FwdlLibrary {
public:
    // Made at first use (the process attach), destroyed at the process detach
    // unless a worker still runs: that one keeps using the device and the
    // downloader until the process ends.
    static FwdlLibrary& Instance();

    ApiLock& Lock() { return m_Lock; }
    EnumerationContext& Context() { return m_Context; }
    std::unique_ptr<TvcFwdlDevice>& OpenDevice() { return m_OpenDevice; }
    TvcFwdlDownloader& Downloader() { return m_Downloader; }
    bool DownloadInProgress() const { return m_Downloader.IsDownloadRunning(); }
    // True, with the export's ERROR entry, while a download runs.
    bool RefuseDuringDownload(const char* exportName) const;

    // Process attach and detach of the entry point.
    void Attach(HMODULE module, bool loadedAtStart);
    static void Detach();
    // Keeps the library mapped until the process ends, so that unloading it
    // while a download runs cannot pull the code from under the worker.
    void PinModule();

private:
    FwdlLibrary() = default;

    ApiLock m_Lock;
    EnumerationContext m_Context;
    std::unique_ptr<TvcFwdlDevice> m_OpenDevice;
    TvcFwdlDownloader m_Downloader;
    HMODULE m_Module = nullptr;
    bool m_Pinned = false;
};
