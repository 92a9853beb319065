#pragma once
// The running download in the window's words: the phase, and the transfer
// rate with the time left.
#include "TransferClock.h"

#include <cstdint>
#include <string>

class ProgressText {
public:
    // "Transferring the firmware: 1200 of 3226 bytes", "Preparing the unit: ..."
    static std::string Phase(uint32_t done, uint32_t total);
    // "12.5 kB/s, about 8 s left"; empty until a rate is known or once all is sent.
    static std::string Rate(const TransferClock& clock, uint32_t done, uint32_t total);
    // "8 s", "2 min 5 s"
    static std::string Duration(double seconds);
};
