#pragma once
#include <cstdint>
#include <vector>

// The requests that reached the simulated devices of this process, in order,
// for tests that must see what a caller sent or prove that it sent nothing.
// Off until started, so a long-running program keeps nothing.
class SimRequestLog {
public:
    struct Entry {
        bool unit;  // false: the control device
        uint32_t code;
        std::vector<uint8_t> input;
    };

    static void start();
    static void stop();
    static void record(bool unit, uint32_t code, const uint8_t* in, uint32_t inSize);
    // The entries recorded since the last call (or the start), leaving none.
    static std::vector<Entry> take();
};
