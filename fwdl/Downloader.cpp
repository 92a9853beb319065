#include "Downloader.h"

#include "Log.h"

#include <new>

namespace {

bool HasCnE(DWORD type) {
    return type == DownloadType::CnEAndProgram || type == DownloadType::CnEOnly;
}

bool HasImage(DWORD type) {
    return type != DownloadType::CnEOnly;
}

DWORD ImageObject(DWORD type) {
    return type == DownloadType::Bootloader ? ObjectType::Bootloader : ObjectType::Program;
}

bool KnownType(DWORD type) {
    return type >= DownloadType::CnEAndProgram && type <= DownloadType::Bootloader;
}

}  // namespace

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
    DWORD protocol = device->InfoWord(DeviceLayout::ProtocolVersion);
    if (protocol == 0 || protocol > 3) {
        *conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_UNSUPPORTED_PROTOCOL;
        FwdlLog(LogType::Info, "CheckDownload: device with unsupported protocol version %u\n",
                unsigned(protocol));
        return TVCFWDL_STATUS_SUCCESS;
    }
    if (protocol == 3)
        CheckProt3(*file, *device, *conditions);
    else
        CheckProt1and2(*file, *device, *conditions);
    if ((*conditions & TVCFWDL_COND_INCOMPATIBLE) == 0)
        CheckCnEAndAge(*file, *device, *conditions);
    return TVCFWDL_STATUS_SUCCESS;
}

bool Downloader::HardwareDiffers(TvdFile& file, TvcDevice& device) const {
    DWORD compatible = file.Header().Word(TvdLayout::CompatibleHardwareVersion);
    DWORD model = device.InfoWord(DeviceLayout::HardwareModelID);
    if (m_IgnoreHardware || compatible == model)
        return false;
    FwdlLog(LogType::Info,
            "CheckDownload: hardware version mismatch: CompatibleHardwareVersion (file) = 0x%X, "
            "HardwareModelID (device) = 0x%X\n",
            unsigned(compatible), unsigned(model));
    return true;
}

void Downloader::CheckProt1and2(TvdFile& file, TvcDevice& device, DWORD& conditions) const {
    DWORD protocol = device.InfoWord(DeviceLayout::ProtocolVersion);
    if (file.FileVersion() != 0) {
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_FILE_VERSION_MISMATCH;
        FwdlLog(LogType::Info,
                "CheckDownload: device protocol = %u, expected file version = 0, given file "
                "version = %u\n",
                unsigned(protocol), unsigned(file.FileVersion()));
        return;
    }
    if (HardwareDiffers(file, device))
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_HARDWARE_MISMATCH;
}

void Downloader::CheckProt3(TvdFile& file, TvcDevice& device, DWORD& conditions) const {
    if (file.FileVersion() != 1) {
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_FILE_VERSION_MISMATCH;
        FwdlLog(LogType::Info,
                "CheckDownload: device protocol = %u, expected file version = 1, given file "
                "version = %u\n",
                unsigned(3), unsigned(file.FileVersion()));
        return;
    }
    if (HardwareDiffers(file, device))
        conditions = TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_HARDWARE_MISMATCH;
    const BYTE* vendor = file.Header().Bytes() + TvdLayout::NodeVendorId;
    const BYTE* guid = device.DeviceInfoBlock() + DeviceLayout::Guid;
    if (!m_IgnoreVendor && (vendor[0] != guid[1] || vendor[1] != guid[2] || vendor[2] != guid[3])) {
        conditions |= TVCFWDL_COND_INCOMPATIBLE | TVCFWDL_COND_VENDOR_MISMATCH;
        FwdlLog(
            LogType::Info,
            "CheckDownload: vendor ID mismatch: NodeVendorId (file) = 0x%02X%02X%02X, upper Guid "
            "bytes (device) = 0x%02X%02X%02X\n",
            vendor[0], vendor[1], vendor[2], guid[3], guid[2], guid[1]);
    }
}

