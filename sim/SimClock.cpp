#include "SimClock.h"

#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

using Steady = std::chrono::steady_clock;

struct ClockState {
    std::mutex lock;
    double scale = 0;
    Steady::time_point realAnchor = Steady::now();
    double simAnchorMs = double(
        std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now().time_since_epoch())
            .count());
};

ClockState& state() {
    static ClockState s;
    return s;
}

double scaleFromEnvironment() {
    const char* text = std::getenv("TVC_SIM_TIME_SCALE");
    if (text == nullptr || *text == '\0')
        return 1.0;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    return (end != text && value > 0) ? value : 1.0;
}

double simNowLocked(ClockState& s, Steady::time_point now) {
    std::chrono::duration<double, std::milli> real = now - s.realAnchor;
    return s.simAnchorMs + real.count() * s.scale;
}

// Re-anchors when the scale changes so that the clock never runs backwards.
double refresh(ClockState& s, Steady::time_point now) {
    double wanted = scaleFromEnvironment();
    if (s.scale == 0) {
        s.scale = wanted;
    } else if (wanted != s.scale) {
        s.simAnchorMs = simNowLocked(s, now);
        s.realAnchor = now;
        s.scale = wanted;
    }
    return s.scale;
}

}  // namespace

double SimClock::scale() {
    ClockState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    return refresh(s, Steady::now());
}

uint64_t SimClock::nowMs() {
    ClockState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    Steady::time_point now = Steady::now();
    refresh(s, now);
    return uint64_t(simNowLocked(s, now));
}

void SimClock::advanceMs(uint64_t ms) {
    ClockState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    s.simAnchorMs += double(ms);
}

std::chrono::nanoseconds SimClock::realDuration(uint32_t simMs) {
    double ns = double(simMs) * 1e6 / scale();
    return std::chrono::nanoseconds(int64_t(ns));
}

// Most requests wait for nothing: they need not read the clock's scale.
void SimClock::sleepMs(uint32_t ms) {
    if (ms == 0)
        return;
    std::this_thread::sleep_for(realDuration(ms));
}
