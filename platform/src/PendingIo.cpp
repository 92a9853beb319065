#include "PendingIo.h"

#include <algorithm>

PendingIo& PendingIo::instance() {
    static PendingIo pending;
    return pending;
}

PendingIo::PendingIo() : worker_([this] { run(); }) {}

PendingIo::~PendingIo() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
        changed_.notify_all();
    }
    worker_.join();
}

void PendingIo::complete(LPOVERLAPPED overlapped, const std::shared_ptr<Waitable>& event,
                         DWORD status, DWORD bytes) {
    overlapped->InternalHigh = bytes;
    __atomic_store_n(&overlapped->Internal, ULONG_PTR(status), __ATOMIC_RELEASE);
    if (event)
        event->set();
}

void PendingIo::submit(Request request) {
    std::lock_guard<std::mutex> guard(lock_);
    queue_.push_back(std::move(request));
    changed_.notify_all();
}

void PendingIo::cancel(HANDLE handle, DWORD thread) {
    std::lock_guard<std::mutex> guard(lock_);
    auto now = std::chrono::steady_clock::now();
    for (Request& request : queue_) {
        if (request.handle == handle && request.thread == thread) {
            request.cancelled = true;
            request.due = now;
        }
    }
    changed_.notify_all();
}

void PendingIo::run() {
    std::unique_lock<std::mutex> guard(lock_);
    while (!stopping_) {
        auto next =
            std::min_element(queue_.begin(), queue_.end(),
                             [](const Request& a, const Request& b) { return a.due < b.due; });
        if (next == queue_.end()) {
            changed_.wait(guard);
            continue;
        }
        if (next->due > std::chrono::steady_clock::now()) {
            changed_.wait_until(guard, next->due);
            continue;
        }
        Request request = std::move(*next);
        queue_.erase(next);
        guard.unlock();
        SimReply reply{ERROR_OPERATION_ABORTED, 0};
        if (!request.cancelled)
            reply = request.device->device().request(
                request.code, request.input.data(), DWORD(request.input.size()),
                static_cast<uint8_t*>(request.output), request.outputSize);
        complete(request.overlapped, request.event, reply.status, reply.bytes);
        guard.lock();
    }
}
