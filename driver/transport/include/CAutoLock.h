#pragma once
#include <windows.h>

// Holds a critical section for the lifetime of a scope.
class CAutoLock {
public:
    explicit CAutoLock(CRITICAL_SECTION& section) : m_Section(section) {
        EnterCriticalSection(&m_Section);
    }
    ~CAutoLock() { LeaveCriticalSection(&m_Section); }
    CAutoLock(const CAutoLock&) = delete;
    CAutoLock& operator=(const CAutoLock&) = delete;

private:
    CRITICAL_SECTION& m_Section;
};
