#include "win_thread.h"

#include "HandleTable.h"
#include "ThreadObject.h"

#include <sys/syscall.h>
#include <unistd.h>

DWORD GetCurrentThreadId() {
    return DWORD(::syscall(SYS_gettid));
}

DWORD ResumeThread(HANDLE thread) {
    std::shared_ptr<ThreadObject> object = HandleTable::getAs<ThreadObject>(thread);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return DWORD(-1);
    }
    return object->resume();
}
