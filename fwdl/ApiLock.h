#pragma once
// The one lock every export but TVCFWDL_GetVersion holds from entry to
// return, so that exports never run at the same time.
#include <windows.h>

class ApiLock {
public:
    ApiLock();
    virtual ~ApiLock();
    ApiLock(const ApiLock&) = delete;
    ApiLock& operator=(const ApiLock&) = delete;

    void Enter() { EnterCriticalSection(&m_Lock); }
    void Leave() { LeaveCriticalSection(&m_Lock); }

    // Holds the lock for the lifetime of a scope.
    class Scope {
    public:
        explicit Scope(ApiLock& lock) : m_ApiLock(lock) { m_ApiLock.Enter(); }
        ~Scope() { m_ApiLock.Leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ApiLock& m_ApiLock;
    };

private:
    CRITICAL_SECTION m_Lock;
};
