#pragma once
#include "DeviceObject.h"
#include "Waitable.h"
#include "win_device.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Completes overlapped device requests on a thread of its own when they fall
// due, writing the result into the caller's OVERLAPPED record and signalling
// its event, as the kernel does.
class PendingIo {
public:
    struct Request {
        std::shared_ptr<DeviceObject> device;
        HANDLE handle;
        DWORD code;
        std::vector<uint8_t> input;
        LPVOID output;
        DWORD outputSize;
        LPOVERLAPPED overlapped;
        std::shared_ptr<Waitable> event;
        DWORD thread;
        std::chrono::steady_clock::time_point due;
        bool cancelled = false;
    };

    static PendingIo& instance();
    static void complete(LPOVERLAPPED overlapped, const std::shared_ptr<Waitable>& event,
                         DWORD status, DWORD bytes);

    void submit(Request request);
    void cancel(HANDLE handle, DWORD thread);

    ~PendingIo();

private:
    PendingIo();
    void run();

    std::mutex lock_;
    std::condition_variable changed_;
    std::list<Request> queue_;
    bool stopping_ = false;
    std::thread worker_;
};
