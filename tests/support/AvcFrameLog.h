#pragma once
#include <cstdint>
#include <vector>

using SentFrame = std::vector<uint8_t>;

// The AV/C frames that reached the simulated units of this process, recorded
// from construction to destruction.
class AvcFrameLog {
public:
    AvcFrameLog();
    ~AvcFrameLog();
    AvcFrameLog(const AvcFrameLog&) = delete;
    AvcFrameLog& operator=(const AvcFrameLog&) = delete;

    // The frames sent to units since the last call, in order; every other
    // request is dropped. Each record is checked on the way: 2000, the frame's
    // length, the frame, zeros to its 520 bytes.
    static std::vector<SentFrame> take();
};
