#pragma once
#include "Waitable.h"

#include <condition_variable>
#include <mutex>

// A thread as a kernel object: signalled once its routine has returned.
// It starts held at a gate when created suspended.
class ThreadObject : public Waitable {
public:
    ThreadObject(bool suspended) : Waitable(true), suspended_(suspended) {}

    void announce(unsigned threadId);
    unsigned waitForId();
    void waitUntilResumed();
    // The previous suspend count (0 or 1).
    unsigned resume();

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool suspended_;
    bool idKnown_ = false;
    unsigned threadId_ = 0;
};
