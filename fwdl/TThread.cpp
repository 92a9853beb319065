#include "TThread.h"

#include "Log.h"

#include <process.h>

#include <cerrno>

DWORD TThread::Start() {
    std::lock_guard<std::mutex> guard(handleLock_);
    if (thread_.load() != nullptr) {
        FwdlLog(LogType::Error, "Start: thread is already running\n");
        return 1;
    }
    FwdlLog(LogType::Info, "Start: starting new thread ...\n");
    stopEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (stopEvent_ == nullptr) {
        DWORD error = GetLastError();
        FwdlLog(LogType::Error, "Start: create stop event failed with error = 0x%08X.\n", unsigned(error));
        return error;
    }
    unsigned threadId = 0;
    HANDLE thread = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &TThread::Run_ThreadRoutine, this, CREATE_SUSPENDED, &threadId));
    if (thread == nullptr) {
        FwdlLog(LogType::Error, "Start: _beginthreadex failed with errno = 0x%08X.\n", unsigned(errno));
        CloseHandle(stopEvent_);
        stopEvent_ = nullptr;
        return 1;
    }
    thread_ = thread;
    if (ResumeThread(thread) == DWORD(-1)) {
        DWORD error = GetLastError();
        FwdlLog(LogType::Error, "Start: ResumeThread failed with error = 0x%08X.\n", unsigned(error));
        CloseHandle(thread);
        CloseHandle(stopEvent_);
        thread_ = nullptr;
        stopEvent_ = nullptr;
        return error;
    }
    FwdlLog(LogType::Info, "Start: thread with thread ID 0x%X started.\n", threadId);
    return 0;
}

void TThread::Stop() {
    std::unique_lock<std::mutex> guard(handleLock_);
    if (thread_.load() == nullptr) {
        FwdlLog(LogType::Error, "Stop: no running thread to stop.\n");
        return;
    }
    FwdlLog(LogType::Info, "Stop: stopping thread...\n");
    if (!SetEvent(stopEvent_)) {
        FwdlLog(LogType::Error, "Stop: set event that stops the thread failed with error = 0x%08X.\n",
                unsigned(GetLastError()));
        return;
    }
    released_.wait(guard, [this] { return thread_.load() == nullptr; });
    FwdlLog(LogType::Info, "Stop: thread stopped.\n");
}

unsigned __stdcall TThread::Run_ThreadRoutine(void* object) {
    TThread* self = static_cast<TThread*>(object);
    self->ThreadRoutine();
    self->ReleaseHandles();
    return 0;
}

void TThread::ReleaseHandles() {
    std::lock_guard<std::mutex> guard(handleLock_);
    if (!CloseHandle(stopEvent_))
        FwdlLog(LogType::Error,
                "Run_ThreadRoutine: Closing stop event handle failed with error = 0x%08X.\n",
                unsigned(GetLastError()));
    stopEvent_ = nullptr;
    if (!CloseHandle(thread_.load()))
        FwdlLog(LogType::Error, "Run_ThreadRoutine: Closing thread handle failed with error = 0x%08X.\n",
                unsigned(GetLastError()));
    // Forgetting the handle is what ends IsRunning.
    thread_ = nullptr;
    released_.notify_all();
}
