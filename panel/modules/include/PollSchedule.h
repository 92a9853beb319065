#pragma once
#include <cstdint>

// The unit watch's 25 ms poll carried by the display's frames, so that a poll
// costs no wake-up of its own: a poll is due on the first frame that comes at
// most a few milliseconds before its time. At 100 frames a second the polls
// come 20 and 30 ms apart, at 60 frames 17 and 33 ms: 40 a second either way.
class PollSchedule {
public:
    static constexpr uint32_t kPeriodMs = 25;
    static constexpr uint32_t kEarlyMs = 5;
    // Frames further apart than this no longer carry the poll.
    static constexpr uint32_t kStallMs = 100;

    // A frame came at the given millisecond count: true when a poll is due then.
    bool frame(uint32_t nowMs);
    // Whether the frames stopped coming (or never came): a timer must poll instead.
    bool framesStopped(uint32_t nowMs) const;

private:
    uint32_t next_ = 0;
    uint32_t lastFrame_ = 0;
    bool framesSeen_ = false;
};
