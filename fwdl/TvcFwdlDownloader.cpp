#include "TvcFwdlDownloader.h"

#include "Log.h"

#include <cstdio>

namespace {

constexpr DWORD kBootloaderPauseMs = 3000;
constexpr DWORD kRestartPauseMs = 1500;
constexpr DWORD kEnablePauseMs = 5000;

}  // namespace

TvcFwdlDownloader::TvcFwdlDownloader() = default;

TvcFwdlDownloader::~TvcFwdlDownloader() = default;

std::string TvcFwdlDownloader::ControlDevicePath(const GUID& g) {
    char path[64];
    std::snprintf(path, sizeof path, "\\\\.\\{%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}",
                  unsigned(g.Data1), unsigned(g.Data2), unsigned(g.Data3), g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return path;
}

void TvcFwdlDownloader::ThreadRoutine() {
    FwdlLog(LogType::Info, "TvcFwdlDownloader::ThreadRoutine ...\n");
    Downloader::ThreadRoutine();
}

TVCFWDL_STATUS TvcFwdlDownloader::Download() {
    FwdlLog(LogType::Info, "TvcFwdlDownloader::Download ... \n");
    TvcFwdlDevice* device = dynamic_cast<TvcFwdlDevice*>(m_Device);
    if (device == nullptr || !device->IsOpen()) {
        FwdlLog(LogType::Error, "Download: device is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    TVCFWDL_STATUS status = CheckRun(*device);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    TvcStaticDevice units(ControlDevicePath(device->Context().InterfaceGuid()));
    status = RunStopped(*device, units);
    units.Close();
    return status;
}

TVCFWDL_STATUS TvcFwdlDownloader::CheckRun(TvcFwdlDevice& device) {
    DWORD conditions = 0;
    TVCFWDL_STATUS status = CheckDownload(m_File.get(), &device, &conditions);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Download: check of download conditions failed\n");
        return status;
    }
    if (conditions & TVCFWDL_COND_INCOMPATIBLE) {
        FwdlLog(LogType::Error, "download aborted due to incompatible hardware\n");
        return TVCFWDL_STATUS_INCOMPATIBLE;
    }
    if (conditions & TVCFWDL_COND_CNE_MISSING) {
        FwdlLog(LogType::Error, "download aborted due to firmware without required CnE data\n");
        return TVCFWDL_STATUS_NO_CNE_DATA;
    }
    if (conditions & TVCFWDL_COND_CNE_REQUIRED)
        m_DownloadType = DownloadType::CnEAndProgram;
    return TVCFWDL_STATUS_SUCCESS;
}

// The units stopped here are started again even when the transfer failed:
// otherwise every unit of the driver stays silent until the computer restarts.
TVCFWDL_STATUS TvcFwdlDownloader::RunStopped(TvcFwdlDevice& device, TvcStaticDevice& units) {
    FwdlLog(LogType::Info, "stopping device...\n");
    TVCFWDL_STATUS status = units.StopAllDevices();
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Download: StopAllDevices failed\n");
        return status;
    }
    TVCFWDL_STATUS transferred = Transfer(device);
    Sleep(kRestartPauseMs);
    status = units.StartAllDevices();
    if (transferred != TVCFWDL_STATUS_SUCCESS)
        return transferred;
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Download: StartAllDevices failed\n");
        return status;
    }
    return Reinstall(device);
}

TVCFWDL_STATUS TvcFwdlDownloader::Transfer(TvcFwdlDevice& device) {
    const ProtocolFamily* family = device.Family();
    if (family == nullptr) {
        FwdlLog(LogType::Error, "Download: unexpected download protocol.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    TVCFWDL_STATUS status = family->Reset(device, 1);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Download: reset device failed\n");
        return status;
    }
    Sleep(kBootloaderPauseMs);
    status = family->Transfer(TransferRun{device, *m_File, m_DownloadType, m_Status});
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Download: %s failed with TVCFWDL_STATUS 0x%08X.\n",
                family->TransferName(), unsigned(status));
        return status;
    }
    status = family->Reset(device, 0);
    if (status != TVCFWDL_STATUS_SUCCESS)
        FwdlLog(LogType::Error, "Download: reset device failed\n");
    return status;
}

TVCFWDL_STATUS TvcFwdlDownloader::Reinstall(TvcFwdlDevice& device) {
    BYTE disableReboot = 0;
    TVCFWDL_STATUS status = device.Disable(&disableReboot);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Reset: disabling device failed with TVCFWDL_STATUS 0x%08X\n",
                unsigned(status));
        return status;
    }
    BYTE enableReboot = 0;
    status = device.Enable(&enableReboot);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Reset: enabling device failed with TVCFWDL_STATUS 0x%08X\n",
                unsigned(status));
        return status;
    }
    Sleep(kEnablePauseMs);
    if (disableReboot || enableReboot)
        return TVCFWDL_STATUS_REBOOT_REQUIRED;
    FwdlLog(LogType::Info, "]TvcFwdlDownloader::Download\n");
    return TVCFWDL_STATUS_SUCCESS;
}
