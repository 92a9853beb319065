#pragma once
#include <chrono>
#include <cstdint>

// The unit's own clock on a download: from the data of its first block to the
// download end, independent of how often the host looks at its progress.
// With $TVC_SIM_TIMING set, each download end appends "BYTES SECONDS" to that
// file, for the benchmark.
class SimTransferTiming {
public:
    void started();
    void blockData();
    void ended(uint64_t bytes);

private:
    std::chrono::steady_clock::time_point first_{};
    bool running_ = false;
};
