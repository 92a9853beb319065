#pragma once
#include <chrono>
#include <cstdint>

// The one clock behind Sleep, GetTickCount and timed waits off Windows.
// TVC_SIM_TIME_SCALE=N makes it run N times faster than real time, so the
// fixed pauses of a firmware download pass quickly in tests.
class SimClock {
public:
    static double scale();
    static uint64_t nowMs();
    static void sleepMs(uint32_t ms);
    static std::chrono::nanoseconds realDuration(uint32_t simMs);
    // Moves the clock forward at once, as on a machine that has run for long:
    // tests reach the wrap of the 32-bit tick counter with it.
    static void advanceMs(uint64_t ms);
};
