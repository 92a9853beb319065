#include "Downloader.h"

#include "Log.h"

Downloader::Downloader()
    : m_Device(nullptr),
      m_DownloadType(DownloadType::Idle),
      m_IgnoreHardware(0),
      m_IgnoreVendor(0) {}

Downloader::~Downloader() = default;

TVCFWDL_STATUS Downloader::CheckDownload(TvdFile* file, TvcDevice* device, DWORD* conditions) {
    FwdlLog(LogType::Info, "Downloader::CheckDownload ...\n");
    if (file == nullptr || !file->IsOpen()) {
        FwdlLog(LogType::Error, "CheckDownload: file is not open.\n");
        return TVCFWDL_STATUS_FILE_NOT_OPEN;
    }
    if (device == nullptr || !device->IsOpen()) {
        FwdlLog(LogType::Error, "CheckDownload: device is not open.\n");
        return TVCFWDL_STATUS_DEVICE_NOT_OPEN;
    }
    // A version 1 file is sent whole and the unit checks only its image, so a
    // damaged part must be found here, before anything reaches the unit.
    if (file->FileVersion() == 1) {
        TVCFWDL_STATUS status = file->CheckParts();
        if (status != TVCFWDL_STATUS_SUCCESS)
            return status;
    }
    *conditions = 0;
    const ProtocolFamily* family = device->Family();
    if (family == nullptr) {
        *conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_UNSUPPORTED_PROTOCOL;
        FwdlLog(LogType::Info, "CheckDownload: device with unsupported protocol version %u\n",
                unsigned(device->InfoWord(DeviceLayout::ProtocolVersion)));
        return TVCFWDL_STATUS_SUCCESS;
    }
    family->Check(*file, *device, CheckWaivers{m_IgnoreHardware != 0, m_IgnoreVendor != 0},
                  *conditions);
    if ((*conditions & TVCFWDL_COND_INCOMPATIBLE) == 0)
        CheckCnEAndAge(*file, *device, *conditions);
    return TVCFWDL_STATUS_SUCCESS;
}

void Downloader::CheckCnEAndAge(TvdFile& file, TvcDevice& device, DWORD& conditions) const {
    DWORD fileVersion = file.Header().Word(TvdLayout::FirmwareVersion);
    DWORD fileBuild = file.Header().Word(TvdLayout::FirmwareBuild);
    DWORD unitVersion = device.InfoWord(DeviceLayout::FirmwareVersion);
    DWORD unitBuild = device.InfoWord(DeviceLayout::FirmwareBuild);
    bool cneNeeded =
        DownloadType::HasCnE(m_DownloadType) || (m_DownloadType == DownloadType::Program &&
                                                 (unitVersion == 0 || unitVersion != fileVersion));
    if (cneNeeded) {
        conditions |= TVCFWDL_COND_CNE_REQUIRED;
        if (!file.HasCnEData()) {
            conditions |= TVCFWDL_COND_CNE_MISSING;
            return;
        }
    }
    if (fileVersion < unitVersion || (fileVersion == unitVersion && fileBuild < unitBuild))
        conditions |= TVCFWDL_COND_OLDER_FIRMWARE;
}

TVCFWDL_STATUS Downloader::StartDownload(std::unique_ptr<TvdFile>& file, TvcDevice* device,
                                         DWORD downloadType, DWORD flags) {
    FwdlLog(LogType::Info, "Downloader::StartDownload ...\n");
    if (!file || !file->IsOpen()) {
        FwdlLog(LogType::Error, "StartDownload: file is not open.\n");
        return TVCFWDL_STATUS_FILE_NOT_OPEN;
    }
    if (device == nullptr || !device->IsOpen()) {
        FwdlLog(LogType::Error, "StartDownload: device is not open.\n");
        return TVCFWDL_STATUS_DEVICE_NOT_OPEN;
    }
    TVCFWDL_STATUS held = m_UnitLock.Acquire(device->DeviceInfoBlock() + DeviceLayout::Guid);
    if (held != TVCFWDL_STATUS_SUCCESS)
        return held;
    m_Status.Reset();
    m_Status.SetStatus(TVCFWDL_STATUS_DOWNLOAD_RUNNING);
    m_File = std::move(file);
    m_Device = device;
    m_DownloadType = downloadType;
    m_IgnoreHardware = (flags & TVCFWDL_START_IGNORE_HARDWARE) ? 1 : 0;
    m_IgnoreVendor = (flags & TVCFWDL_START_IGNORE_VENDOR) ? 1 : 0;
    DWORD status = Start();
    if (status != 0) {
        FwdlLog(LogType::Error, "StartDownload: Start failed with TVCFWDL_STATUS 0x%08X.\n",
                unsigned(status));
        file = std::move(m_File);
        m_UnitLock.Release();
        ForgetRun();
        return TVCFWDL_STATUS_NOT_SUPPORTED;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

void Downloader::ForgetRun() {
    m_Device = nullptr;
    m_DownloadType = DownloadType::Idle;
    m_IgnoreHardware = 0;
    m_IgnoreVendor = 0;
}

void Downloader::ThreadRoutine() {
    FwdlLog(LogType::Info, "Downloader::ThreadRoutine ...\n");
    TVCFWDL_STATUS result = Download();
    m_UnitLock.Release();
    ForgetRun();
    m_Status.SetStatus(result);
    m_File.reset();
}
