#include "Prot3Family.h"

#include "DownloadType.h"
#include "Log.h"
#include "TvcFwdlDevice.h"

#include <memory>
#include <new>

void Prot3Family::Check(const TvdFile& file, const TvcDevice& device, const CheckWaivers& waivers,
                        DWORD& conditions) const {
    if (file.FileVersion() != 1) {
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_FILE_VERSION_MISMATCH;
        FwdlLog(LogType::Info,
                "CheckDownload: device protocol = %u, expected file version = 1, given file "
                "version = %u\n",
                unsigned(3), unsigned(file.FileVersion()));
        return;
    }
    if (HardwareDiffers(file, device, waivers))
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_HARDWARE_MISMATCH;
    const BYTE* vendor = file.Header().Bytes() + TvdLayout::NodeVendorId;
    const BYTE* guid = device.DeviceInfoBlock() + DeviceLayout::Guid;
    if (!waivers.vendor && (vendor[0] != guid[1] || vendor[1] != guid[2] || vendor[2] != guid[3])) {
        conditions |= TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_VENDOR_MISMATCH;
        FwdlLog(
            LogType::Info,
            "CheckDownload: vendor ID mismatch: NodeVendorId (file) = 0x%02X%02X%02X, upper Guid "
            "bytes (device) = 0x%02X%02X%02X\n",
            vendor[0], vendor[1], vendor[2], guid[3], guid[2], guid[1]);
    }
}

TVCFWDL_STATUS Prot3Family::Reset(TvcFwdlDevice& device, DWORD type) const {
    return device.ResetProt3(type);
}

TVCFWDL_STATUS Prot3Family::Transfer(const TransferRun& run) const {
    FwdlLog(LogType::Info, "Downloader::DownloadProt3 ...\n");
    if (!run.device.IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt3: device is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (!run.file.IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt3: file is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (run.file.FileVersion() != 1) {
        FwdlLog(LogType::Error, "DownloadProt3: file version 1 expected.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (!DownloadType::IsKnown(run.downloadType))
        return TVCFWDL_STATUS_FAILED;
    run.progress.SetTotalBytes(DWORD(run.file.FileSize()));
    DWORD blockSize = 0xFFFFFFFF;
    bool cneStarted = false;
    TVCFWDL_STATUS status = StartObjects(run, blockSize, cneStarted);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        DWORD crc = 0;
        if (cneStarted)
            run.device.DownloadEnd(&crc);
        return status;
    }
    return SendFile(run, blockSize);
}

// Announces the CnE data and the image; the block size is the smaller answer.
TVCFWDL_STATUS Prot3Family::StartObjects(const TransferRun& run, DWORD& blockSize,
                                         bool& cneStarted) {
    if (DownloadType::HasCnE(run.downloadType)) {
        TVCFWDL_STATUS status = run.device.DownloadStart(ObjectType::CnEData, run.file, &blockSize);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "DownloadProt3: start CnE download failed with TVCFWDL_STATUS 0x%08X.\n",
                    unsigned(status));
            return status;
        }
        cneStarted = true;
    }
    if (DownloadType::HasImage(run.downloadType)) {
        DWORD object = DownloadType::ImageObject(run.downloadType);
        DWORD imageBlockSize = 0;
        TVCFWDL_STATUS status = run.device.DownloadStart(object, run.file, &imageBlockSize);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "DownloadProt3: start image download of type %d failed with TVCFWDL_STATUS "
                    "0x%08X.\n",
                    int(object), unsigned(status));
            return status;
        }
        if (imageBlockSize < blockSize)
            blockSize = imageBlockSize;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

// Every failure here still ends the download, so that the unit leaves its download state.
TVCFWDL_STATUS Prot3Family::SendFile(const TransferRun& run, DWORD blockSize) {
    DWORD crc = 0;
    TVCFWDL_STATUS status = run.file.ResetFilePtr();
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "DownloadProt3: ResetFilePtr failed with TVCFWDL_STATUS 0x%08X.\n",
                unsigned(status));
        run.device.DownloadEnd(&crc);
        return status;
    }
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[blockSize]);
    if (!buffer) {
        run.device.DownloadEnd(&crc);
        return TVCFWDL_STATUS_FAILED;
    }
    RunningCrc32 sent;
    status = SendFileBlocks(run, buffer.get(), blockSize, sent);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        run.device.DownloadEnd(&crc);
        return status;
    }
    status = run.device.DownloadEnd(&crc);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "finishing download failed\n");
        return status;
    }
    // The unit's verdict on what it received: a unit that lost or changed a
    // byte must not be reported as updated.
    if (crc != sent.Value()) {
        FwdlLog(LogType::Error,
                "DownloadObject: crc value returned by the device after download differs from "
                "original crc value\n");
        return TVCFWDL_STATUS_CRC_MISMATCH;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS Prot3Family::SendFileBlocks(const TransferRun& run, BYTE* buffer, DWORD blockSize,
                                           RunningCrc32& sent) {
    uint64_t size = run.file.FileSize();
    DWORD number = 0;
    for (uint64_t offset = 0; offset < size; ++number) {
        uint64_t remaining = size - offset;
        DWORD count = remaining < blockSize ? DWORD(remaining) : blockSize;
        uint32_t got = 0;
        TVCFWDL_STATUS status = run.file.Read(buffer, count, &got);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "DownloadProt3: Read block %u from file failed with TVCFWDL_STATUS 0x%08X.\n",
                    unsigned(number), unsigned(status));
            return status;
        }
        if (got != count) {
            FwdlLog(LogType::Error,
                    "DownloadProt3: Read block %u from file: expected bytes = %u, received = %u.\n",
                    unsigned(number), unsigned(count), unsigned(got));
            return TVCFWDL_STATUS_FAILED;
        }
        status = run.device.DownloadBlock(number, DWORD(offset), buffer, count);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error, "download data block %u failed\n", unsigned(number));
            return status;
        }
        sent.Add(buffer, count);
        run.progress.AddBytesDownloaded(count);
        offset += count;
    }
    return TVCFWDL_STATUS_SUCCESS;
}
