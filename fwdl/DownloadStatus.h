#pragma once
// Progress and result of a download, shared by the worker that writes them
// and the caller that polls them; every access is under the status's lock.
#include <windows.h>

class DownloadStatus {
public:
    DownloadStatus();
    virtual ~DownloadStatus();
    DownloadStatus(const DownloadStatus&) = delete;
    DownloadStatus& operator=(const DownloadStatus&) = delete;

    void Reset();
    void SetTotalBytes(DWORD total);
    void AddBytesDownloaded(DWORD count);
    void SetStatus(DWORD status);
    DWORD BytesDownloaded();
    DWORD TotalBytes();
    DWORD Status();

private:
    DWORD m_BytesDownloaded;
    DWORD m_TotalBytes;
    DWORD m_Status;
    CRITICAL_SECTION m_Lock;
};
