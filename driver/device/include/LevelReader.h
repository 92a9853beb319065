#pragma once
#include <windows.h>

#include <memory>

// The unit's eight level meters and where they are read from: a 32-byte
// window of big-endian words at bus address 0xFFC7'00600000.
struct LevelReader {
    static constexpr int kLevelCount = 8;
    // A meter word at full scale.
    static constexpr DWORD kFullScale = 0x7FFFFFFF;

    LevelReader();

    // Distance below full scale: 0 at full scale, about 13.86 per halving,
    // positive infinity for a silent word.
    static double LevelFromWord(DWORD word);
    // Converts the buffer's words into the levels.
    void DecodeBuffer();

    // Strip 1 left, right; strip 2 left, right; playback left, right; main left, right.
    double Levels[kLevelCount];
    DWORD AddressLow;
    DWORD AddressHigh;
    DWORD AddressField3;
    DWORD ReadLength;
    // How long one read may take before it is cancelled, in milliseconds.
    DWORD ReadTimeoutMs;
    // When the watch last tried to open a unit channel left closed, in ticks.
    DWORD ReopenTick = 0;
    std::unique_ptr<BYTE[]> Buffer;
};
