#include "process.h"

#include "HandleTable.h"
#include "ThreadObject.h"
#include "win_thread.h"

#include <cerrno>
#include <system_error>
#include <thread>

uintptr_t _beginthreadex(void*, unsigned, _beginthreadex_proc_type start, void* argument,
                         unsigned initFlag, unsigned* threadId) {
    if (start == nullptr) {
        errno = EINVAL;
        return 0;
    }
    auto object = std::make_shared<ThreadObject>((initFlag & CREATE_SUSPENDED) != 0);
    try {
        std::thread([object, start, argument] {
            object->announce(unsigned(GetCurrentThreadId()));
            object->waitUntilResumed();
            start(argument);
            object->set();
        }).detach();
    } catch (const std::system_error&) {
        errno = EAGAIN;
        return 0;
    }
    unsigned id = object->waitForId();
    if (threadId != nullptr)
        *threadId = id;
    return reinterpret_cast<uintptr_t>(HandleTable::add(object));
}