void Downloader::CheckCnEAndAge(TvdFile& file, TvcDevice& device, DWORD& conditions) const {
    DWORD fileVersion = file.Header().Word(TvdLayout::FirmwareVersion);
    DWORD fileBuild = file.Header().Word(TvdLayout::FirmwareBuild);
    DWORD unitVersion = device.InfoWord(DeviceLayout::FirmwareVersion);
    DWORD unitBuild = device.InfoWord(DeviceLayout::FirmwareBuild);
    bool cneNeeded = HasCnE(m_DownloadType) || (m_DownloadType == DownloadType::Program &&
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

TVCFWDL_STATUS Downloader::DownloadProt1and2() {
    FwdlLog(LogType::Info, "Downloader::DownloadProt1and2 ...\n");
    if (m_Device == nullptr || !m_Device->IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt1and2: device is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (!m_File || !m_File->IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt1and2: file is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (m_File->FileVersion() != 0) {
        FwdlLog(LogType::Error, "DownloadProt1and2: file version 0 expected.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (!KnownType(m_DownloadType)) {
        FwdlLog(LogType::Error, "DownloadProt1and2: unknown image type %d to download.\n",
                int(m_DownloadType));
        return TVCFWDL_STATUS_FAILED;
    }
    const TvdHeader& header = m_File->Header();
    DWORD total = HasImage(m_DownloadType) ? header.Word(TvdLayout::Image1Length) : 0;
    if (HasCnE(m_DownloadType))
        total += header.Word(TvdLayout::CnELength);
    m_Status.SetTotalBytes(total);
    if (HasCnE(m_DownloadType)) {
        TVCFWDL_STATUS status = m_Device->DownloadObject(ObjectType::CnEData, *m_File, m_Status);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error, "DownloadProt1and2: Download of CnE data failed.\n");
            return status;
        }
    }
    if (HasImage(m_DownloadType)) {
        DWORD object = ImageObject(m_DownloadType);
        TVCFWDL_STATUS status = m_Device->DownloadObject(object, *m_File, m_Status);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "DownloadProt1and2: Download of image data of type %d failed.\n", int(object));
            return status;
        }
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS Downloader::DownloadProt3() {
    FwdlLog(LogType::Info, "Downloader::DownloadProt3 ...\n");
    if (m_Device == nullptr || !m_Device->IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt3: device is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (!m_File || !m_File->IsOpen()) {
        FwdlLog(LogType::Error, "DownloadProt3: file is not open.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (m_File->FileVersion() != 1) {
        FwdlLog(LogType::Error, "DownloadProt3: file version 1 expected.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    if (!KnownType(m_DownloadType))
        return TVCFWDL_STATUS_FAILED;
    m_Status.SetTotalBytes(DWORD(m_File->FileSize()));
    DWORD blockSize = 0xFFFFFFFF;
    bool cneStarted = false;
    TVCFWDL_STATUS status = StartProt3Objects(blockSize, cneStarted);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        DWORD crc = 0;
        if (cneStarted)
            m_Device->DownloadEnd(&crc);
        return status;
    }
    return SendFile(blockSize);
}

// Announces the CnE data and the image; the block size is the smaller answer.
TVCFWDL_STATUS Downloader::StartProt3Objects(DWORD& blockSize, bool& cneStarted) {
    if (HasCnE(m_DownloadType)) {
        TVCFWDL_STATUS status = m_Device->DownloadStart(ObjectType::CnEData, *m_File, &blockSize);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "DownloadProt3: start CnE download failed with TVCFWDL_STATUS 0x%08X.\n",
                    unsigned(status));
            return status;
        }
        cneStarted = true;
    }
    if (HasImage(m_DownloadType)) {
        DWORD object = ImageObject(m_DownloadType);
        DWORD imageBlockSize = 0;
        TVCFWDL_STATUS status = m_Device->DownloadStart(object, *m_File, &imageBlockSize);
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
TVCFWDL_STATUS Downloader::SendFile(DWORD blockSize) {
    DWORD crc = 0;
    TVCFWDL_STATUS status = m_File->ResetFilePtr();
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "DownloadProt3: ResetFilePtr failed with TVCFWDL_STATUS 0x%08X.\n",
                unsigned(status));
        m_Device->DownloadEnd(&crc);
        return status;
    }
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[blockSize]);
    if (!buffer) {
        m_Device->DownloadEnd(&crc);
        return TVCFWDL_STATUS_FAILED;
    }
    RunningCrc32 sent;
    status = SendFileBlocks(buffer.get(), blockSize, sent);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        m_Device->DownloadEnd(&crc);
        return status;
    }
    status = m_Device->DownloadEnd(&crc);
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

TVCFWDL_STATUS Downloader::SendFileBlocks(BYTE* buffer, DWORD blockSize, RunningCrc32& sent) {
    uint64_t size = m_File->FileSize();
    DWORD number = 0;
    for (uint64_t offset = 0; offset < size; ++number) {
        uint64_t remaining = size - offset;
        DWORD count = remaining < blockSize ? DWORD(remaining) : blockSize;
        uint32_t got = 0;
        TVCFWDL_STATUS status = m_File->Read(buffer, count, &got);
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
        status = m_Device->DownloadBlock(number, DWORD(offset), buffer, count);
        if (status != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error, "download data block %u failed\n", unsigned(number));
            return status;
        }
        sent.Add(buffer, count);
        m_Status.AddBytesDownloaded(count);
        offset += count;
    }
    return TVCFWDL_STATUS_SUCCESS;
}
