#pragma once
// Holds a unit for one download across processes: a second updater that
// starts on the same unit while a download runs is refused instead of
// interleaving its blocks with ours.
#include "tvc_fwdl.h"

#include <windows.h>

class UnitLock {
public:
    UnitLock() = default;
    ~UnitLock();
    UnitLock(const UnitLock&) = delete;
    UnitLock& operator=(const UnitLock&) = delete;

    // 0 when held; 35 when another download holds the unit; 1 when the
    // system refuses the name. guid: the 8 bytes of the unit's GUID.
    TVCFWDL_STATUS Acquire(const BYTE* guid);
    void Release();

private:
    HANDLE m_Handle = nullptr;
};
