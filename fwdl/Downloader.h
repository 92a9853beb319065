#pragma once
// The download engine: whether a firmware file may go to the open unit, and
// the transfer on a worker thread while the caller polls the progress.
#include "Crc32.h"
#include "DownloadStatus.h"
#include "TThread.h"
#include "TvcDevice.h"
#include "TvdFile.h"
#include "UnitLock.h"

#include <memory>

namespace DownloadType {
constexpr DWORD CnEAndProgram = 1;
constexpr DWORD Program = 2;
constexpr DWORD CnEOnly = 3;
constexpr DWORD Bootloader = 4;
constexpr DWORD Idle = 2000000000;
}  // namespace DownloadType

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
    virtual TVCFWDL_STATUS DownloadProt1and2();
    virtual TVCFWDL_STATUS DownloadProt3();

    DownloadStatus m_Status;
    std::unique_ptr<TvdFile> m_File;
    TvcDevice* m_Device;
    DWORD m_DownloadType;
    BYTE m_IgnoreHardware;
    BYTE m_IgnoreVendor;
    UnitLock m_UnitLock;

private:
    void CheckProt1and2(TvdFile& file, TvcDevice& device, DWORD& conditions) const;
    void CheckProt3(TvdFile& file, TvcDevice& device, DWORD& conditions) const;
    bool HardwareDiffers(TvdFile& file, TvcDevice& device) const;
    void CheckCnEAndAge(TvdFile& file, TvcDevice& device, DWORD& conditions) const;
    void ForgetRun();
    TVCFWDL_STATUS StartProt3Objects(DWORD& blockSize, bool& cneStarted);
    TVCFWDL_STATUS SendFile(DWORD blockSize);
    TVCFWDL_STATUS SendFileBlocks(BYTE* buffer, DWORD blockSize, RunningCrc32& sent);
};
