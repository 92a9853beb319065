#include "TvcDevice.h"

#include "Log.h"
#include "TvcIoctl.h"
#include "TvcStatus.h"

#include <cstring>

namespace {

constexpr DWORD kDefaultTimeouts[TVCFWDL_TIMEOUT_COUNT] = {60000, 40000, 1000, 70000, 30000, 30000};
constexpr DWORD kNoPayload = 0xFFFFFFFF;
constexpr DWORD kPollMs = 20;

DWORD WordAt(const BYTE* bytes, size_t offset) {
    uint32_t value;
    std::memcpy(&value, bytes + offset, 4);
    return value;
}

void PutWord(BYTE* bytes, size_t offset, DWORD value) {
    uint32_t word = uint32_t(value);
    std::memcpy(bytes + offset, &word, 4);
}

TVC_BUS_ADDRESS AddressOf(uint64_t offset) {
    return TVC_BUS_ADDRESS{DWORD(offset & 0xFFFFFFFFu), DWORD((offset >> 32) & 0xFFFF), 0, 0};
}

// Only a download block carries data; the other data names complete the records.
constexpr MailboxSteps kDownloadStartSteps = {"DownloadStart: Write request payload",
                                              "DownloadStart: Request", "DownloadStart: Response",
                                              false};
constexpr MailboxSteps kDownloadBlockSteps = {"DownloadBlock: Write request payload",
                                              "DownloadBlock: Request", "DownloadBlock: Response",
                                              false};
constexpr MailboxSteps kDownloadEndSteps = {"DownloadEnd: Write request payload",
                                            "DownloadEnd: Request", "DownloadEnd: Response", false};
constexpr MailboxSteps kProgramGuidSteps = {"ProgramGuid: Write request payload",
                                            "ProgramGuid: RequestProgramGuid",
                                            "ProgramGuid: ReadResponse", true};
constexpr MailboxSteps kInitPersParamsSteps = {"InitPersParams: Write request payload",
                                               "InitPersParams: RequestInitPersParams",
                                               "InitPersParams: ReadResponse", true};

TVCFWDL_STATUS StepFailed(const char* step, bool withStatus, TVCFWDL_STATUS status) {
    if (withStatus)
        FwdlLog(LogType::Error, "%s failed with TVCFWDL_STATUS 0x%08X.\n", step, unsigned(status));
    else
        FwdlLog(LogType::Error, "%s failed\n", step);
    return status;
}

TVCFWDL_STATUS DeviceError(const char* operation, int32_t code) {
    FwdlLog(LogType::Error, "%s: device responds with error code %d\n", operation, int(code));
    return TVCFWDL_STATUS_DEVICE_ERROR;
}

}  // namespace

TvcDevice::TvcDevice()
    : CTvcCtrl(CTvcCtrl::ForDownload),
      m_IsOpen(false),
      m_RequestCounter(0),
      m_LastRequest(0),
      m_Family(nullptr) {
    ClearDeviceInfo();
    std::memcpy(m_Timeouts, kDefaultTimeouts, sizeof m_Timeouts);
}

TvcDevice::~TvcDevice() = default;

void TvcDevice::ClearDeviceInfo() {
    std::memset(m_DeviceInfoBlock, 0, sizeof m_DeviceInfoBlock);
    std::memset(m_DateTime, 0, sizeof m_DateTime);
}

DWORD TvcDevice::InfoWord(size_t offset) const {
    return WordAt(m_DeviceInfoBlock, offset);
}

TVCFWDL_STATUS TvcDevice::SetTimeout(DWORD index, DWORD milliseconds) {
    if (index >= TVCFWDL_TIMEOUT_COUNT) {
        FwdlLog(LogType::Error, "unknown timeout parameter\n");
        return TVCFWDL_STATUS_INVALID_TIMEOUT_TYPE;
    }
    m_Timeouts[index] = milliseconds;
    return TVCFWDL_STATUS_SUCCESS;
}

