#pragma once
#include <cstdint>

// The session's one source of chance: a seed gives the same numbers on every
// machine (splitmix64; no standard distribution, whose results vary by library).
class SessionRandom {
public:
    explicit SessionRandom(uint64_t seed) : state_(seed) {}

    uint64_t next();
    // 0 to n - 1.
    int below(int n);
    // lo to hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    uint64_t state_;
};
