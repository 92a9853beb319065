#include "SimTransferTiming.h"

#include <cstdio>
#include <cstdlib>

void SimTransferTiming::started() {
    running_ = false;
}

void SimTransferTiming::blockData() {
    if (running_)
        return;
    first_ = std::chrono::steady_clock::now();
    running_ = true;
}

void SimTransferTiming::ended(uint64_t bytes) {
    auto end = std::chrono::steady_clock::now();
    const char* path = std::getenv("TVC_SIM_TIMING");
    bool measured = running_;
    running_ = false;
    if (path == nullptr || *path == '\0')
        return;
    double seconds = measured ? std::chrono::duration<double>(end - first_).count() : 0.0;
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%llu %.9f\n", static_cast<unsigned long long>(bytes), seconds);
        std::fclose(file);
    }
}