DWORD TvcDevice::Read(uint64_t offset, void* buffer, DWORD count, DWORD waitMs) {
    std::memset(buffer, 0, count);
    if (m_hDevice == nullptr)
        return TVC_STATUS_NOT_OPEN;
    TVC_BUS_ADDRESS address = AddressOf(offset);
    DWORD transferred = 0;
    DWORD status = AsyncReadSync(&address, buffer, count, &transferred, waitMs);
    if (status != TVC_STATUS_SUCCESS) {
        std::memset(buffer, 0, count);
        FwdlLog(LogType::Data, "Read: AsyncReadSync returned with result 0x%08X.\n",
                unsigned(status));
        return status;
    }
    if (transferred != count) {
        FwdlLog(LogType::Error, "Read: AsyncReadSync: bytes to read = %u, bytes received = %u.\n",
                unsigned(count), unsigned(transferred));
        std::memset(buffer, 0, count);
        return TVC_STATUS_SHORT_TRANSFER;
    }
    return TVC_STATUS_SUCCESS;
}

DWORD TvcDevice::Write(uint64_t offset, const void* buffer, DWORD count, DWORD waitMs) {
    if (m_hDevice == nullptr)
        return TVC_STATUS_NOT_OPEN;
    TVC_BUS_ADDRESS address = AddressOf(offset);
    DWORD transferred = 0;
    DWORD status = AsyncWriteSync(&address, const_cast<void*>(buffer), count, &transferred, waitMs);
    if (status != TVC_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "Write: AsyncWriteSync returned with result 0x%08X.\n",
                unsigned(status));
        return status;
    }
    if (transferred != count) {
        FwdlLog(LogType::Error, "Write: AsyncWriteSync: bytes to write = %u, bytes written = %u.\n",
                unsigned(count), unsigned(transferred));
        return TVC_STATUS_SHORT_TRANSFER;
    }
    return TVC_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::ReadDeviceInfo() {
    std::memset(m_DeviceInfoBlock, 0, sizeof m_DeviceInfoBlock);
    DWORD status = Read(DeviceLayout::InfoBlockAddress, m_DeviceInfoBlock,
                        DeviceLayout::InfoBlockSize, INFINITE);
    if (status != TVC_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "ReadDeviceInfo: Read failed with error 0x%08X\n",
                unsigned(status));
        return TVCFWDL_STATUS_READ_FAILED;
    }
    // Dates take 8 characters, times 6, each pair 16 bytes of the block.
    const size_t pairs[3] = {DeviceLayout::Date1, DeviceLayout::Date2, DeviceLayout::Date3};
    for (size_t i = 0; i < 3; ++i) {
        std::memset(m_DateTime[2 * i], 0, sizeof m_DateTime[0] * 2);
        std::memcpy(m_DateTime[2 * i], m_DeviceInfoBlock + pairs[i], 8);
        std::memcpy(m_DateTime[2 * i + 1], m_DeviceInfoBlock + pairs[i] + 8, 6);
    }
    return TVCFWDL_STATUS_SUCCESS;
}

DWORD TvcDevice::PayloadWords(DWORD code) {
    switch (code) {
    case RequestCode::Reset: return 1;
    case RequestCode::DownloadStart: return 10;
    case RequestCode::DownloadBlock: return 3;
    case RequestCode::DownloadEnd: return 0;
    case RequestCode::ProgramGuid: return 2;
    case RequestCode::InitPersParams: return 0;
    default: return kNoPayload;
    }
}

