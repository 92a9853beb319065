#include "Waitable.h"

void Waitable::set() {
    std::lock_guard<std::mutex> guard(lock_);
    signalled_ = true;
    changed_.notify_all();
}

void Waitable::reset() {
    std::lock_guard<std::mutex> guard(lock_);
    signalled_ = false;
}

bool Waitable::wait(std::chrono::nanoseconds limit, bool forever) {
    std::unique_lock<std::mutex> guard(lock_);
    auto isSignalled = [this] { return signalled_; };
    if (forever)
        changed_.wait(guard, isSignalled);
    else if (!changed_.wait_for(guard, limit, isSignalled))
        return false;
    if (!manualReset_)
        signalled_ = false;
    return true;
}
