#include "DownloadStatus.h"

#include "CAutoLock.h"

DownloadStatus::DownloadStatus() : m_BytesDownloaded(0), m_TotalBytes(0), m_Status(0) {
    InitializeCriticalSection(&m_Lock);
}

DownloadStatus::~DownloadStatus() {
    DeleteCriticalSection(&m_Lock);
}

void DownloadStatus::Reset() {
    CAutoLock guard(m_Lock);
    m_BytesDownloaded = 0;
    m_TotalBytes = 0;
    m_Status = 0;
}

void DownloadStatus::SetTotalBytes(DWORD total) {
    CAutoLock guard(m_Lock);
    m_TotalBytes = total;
}

void DownloadStatus::AddBytesDownloaded(DWORD count) {
    CAutoLock guard(m_Lock);
    m_BytesDownloaded += count;
}

void DownloadStatus::SetStatus(DWORD status) {
    CAutoLock guard(m_Lock);
    m_Status = status;
}

DWORD DownloadStatus::BytesDownloaded() {
    CAutoLock guard(m_Lock);
    return m_BytesDownloaded;
}

DWORD DownloadStatus::TotalBytes() {
    CAutoLock guard(m_Lock);
    return m_TotalBytes;
}

DWORD DownloadStatus::Status() {
    CAutoLock guard(m_Lock);
    return m_Status;
}
