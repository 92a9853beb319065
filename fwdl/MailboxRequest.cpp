#include "MailboxRequest.h"

#include "tvc_fwdl.h"

#include <cstring>

MailboxRequest::MailboxRequest(DWORD code, DWORD timeoutIndex)
    : code_(code), timeoutIndex_(timeoutIndex) {}

void MailboxRequest::Put(size_t offset, DWORD value) {
    uint32_t word = uint32_t(value);
    std::memcpy(record_ + offset, &word, 4);
}

DWORD MailboxRequest::Word(size_t offset) const {
    uint32_t word;
    std::memcpy(&word, record_ + offset, 4);
    return word;
}

MailboxRequest MailboxRequest::Reset(DWORD type) {
    MailboxRequest request(RequestCode::Reset, TVCFWDL_TIMEOUT_RESET);
    request.Put(8, type);
    return request;
}

MailboxRequest MailboxRequest::DownloadStart(DWORD objectType, const TvdHeader& header) {
    MailboxRequest request(RequestCode::DownloadStart, TVCFWDL_TIMEOUT_DOWNLOAD_START);
    bool cne = objectType == ObjectType::CnEData;
    request.Put(8, objectType);
    std::memcpy(request.record_ + 12, header.Bytes() + TvdLayout::Date, 8);
    std::memcpy(request.record_ + 20, header.Bytes() + TvdLayout::Time, 8);
    request.Put(28, header.Word(TvdLayout::FirmwareVersion));
    request.Put(32, header.Word(TvdLayout::FirmwareBuild));
    request.Put(36, cne ? 0 : header.Word(TvdLayout::Image1Address));
    request.Put(40, header.Word(cne ? TvdLayout::CnELength : TvdLayout::Image1Length));
    request.Put(44, header.Word(cne ? TvdLayout::CnECrc : TvdLayout::Image1Crc));
    return request;
}

MailboxRequest MailboxRequest::DownloadBlock(DWORD number, DWORD address, const BYTE* data,
                                             DWORD size) {
    MailboxRequest request(RequestCode::DownloadBlock, TVCFWDL_TIMEOUT_DOWNLOAD_BLOCK);
    request.Put(8, number);
    request.Put(12, address);
    request.Put(16, size);
    request.data_ = data;
    request.dataSize_ = data != nullptr ? size : 0;
    return request;
}

MailboxRequest MailboxRequest::DownloadEnd() {
    return MailboxRequest(RequestCode::DownloadEnd, TVCFWDL_TIMEOUT_DOWNLOAD_END);
}

MailboxRequest MailboxRequest::ProgramGuid(DWORD first, DWORD second) {
    MailboxRequest request(RequestCode::ProgramGuid, TVCFWDL_TIMEOUT_PROGRAM_GUID);
    request.Put(8, first);
    request.Put(12, second);
    return request;
}

MailboxRequest MailboxRequest::InitPersParams() {
    return MailboxRequest(RequestCode::InitPersParams, TVCFWDL_TIMEOUT_INIT_PERS_PARAMS);
}