TVCFWDL_STATUS TvcDevice::WriteRequest(DWORD code, BYTE* record) {
    FwdlLog(LogType::Data, "TvcDevice::WriteRequest (ID = %u) ...\n",
            unsigned(m_RequestCounter + 1));
    DWORD words = PayloadWords(code);
    if (words == kNoPayload) {
        FwdlLog(LogType::Error, "WriteRequest: unexpected request command code 0x%02x\n",
                unsigned(code));
        return TVCFWDL_STATUS_WRITE_FAILED;
    }
    PutWord(record, 0, InfoWord(DeviceLayout::ProtocolVersion));
    ++m_RequestCounter;
    DWORD word = code * 65536 + (m_RequestCounter % 65536);
    m_LastRequest = word;
    PutWord(record, 4, word + words * 16777216);
    DWORD status = Write(DeviceLayout::RequestAddress, record, DeviceLayout::RecordSize, INFINITE);
    if (status != TVC_STATUS_SUCCESS) {
        FwdlLog(LogType::Error,
                "WriteRequest: Write with command code 0x%02x failed with error 0x%08X.\n",
                unsigned(code), unsigned(status));
        return TVCFWDL_STATUS_WRITE_FAILED;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::ReadResponse(BYTE* record, DWORD timeoutMs) {
    FwdlLog(LogType::Data, "TvcDevice::ReadResponse ...\n");
    std::memset(record, 0, DeviceLayout::RecordSize);
    DWORD start = GetTickCount();
    for (;;) {
        DWORD result =
            Read(DeviceLayout::ResponseAddress, record, DeviceLayout::RecordSize, INFINITE);
        if (result == TVC_STATUS_SUCCESS) {
            DWORD answer = WordAt(record, 4);
            if ((answer & 0xFFFFFF) == m_LastRequest) {
                FwdlLog(LogType::Data, "ReadResponse: response (ID = %u) accepted.\n",
                        unsigned(m_LastRequest & 0xFFFF));
                return TVCFWDL_STATUS_SUCCESS;
            }
            FwdlLog(LogType::Info,
                    "ReadResponse: ignore received response of command 0x%02x (ID = %u)\n",
                    unsigned((answer >> 16) & 0xFF), unsigned(answer & 0xFFFF));
        } else if (result == TVC_STATUS_UNIT_REMOVED) {
            FwdlLog(LogType::Error, "ReadResponse: Read failed with TVC_STATUS = 0x%08X\n",
                    unsigned(result));
            return TVCFWDL_STATUS_READ_FAILED;
        }
        // Unsigned difference: a wrap of the tick counter does not matter.
        if (DWORD(GetTickCount() - start) >= timeoutMs)
            return TimeoutStatus(result, timeoutMs);
        Sleep(kPollMs);
    }
}

TVCFWDL_STATUS TvcDevice::TimeoutStatus(DWORD lastResult, DWORD timeoutMs) {
    DWORD code = (m_LastRequest >> 16) & 0xFF;
    FwdlLog(
        LogType::Error,
        "ReadResponse: Read with command 0x%02x failed with timeout for given timeout period of "
        "%u ms.\nLast result of periodic calls to Read was 0x%08X\n",
        unsigned(code), unsigned(timeoutMs), unsigned(lastResult));
    switch (code) {
    case RequestCode::Reset: return TVCFWDL_STATUS_TIMEOUT_RESET;
    case RequestCode::DownloadStart: return TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_START;
    case RequestCode::DownloadBlock: return TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_BLOCK;
    case RequestCode::DownloadEnd: return TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_END;
    case RequestCode::ProgramGuid: return TVCFWDL_STATUS_TIMEOUT_PROGRAM_GUID;
    case RequestCode::InitPersParams: return TVCFWDL_STATUS_TIMEOUT_INIT_PERS_PARAMS;
    default:
        FwdlLog(LogType::Error, "ReadResponse: no timeout error code for command code 0x%02x\n",
                unsigned(code));
        return TVCFWDL_STATUS_READ_FAILED;
    }
}

TVCFWDL_STATUS TvcDevice::WriteRequestData(const BYTE* data, DWORD count) {
    FwdlLog(LogType::Data, "TvcDevice::WriteRequestData ...\n");
    DWORD status = Write(DeviceLayout::DataAddress, data, count, INFINITE);
    if (status != TVC_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "WriteRequestData: Write data failed with error 0x%08X.\n",
                unsigned(status));
        return TVCFWDL_STATUS_WRITE_FAILED;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

// The data goes out before the request that announces it.
TVCFWDL_STATUS TvcDevice::Transact(MailboxRequest& request, MailboxResponse& response,
                                   const MailboxSteps& steps) {
    TVCFWDL_STATUS status = TVCFWDL_STATUS_SUCCESS;
    if (request.Data() != nullptr) {
        status = WriteRequestData(request.Data(), request.DataSize());
        if (status != TVCFWDL_STATUS_SUCCESS)
            return StepFailed(steps.data, steps.withStatus, status);
    }
    status = WriteRequest(request.Code(), request.Record());
    if (status != TVCFWDL_STATUS_SUCCESS)
        return StepFailed(steps.request, steps.withStatus, status);
    status = ReadResponse(response.Record(), m_Timeouts[request.TimeoutIndex()]);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return StepFailed(steps.response, steps.withStatus, status);
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::RequestReset(DWORD type) {
    MailboxRequest request = MailboxRequest::Reset(type);
    return WriteRequest(request.Code(), request.Record());
}

TVCFWDL_STATUS TvcDevice::RequestDownloadStart(DWORD objectType, const TvdFile& file,
                                               std::optional<MailboxRequest>& request) {
    FwdlLog(LogType::Info, "TvcDevice::RequestDownloadStart(object type = %d) ...\n",
            int(objectType));
    if (objectType == 2 || objectType == 4 || objectType == 5) {
        FwdlLog(LogType::Error,
                "RequestDownloadStart: download of object type %u is not implemented\n",
                unsigned(objectType));
        return TVCFWDL_STATUS_NOT_SUPPORTED;
    }
    if (objectType > 5) {
        FwdlLog(LogType::Error, "RequestDownloadStart: unexpected object type %u to download\n",
                unsigned(objectType));
        return TVCFWDL_STATUS_NOT_SUPPORTED;
    }
    if (file.FileVersion() > 1) {
        FwdlLog(LogType::Error, "RequestDownloadStart: unexpected file version %u.\n",
                unsigned(file.FileVersion()));
        return TVCFWDL_STATUS_FAILED;
    }
    request = MailboxRequest::DownloadStart(objectType, file.Header());
    FwdlLog(LogType::Info, "RequestDownloadStart: starting request with object length = %u ...\n",
            unsigned(request->Word(40)));
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::RequestDownloadBlock(DWORD number, DWORD address, DWORD size) {
    MailboxRequest request = MailboxRequest::DownloadBlock(number, address, nullptr, size);
    return WriteRequest(request.Code(), request.Record());
}

TVCFWDL_STATUS TvcDevice::DownloadStart(DWORD objectType, TvdFile& file, DWORD* blockSize) {
    FwdlLog(LogType::Info, "executing download start...\n");
    std::optional<MailboxRequest> request;
    TVCFWDL_STATUS status = RequestDownloadStart(objectType, file, request);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return StepFailed(kDownloadStartSteps.request, kDownloadStartSteps.withStatus, status);
    MailboxResponse response;
    status = Transact(*request, response, kDownloadStartSteps);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    int32_t answer = response.BlockSizeOrError();
    if (answer < 0)
        return DeviceError("DownloadStart", answer);
    // A block size of 0 would make the block loops send empty blocks forever.
    if (answer == 0) {
        FwdlLog(LogType::Error, "DownloadStart: device responds with block size 0\n");
        return TVCFWDL_STATUS_DEVICE_ERROR;
    }
    *blockSize = DWORD(answer);
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::DownloadBlock(DWORD number, DWORD address, const BYTE* data, DWORD size) {
    FwdlLog(LogType::Info,
            "executing download block: sequence number = %u, block size = %u, block address = "
            "0x%08X ...\n",
            unsigned(number), unsigned(size), unsigned(address));
    MailboxRequest request = MailboxRequest::DownloadBlock(number, address, data, size);
    MailboxResponse response;
    TVCFWDL_STATUS status = Transact(request, response, kDownloadBlockSteps);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    if (response.BlockNumber() != number) {
        FwdlLog(
            LogType::Error,
            "DownloadBlock: request sequence number %u differs from response sequence number %u\n",
            unsigned(number), unsigned(response.BlockNumber()));
        return TVCFWDL_STATUS_NOT_SUPPORTED;
    }
    if (response.Status() < 0)
        return DeviceError("DownloadBlock", response.Status());
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::DownloadEnd(DWORD* crc) {
    FwdlLog(LogType::Info, "executing download end...\n");
    MailboxRequest request = MailboxRequest::DownloadEnd();
    MailboxResponse response;
    TVCFWDL_STATUS status = Transact(request, response, kDownloadEndSteps);
    if (status != TVCFWDL_STATUS_SUCCESS)
        return status;
    *crc = response.Crc();
    if (response.Status() < 0)
        return DeviceError("DownloadEnd", response.Status());
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::DownloadObject(DWORD objectType, TvdFile& file, DownloadStatus& status) {
    FwdlLog(LogType::Info, "TvcDevice::DownloadObject ...\n");
    if (file.FileVersion() != 0) {
        FwdlLog(LogType::Error, "DownloadObject: file version 0 expected.\n");
        return TVCFWDL_STATUS_FAILED;
    }
    ObjectData object{};
    TVCFWDL_STATUS result = ObjectOf(objectType, file, object);
    if (result != TVCFWDL_STATUS_SUCCESS)
        return result;
    DWORD blockSize = 0;
    result = DownloadStart(objectType, file, &blockSize);
    if (result != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error,
                "DownloadObject: DownloadStart failed with TVCFWDL_STATUS 0x%08X.\n",
                unsigned(result));
        return result;
    }
    result = SendBlocks(object, blockSize, status);
    if (result != TVCFWDL_STATUS_SUCCESS)
        return result;
    DWORD crc = 0;
    result = DownloadEnd(&crc);
    if (result != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "DownloadObject:DownloadEnd failed with TVCFWDL_STATUS = 0x%08X\n",
                unsigned(result));
        return result;
    }
    if (crc != object.Crc) {
        FwdlLog(LogType::Error,
                "DownloadObject: crc value returned by the device after download differs from "
                "original crc value\n");
        return TVCFWDL_STATUS_CRC_MISMATCH;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::ObjectOf(DWORD objectType, TvdFile& file, ObjectData& object) {
    if (objectType > 5) {
        FwdlLog(LogType::Error, "DownloadObject: unexpected object type %u to download\n",
                unsigned(objectType));
        return TVCFWDL_STATUS_NOT_SUPPORTED;
    }
    if (objectType == 2 || objectType == 4 || objectType == 5) {
        FwdlLog(LogType::Error, "DownloadObject: download of object type %u is not implemented\n",
                unsigned(objectType));
        return TVCFWDL_STATUS_NOT_SUPPORTED;
    }
    return objectType == ObjectType::CnEData ? CnEOf(file, object)
                                             : ImageOf(objectType, file, object);
}

TVCFWDL_STATUS TvcDevice::ImageOf(DWORD objectType, TvdFile& file, ObjectData& object) {
    FwdlLog(LogType::Info, "DownloadObject: download %s...\n",
            objectType == ObjectType::Program ? "program" : "bootloader");
    const TvdHeader& header = file.Header();
    DWORD length = header.Word(TvdLayout::Image1Length);
    DWORD maximum = InfoWord(DeviceLayout::MaxImageLength);
    if (length > maximum) {
        FwdlLog(LogType::Error,
                "DownloadObject: TVD file image is too large ->lenght = %u, max length accepted by "
                "the device = %u.\n",
                unsigned(length), unsigned(maximum));
        return TVCFWDL_STATUS_IMAGE_TOO_LARGE;
    }
    TVCFWDL_STATUS status = file.GetImage1(&object.Data);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "DownloadObject: GetImage1 failed with TVCFWDL_STATUS 0x%08X.\n",
                unsigned(status));
        return status;
    }
    if (object.Data == nullptr) {
        FwdlLog(LogType::Error, "DownloadObject: TVD file doesn't contain image.\n");
        return TVCFWDL_STATUS_NO_IMAGE;
    }
    object.Address = header.Word(TvdLayout::Image1Address);
    object.Length = length;
    object.Crc = header.Word(TvdLayout::Image1Crc);
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::CnEOf(TvdFile& file, ObjectData& object) {
    FwdlLog(LogType::Info, "DownloadObject: download CnE data...\n");
    TVCFWDL_STATUS status = file.GetCnE(&object.Data);
    if (status != TVCFWDL_STATUS_SUCCESS) {
        FwdlLog(LogType::Error, "DownloadObject: GetCnE failed with TVCFWDL_STATUS 0x%08X.\n",
                unsigned(status));
        return status;
    }
    if (object.Data == nullptr) {
        FwdlLog(LogType::Error, "DownloadObject: TVD file dosn't contain CnE data.\n");
        return TVCFWDL_STATUS_NO_CNE_DATA;
    }
    object.Address = 0;
    object.Length = file.Header().Word(TvdLayout::CnELength);
    object.Crc = file.Header().Word(TvdLayout::CnECrc);
    return TVCFWDL_STATUS_SUCCESS;
}

// A failing block still ends the download, so that the unit leaves its download state.
TVCFWDL_STATUS TvcDevice::SendBlocks(const ObjectData& object, DWORD blockSize,
                                     DownloadStatus& status) {
    DWORD number = 0;
    for (DWORD offset = 0; offset < object.Length; ++number) {
        DWORD remaining = object.Length - offset;
        DWORD size = blockSize < remaining ? blockSize : remaining;
        TVCFWDL_STATUS result =
            DownloadBlock(number, object.Address + offset, object.Data + offset, size);
        if (result != TVCFWDL_STATUS_SUCCESS) {
            FwdlLog(LogType::Error,
                    "DownloadObject: DownloadBlock %d failed with TVCFWDL_STATUS 0x%08X.\n",
                    int(number), unsigned(result));
            FwdlLog(
                LogType::Info,
                "DownloadObject: download will be aborted by sending 'download end' request...\n");
            DWORD crc = 0;
            TVCFWDL_STATUS ended = DownloadEnd(&crc);
            if (ended != TVCFWDL_STATUS_SUCCESS)
                FwdlLog(LogType::Error,
                        "DownloadObject: DownloadEnd failed with TVCFWDL_STATUS = 0x%08X\n",
                        unsigned(ended));
            return result;
        }
        status.AddBytesDownloaded(size);
        offset += size;
    }
    return TVCFWDL_STATUS_SUCCESS;
}

TVCFWDL_STATUS TvcDevice::ProgramGuid(DWORD first, DWORD second) {
    FwdlLog(LogType::Info, "TvcDevice::ProgramGuid ...\n");
    if (!m_IsOpen) {
        FwdlLog(LogType::Error, "ProgramGuid: device is not open.\n");
        return TVCFWDL_STATUS_DEVICE_NOT_OPEN;
    }
    MailboxRequest request = MailboxRequest::ProgramGuid(first, second);
    MailboxResponse response;
    return Transact(request, response, kProgramGuidSteps);
}

TVCFWDL_STATUS TvcDevice::InitPersParams() {
    FwdlLog(LogType::Info, "TvcDevice::InitPersParams ...\n");
    if (!m_IsOpen) {
        FwdlLog(LogType::Error, "InitPersParams: device is not open.\n");
        return TVCFWDL_STATUS_DEVICE_NOT_OPEN;
    }
    MailboxRequest request = MailboxRequest::InitPersParams();
    MailboxResponse response;
    return Transact(request, response, kInitPersParamsSteps);
}

TVCFWDL_STATUS TvcDevice::GetResetGenCount(DWORD* count) {
    FwdlLog(LogType::Data, "TvcDevice::GetResetGenCount ...\n");
    *count = 0;
    DWORD status = Ioctl(IOCTL_TVC_GET_RESET_GENERATION, nullptr, 0, count, sizeof *count);
    if (status != TVC_STATUS_SUCCESS) {
        FwdlLog(LogType::Error,
                "GetResetGenCount: GetResetGenerationCount failed with XBUS_STATUS 0x%08X.\n",
                unsigned(status));
        return TVCFWDL_STATUS_READ_FAILED;
    }
    return TVCFWDL_STATUS_SUCCESS;
}
