// The exports that describe and check firmware files and run a download.
#include "FwdlLibrary.h"
#include "Log.h"
#include "TvdFile.h"
#include "tvc_fwdl.h"

#include <cstdint>
#include <new>

namespace {

unsigned Address(const void* pointer) {
    return unsigned(reinterpret_cast<uintptr_t>(pointer));
}

const char* Text(const char* text) {
    return text ? text : "(null)";
}

}  // namespace

extern "C" TVCFWDL_STATUS TVCFWDL_GetTvdFileInfo(const char* TvdFileName,
                                                 TVCFWDL_TVD_FILE_INFO* TvdInfo) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_GetTvdFileInfo('%s',0x%08X)\n", Text(TvdFileName),
            Address(TvdInfo));
    if (TvdFileName == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_GetTvdFileInfo: parameter 'TvdFileName' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    if (TvdInfo == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_GetTvdFileInfo: parameter 'TvdInfo' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    TvdFile file;
    TVCFWDL_STATUS status = file.Open(TvdFileName);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "TVCFWDL_GetTvdFileInfo: open file '%s' failed\n", TvdFileName);
        return status;
    }
    status = file.GetFileInfo(TvdInfo);
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error,
                "TVCFWDL_GetTvdFileInfo: getting informations of file '%s' failed\n", TvdFileName);
    return status;
}

extern "C" TVCFWDL_STATUS TVCFWDL_CheckDownload(const char* TvdFileName, uint32_t* Conditions) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_CheckDownload( '%s',0x%08X )\n", Text(TvdFileName),
            Address(Conditions));
    if (TvdFileName == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_CheckDownload: parameter 'TvdFileName' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    if (Conditions == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_CheckDownload: parameter 'Conditions' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    *Conditions = 0xFFFFFFFF;
    if (library.RefuseDuringDownload("TVCFWDL_CheckDownload"))
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    TvdFile file;
    TVCFWDL_STATUS status = file.Open(TvdFileName);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "TVCFWDL_CheckDownload: open file failed.\n");
        return status;
    }
    DWORD conditions = *Conditions;
    status = library.Downloader().CheckDownload(&file, library.OpenDevice().get(), &conditions);
    *Conditions = conditions;
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "TVCFWDL_CheckDownload: check of download conditions failed\n");
    return status;
}

extern "C" TVCFWDL_STATUS TVCFWDL_StartDownload(const char* TvdFileName, uint32_t Flags) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    FwdlLog(LogType::Info, "enter TVCFWDL_StartDownload( '%s',0x%08X )\n", Text(TvdFileName),
            unsigned(Flags));
    if (TvdFileName == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_StartDownload: parameter 'TvdFileName' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    if (library.RefuseDuringDownload("TVCFWDL_StartDownload"))
        return TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS;
    DWORD type =
        (Flags & TVCFWDL_START_WITH_CNE) ? DownloadType::CnEAndProgram : DownloadType::Program;
    std::unique_ptr<TvdFile> file(new (std::nothrow) TvdFile);
    TVCFWDL_STATUS status = file ? file->Open(TvdFileName) : TVCFWDL_STATUS_FAILED;
    if (status == TVCFWDL_STATUS_SUCCESS)
        status = library.Downloader().StartDownload(file, library.OpenDevice().get(), type, Flags);
    // Pinned only once the worker runs: a refused start leaves the library free to unload.
    if (status == TVCFWDL_STATUS_SUCCESS)
        library.PinModule();
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "TVCFWDL_StartDownload: starting download failed\n");
    return status;
}

extern "C" TVCFWDL_STATUS TVCFWDL_GetDownloadStatus(uint32_t* BytesDownloaded,
                                                    uint32_t* TotalBytes) {
    FwdlLibrary& library = FwdlLibrary::Instance();
    ApiLock::Scope lock(library.Lock());
    if (BytesDownloaded == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_GetDownloadStatus: parameter 'BytesDownloaded' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    if (TotalBytes == nullptr) {
        FwdlLog(LogType::Error, "TVCFWDL_GetDownloadStatus: parameter 'TotalBytes' is NULL");
        return TVCFWDL_STATUS_INVALID_PARAMETER;
    }
    DownloadStatus& status = library.Downloader().Status();
    *BytesDownloaded = status.BytesDownloaded();
    *TotalBytes = status.TotalBytes();
    // The worker stores its result just before it ends; until it has ended the
    // run still counts as running, so a caller that sees the result may close.
    return library.DownloadInProgress() ? TVCFWDL_STATUS_DOWNLOAD_RUNNING : status.Status();
}
