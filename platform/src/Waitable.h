#pragma once
#include "KernelObject.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

// A kernel object with a signalled state: events and threads.
class Waitable : public KernelObject {
public:
    explicit Waitable(bool manualReset, bool signalled = false)
        : manualReset_(manualReset), signalled_(signalled) {}

    void set();
    void reset();
    // True when signalled within the limit (real time); an automatic-reset
    // object is reset by the wait that sees it signalled.
    bool wait(std::chrono::nanoseconds limit, bool forever);

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool manualReset_;
    bool signalled_;
};
