#include "win_handle.h"

#include "HandleTable.h"
#include "SimClock.h"
#include "Waitable.h"

BOOL CloseHandle(HANDLE object) {
    if (!HandleTable::remove(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

HANDLE CreateEventA(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCSTR) {
    return HandleTable::add(
        std::make_shared<Waitable>(manualReset != FALSE, initialState != FALSE));
}

BOOL SetEvent(HANDLE event) {
    std::shared_ptr<Waitable> object = HandleTable::getAs<Waitable>(event);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    object->set();
    return TRUE;
}

BOOL ResetEvent(HANDLE event) {
    std::shared_ptr<Waitable> object = HandleTable::getAs<Waitable>(event);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    object->reset();
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
    std::shared_ptr<Waitable> waitable = HandleTable::getAs<Waitable>(object);
    if (!waitable) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    bool forever = milliseconds == INFINITE;
    auto limit = forever ? std::chrono::nanoseconds(0) : SimClock::realDuration(milliseconds);
    return waitable->wait(limit, forever) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}
