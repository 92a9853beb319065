#include "ThreadObject.h"

void ThreadObject::announce(unsigned threadId) {
    std::lock_guard<std::mutex> guard(lock_);
    threadId_ = threadId;
    idKnown_ = true;
    changed_.notify_all();
}

unsigned ThreadObject::waitForId() {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return idKnown_; });
    return threadId_;
}

void ThreadObject::waitUntilResumed() {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return !suspended_; });
}

unsigned ThreadObject::resume() {
    std::lock_guard<std::mutex> guard(lock_);
    unsigned previous = suspended_ ? 1 : 0;
    suspended_ = false;
    changed_.notify_all();
    return previous;
}
