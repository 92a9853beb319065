#include "TThread.h"

#include "Log.h"

#include <process.h>

#include <cerrno>
#include <chrono>
#include <thread>

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
        FwdlLog(LogType::Error, "Start: create stop event failed with error = 0x%08X.\n",
                unsigned(error));
        return error;
    }
    unsigned threadId = 0;
    HANDLE thread = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &TThread::Run_ThreadRoutine, this, CREATE_SUSPENDED, &threadId));
    if (thread == nullptr) {
        FwdlLog(LogType::Error, "Start: _beginthreadex failed with errno = 0x%08X.\n",
                unsigned(errno));
        CloseHandle(stopEvent_);
        stopEvent_ = nullptr;
        return 1;
    }
    thread_ = thread;
    if (ResumeThread(thread) == DWORD(-1)) {
        DWORD error = GetLastError();
        FwdlLog(LogType::Error, "Start: ResumeThread failed with error = 0x%08X.\n",
                unsigned(error));
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
    {
        std::lock_guard<std::mutex> guard(handleLock_);
        if (thread_.load() == nullptr) {
            FwdlLog(LogType::Error, "Stop: no running thread to stop.\n");
            return;
        }
        FwdlLog(LogType::Info, "Stop: stopping thread...\n");
        if (stopEvent_ != nullptr && !SetEvent(stopEvent_)) {
            FwdlLog(LogType::Error,
                    "Stop: set event that stops the thread failed with error = 0x%08X.\n",
                    unsigned(GetLastError()));
            return;
        }
    }
    while (thread_.load() != nullptr)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    FwdlLog(LogType::Info, "Stop: thread stopped.\n");
}

unsigned __stdcall TThread::Run_ThreadRoutine(void* object) {
    TThread* self = static_cast<TThread*>(object);
    self->ThreadRoutine();
    self->ReleaseHandles();
    return 0;
}

// Clearing the thread handle is the worker's last touch of this object: once
// IsRunning is false the owner may delete it.
void TThread::ReleaseHandles() {
    HANDLE thread = thread_.load();
    {
        std::lock_guard<std::mutex> guard(handleLock_);
        if (!CloseHandle(stopEvent_))
            FwdlLog(LogType::Error,
                    "Run_ThreadRoutine: Closing stop event handle failed with error = 0x%08X.\n",
                    unsigned(GetLastError()));
        stopEvent_ = nullptr;
        if (!CloseHandle(thread))
            FwdlLog(LogType::Error,
                    "Run_ThreadRoutine: Closing thread handle failed with error = 0x%08X.\n",
                    unsigned(GetLastError()));
    }
    thread_.store(nullptr);
}
