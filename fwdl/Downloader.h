#pragma once
// The download engine: whether a firmware file may go to the open unit, and
// the run on a worker thread while the caller polls the progress. The steps
// that differ between the protocol families belong to the unit's ProtocolFamily.
#include "DownloadStatus.h"
#include "DownloadType.h"
#include "TThread.h"
#include "TvcDevice.h"
#include "TvdFile.h"
#include "UnitLock.h"

#include <memory>

class Downloader : public TThread {
public:
    Downloader();
    ~Downloader() override;

    // 0 with the conditions written, 15, 41, or for a damaged version 1 file
    // the status of TvdFile::CheckParts.
    virtual TVCFWDL_STATUS CheckDownload(TvdFile* file, TvcDevice* device, DWORD* conditions);
    // On success the run owns the file, holds the unit and the worker thread
    // runs; 35 when another process's download holds the unit.
    virtual TVCFWDL_STATUS StartDownload(std::unique_ptr<TvdFile>& file, TvcDevice* device,
                                         DWORD downloadType, DWORD flags);
    virtual bool IsDownloadRunning() const { return IsRunning(); }

    DownloadStatus& Status() { return m_Status; }

protected:
    void ThreadRoutine() override;
    virtual TVCFWDL_STATUS Download() = 0;

    DownloadStatus m_Status;
    std::unique_ptr<TvdFile> m_File;
    TvcDevice* m_Device;
    DWORD m_DownloadType;
    BYTE m_IgnoreHardware;
    BYTE m_IgnoreVendor;
    UnitLock m_UnitLock;

private:
    void CheckCnEAndAge(TvdFile& file, TvcDevice& device, DWORD& conditions) const;
    void ForgetRun();
};
