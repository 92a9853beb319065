#pragma once
// Where a running download stands, told from the library's two counters:
// nothing sent yet, bytes moving, everything sent.
#include <cstdint>

class DownloadPhase {
public:
    enum Step { Preparing, Transferring, Restarting };

    static Step Of(uint32_t done, uint32_t total);
    // "preparing the unit: stopping the units, starting the bootloader", ...
    static const char* Words(Step step);
};
