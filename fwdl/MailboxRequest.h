#pragma once
// One request of the download mailbox as a typed record: its code, the
// 64-byte record with the payload in place, the block data that goes out
// ahead of it, and which timeout its answer gets.
#include "TvdHeader.h"

#include <windows.h>

#include <cstddef>

namespace RequestCode {
constexpr DWORD Reset = 2;
constexpr DWORD DownloadStart = 4;
constexpr DWORD DownloadBlock = 5;
constexpr DWORD DownloadEnd = 6;
constexpr DWORD ProgramGuid = 10;
constexpr DWORD InitPersParams = 12;
}  // namespace RequestCode

namespace ObjectType {
constexpr DWORD Program = 0;
constexpr DWORD CnEData = 1;
constexpr DWORD Bootloader = 3;
}  // namespace ObjectType

class MailboxRequest {
public:
    static constexpr DWORD RecordSize = 64;

    // Its answer is not read: the unit's return is awaited within timeout 0.
    static MailboxRequest Reset(DWORD type);
    // The image's or (object 1) the CnE data's fields of the file header.
    static MailboxRequest DownloadStart(DWORD objectType, const TvdHeader& header);
    // Without data only the announcing request is written.
    static MailboxRequest DownloadBlock(DWORD number, DWORD address, const BYTE* data, DWORD size);
    static MailboxRequest DownloadEnd();
    static MailboxRequest ProgramGuid(DWORD first, DWORD second);
    static MailboxRequest InitPersParams();

    DWORD Code() const { return code_; }
    BYTE* Record() { return record_; }
    DWORD Word(size_t offset) const;
    const BYTE* Data() const { return data_; }
    DWORD DataSize() const { return dataSize_; }
    // Index of the device's timeout for the answer.
    DWORD TimeoutIndex() const { return timeoutIndex_; }

private:
    MailboxRequest(DWORD code, DWORD timeoutIndex);
    void Put(size_t offset, DWORD value);

    DWORD code_;
    DWORD timeoutIndex_;
    BYTE record_[RecordSize] = {};
    const BYTE* data_ = nullptr;
    DWORD dataSize_ = 0;
};
