#include "PollSchedule.h"

namespace {

// Milliseconds from `from` to `to` across the counter's wrap.
int32_t after(uint32_t from, uint32_t to) {
    return int32_t(to - from);
}

}  // namespace

bool PollSchedule::frame(uint32_t nowMs) {
    const bool resumed = framesStopped(nowMs);
    framesSeen_ = true;
    lastFrame_ = nowMs;
    if (resumed || after(next_, nowMs) > int32_t(kPeriodMs)) {
        next_ = nowMs + kPeriodMs;
        return true;
    }
    if (after(nowMs, next_) > int32_t(kEarlyMs))
        return false;
    next_ += kPeriodMs;
    return true;
}

bool PollSchedule::framesStopped(uint32_t nowMs) const {
    return !framesSeen_ || after(lastFrame_, nowMs) > int32_t(kStallMs);
}
