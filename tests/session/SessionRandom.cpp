#include "SessionRandom.h"

uint64_t SessionRandom::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SessionRandom::below(int n) {
    return n <= 1 ? 0 : int(next() % uint64_t(n));
}
