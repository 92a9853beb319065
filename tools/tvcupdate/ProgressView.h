#pragma once
// The live progress of a download: bar, percent, bytes, rate and elapsed
// time, and what happens while no bytes move.
#include "DownloadPhase.h"
#include "TransferClock.h"

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
    double Seconds() const;

    bool plain_;
    Clock::time_point start_;
    TransferClock clock_;
    DownloadPhase::Step lastPhase_ = DownloadPhase::Preparing;
    int lastTenth_ = -1;
    size_t lastWidth_ = 0;
};
