#pragma once
// Base class of a worker thread: Start runs ThreadRoutine on a new thread,
// and the thread releases its own handles when the routine returns.
#include <windows.h>

#include <atomic>
#include <mutex>

class TThread {
public:
    TThread() = default;
    // Neither stops nor waits for a running thread.
    virtual ~TThread() = default;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // 0, 1 (already running, thread not created) or a Windows error.
    virtual DWORD Start();
    // Signals the stop event and waits until the thread has ended.
    virtual void Stop();
    virtual bool IsRunning() const { return thread_.load() != nullptr; }

protected:
    virtual void ThreadRoutine() = 0;
    // Manual-reset event set by Stop; a routine that can be stopped watches it.
    HANDLE StopEvent() const { return stopEvent_; }

private:
    static unsigned __stdcall Run_ThreadRoutine(void* object);
    void ReleaseHandles();

    std::atomic<HANDLE> thread_{nullptr};
    HANDLE stopEvent_ = nullptr;
    // The worker closes its own handles; Stop must not set the stop event
    // after that, so both sides meet under this lock.
    std::mutex handleLock_;
};
