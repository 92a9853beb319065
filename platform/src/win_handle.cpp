#include "win_handle.h"

#include "HandleTable.h"
#include "SimClock.h"
#include "SimNamedLock.h"
#include "Waitable.h"

namespace {

class NamedMutex : public KernelObject {
public:
    explicit NamedMutex(const char* name) : lock_(name) {}
    const SimNamedLock& lock() const { return lock_; }

private:
    SimNamedLock lock_;
};

}  // namespace

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

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR name) {
    if (name == nullptr || *name == '\0') {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    auto mutex = std::make_shared<NamedMutex>(name);
    if (!mutex->lock().held()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    HANDLE handle = HandleTable::add(mutex);
    SetLastError(mutex->lock().existed() ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
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
