#pragma once
// The live progress of a download: bar, percent, bytes, rate and elapsed
// time, and what happens while no bytes move.
#include <chrono>
#include <cstdint>
#include <string>

class ProgressView {
public:
    explicit ProgressView(bool plain)
        : plain_(plain), start_(Clock::now()), lastIdle_(start_), lastChange_(start_) {}

    void Update(uint32_t done, uint32_t total);
    void Finish();

private:
    using Clock = std::chrono::steady_clock;

    std::string Line(uint32_t done, uint32_t total) const;
    static const char* Phase(uint32_t done, uint32_t total);

    bool plain_;
    Clock::time_point start_;
    // The rate counts only the transfer: from the last poll that saw no bytes
    // to the last change, so a transfer that ends between two polls still shows
    // a rate (if anything, a low one).
    Clock::time_point lastIdle_;
    Clock::time_point lastChange_;
    uint32_t lastBytes_ = 0;
    std::string lastPhase_;
    int lastTenth_ = -1;
    size_t lastWidth_ = 0;
};
