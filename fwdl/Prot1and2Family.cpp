#include "Prot1and2Family.h"

#include "DownloadType.h"
#include "Log.h"
#include "TvcFwdlDevice.h"

void Prot1and2Family::Check(const TvdFile& file, const TvcDevice& device,
                            const CheckWaivers& waivers, DWORD& conditions) const {
    if (file.FileVersion() != 0) {
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_FILE_VERSION_MISMATCH;
        FwdlLog(LogType::Info,
                "CheckDownload: device protocol = %u, expected file version = 0, given file "
                "version = %u\n",
                unsigned(device.InfoWord(DeviceLayout::ProtocolVersion)),
                unsigned(file.FileVersion()));
        return;
    }
    if (HardwareDiffers(file, device, waivers))
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_HARDWARE_MISMATCH;
}

TVCFWDL_STATUS Prot1and2Family::Reset(TvcFwdlDevice& device, DWORD type) const {
    return device.ResetProt1and2(type);
}

TVCFWDL_STATUS Prot1and2Family::Transfer(const TransferRun& run) const {
    FwdlLog(LogType::Info, "Downloader::DownloadProt1and2 ...\n");
    if (!run.device.IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt1and2: device is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (!run.file.IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt1and2: file is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (run.file.FileVersion() != 0) {
        FwdlLog(LogType::Error, "DownloadProt1and2: file version 0 expected.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    DWORD type = run.downloadType;
    if (!DownloadType::IsKnown(type)) {
        FwdlLog(LogType::Error, "DownloadProt1and2: unknown image type %d to download.\n",
                int(type));
        return TVCFWDL_STATUS_FAILED;
    }
    const TvdHeader& header = run.file.Header();
    DWORD total = DownloadType::HasImage(type) ? header.Word(TvdLayout::Image1Length) : 0;
    if (DownloadType::HasCnE(type))
        total += header.Word(TvdLayout::CnELength);
    run.progress.SetTotalBytes(total);
    if (DownloadType::HasCnE(type)) {
        TVCFWDL_STATUS status =
            run.device.DownloadObject(ObjectType::CnEData, run.file, run.progress);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error, "DownloadProt1and2: Download of CnE data failed.\n");
            return status;
        }
    }
    if (DownloadType::HasImage(type)) {
        DWORD object = DownloadType::ImageObject(type);
        TVCFWDL_STATUS status = run.device.DownloadObject(object, run.file, run.progress);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "DownloadProt1and2: Download of image data of type %d failed.\n", int(object));
            return status;
        }
    }
    return TVCFWDL_STATUS_SUCCESS;
}
