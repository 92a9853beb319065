#pragma once
// The unit's download protocol: its information block, and the request,
// data and response windows through which objects are downloaded in blocks
// and the unit is reset between its application and its bootloader.
#include "CTvcCtrl.h"
#include "DownloadStatus.h"
#include "MailboxRequest.h"
#include "MailboxResponse.h"
#include "ProtocolFamily.h"
#include "TvdFile.h"
#include "tvc_fwdl.h"

#include <cstdint>
#include <optional>

namespace DeviceLayout {
constexpr uint64_t InfoBlockAddress = 0xFFFFC8020000ull;
constexpr uint64_t RequestAddress = 0xFFFFC8021000ull;
constexpr uint64_t DataAddress = 0xFFFFC8021040ull;
constexpr uint64_t ResponseAddress = 0xFFFFC8029000ull;
constexpr DWORD InfoBlockSize = 104;
constexpr DWORD RecordSize = 64;

// Offsets in the information block.
constexpr size_t Magic = 0;
constexpr size_t ProtocolVersion = 8;
constexpr size_t BootloaderMode = 12;
constexpr size_t Guid = 16;
constexpr size_t HardwareModelID = 24;
constexpr size_t Date1 = 32;
constexpr size_t FirmwareVersion = 48;
constexpr size_t FirmwareBuild = 52;
constexpr size_t MaxImageLength = 60;
constexpr size_t Date2 = 64;
constexpr size_t Date3 = 80;

constexpr char ManufacturerMagic[] = "tarvicAq";
}  // namespace DeviceLayout

// How the log names the steps of one mailbox transaction when they fail:
// "<step> failed\n", or with " with TVCFWDL_STATUS 0x%08X.\n" instead.
struct MailboxSteps {
    const char* data;  // writing the block data of a request that carries some
    const char* request;
    const char* response;
    bool withStatus;
};

constexpr DWORD TVCFWDL_TIMEOUT_COUNT = 6;
// A bus transfer moved fewer bytes than asked.
constexpr DWORD TVC_STATUS_SHORT_TRANSFER = 0xE0000304;

class TvcDevice : public CTvcCtrl {
public:
    TvcDevice();
    ~TvcDevice() override;

    virtual TVCFWDL_STATUS SetTimeout(DWORD index, DWORD milliseconds);
    virtual TVCFWDL_STATUS DownloadStart(DWORD objectType, TvdFile& file, DWORD* blockSize);
    virtual TVCFWDL_STATUS DownloadBlock(DWORD number, DWORD address, const BYTE* data, DWORD size);
    virtual TVCFWDL_STATUS DownloadObject(DWORD objectType, TvdFile& file, DownloadStatus& status);
    virtual TVCFWDL_STATUS DownloadEnd(DWORD* crc);
    virtual TVCFWDL_STATUS ProgramGuid(DWORD first, DWORD second);
    virtual TVCFWDL_STATUS InitPersParams();
    virtual DWORD Read(uint64_t offset, void* buffer, DWORD count, DWORD waitMs);
    virtual DWORD Write(uint64_t offset, const void* buffer, DWORD count, DWORD waitMs);
    virtual TVCFWDL_STATUS ReadDeviceInfo();
    virtual TVCFWDL_STATUS RequestReset(DWORD type);
    // The download-start request for an object of the file; 1 or 31, and
    // nothing built, for a file version or object type the unit cannot take.
    virtual TVCFWDL_STATUS RequestDownloadStart(DWORD objectType, const TvdFile& file,
                                                std::optional<MailboxRequest>& request);
    virtual TVCFWDL_STATUS RequestDownloadBlock(DWORD number, DWORD address, DWORD size);
    virtual TVCFWDL_STATUS WriteRequest(DWORD code, BYTE* record);
    virtual TVCFWDL_STATUS ReadResponse(BYTE* record, DWORD timeoutMs);
    virtual TVCFWDL_STATUS WriteRequestData(const BYTE* data, DWORD count);
    virtual TVCFWDL_STATUS GetResetGenCount(DWORD* count);

    // One exchange through the mailbox: the block data, the request, then
    // its answer polled within the request's timeout. 0 with the response
    // filled, else the failing step's status, logged with its step name.
    TVCFWDL_STATUS Transact(MailboxRequest& request, MailboxResponse& response,
                            const MailboxSteps& steps);

    bool IsOpen() const { return m_IsOpen; }
    const BYTE* DeviceInfoBlock() const { return m_DeviceInfoBlock; }
    DWORD InfoWord(size_t offset) const;
    DWORD Timeout(DWORD index) const { return m_Timeouts[index]; }
    DWORD RequestCounter() const { return m_RequestCounter; }
    // Null until the unit is opened, and for a protocol version no family speaks.
    const ProtocolFamily* Family() const { return m_Family; }

protected:
    void ClearDeviceInfo();

    BYTE m_DeviceInfoBlock[DeviceLayout::InfoBlockSize];
    char m_DateTime[6][9];
    bool m_IsOpen;
    DWORD m_RequestCounter;
    DWORD m_LastRequest;
    DWORD m_Timeouts[TVCFWDL_TIMEOUT_COUNT];
    const ProtocolFamily* m_Family;

private:
    struct ObjectData {
        DWORD Address;
        DWORD Length;
        DWORD Crc;
        const BYTE* Data;
    };

    TVCFWDL_STATUS ObjectOf(DWORD objectType, TvdFile& file, ObjectData& object);
    TVCFWDL_STATUS ImageOf(DWORD objectType, TvdFile& file, ObjectData& object);
    TVCFWDL_STATUS CnEOf(TvdFile& file, ObjectData& object);
    TVCFWDL_STATUS SendBlocks(const ObjectData& object, DWORD blockSize, DownloadStatus& status);
    TVCFWDL_STATUS TimeoutStatus(DWORD lastResult, DWORD timeoutMs);
    static DWORD PayloadWords(DWORD code);
};
