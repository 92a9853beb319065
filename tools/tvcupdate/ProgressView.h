#pragma once
// The live progress of a download: bar, percent, bytes, rate and elapsed
// time, and what happens while no bytes move.
#include <chrono>
#include <cstdint>
#include <string>

class ProgressView {
public:
    explicit ProgressView(bool plain) : plain_(plain), start_(Clock::now()) {}

    void Update(uint32_t done, uint32_t total);
    void Finish();

private:
    using Clock = std::chrono::steady_clock;

    std::string Line(uint32_t done, uint32_t total) const;
    static const char* Phase(uint32_t done, uint32_t total);

    bool plain_;
    Clock::time_point start_;
    // The rate counts only the transfer: from the first bytes seen to the last change.
    Clock::time_point firstByte_{};
    Clock::time_point lastChange_{};
    uint32_t firstBytes_ = 0;
    uint32_t lastBytes_ = 0;
    bool moving_ = false;
    std::string lastPhase_;
    int lastTenth_ = -1;
    size_t lastWidth_ = 0;
};
