#pragma once
#include <cstdint>

// What a simulated device answers to one I/O control request: a Windows
// error code (0 on success) and the number of output bytes produced.
struct SimReply {
    uint32_t status = 0;
    uint32_t bytes = 0;
};

// One open device of the simulated driver: the control device or a unit.
class SimDevice {
public:
    virtual ~SimDevice() = default;
    // How long, in simulated milliseconds, an overlapped request takes to complete.
    virtual uint32_t delayMs() const = 0;
    virtual SimReply request(uint32_t code, const uint8_t* in, uint32_t inSize, uint8_t* out,
                             uint32_t outSize) = 0;
};
