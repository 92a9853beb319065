#include "LevelReader.h"

#include <cmath>
#include <limits>

LevelReader::LevelReader()
    : AddressLow(0x00600000),
      AddressHigh(0xFFC7),
      AddressField3(0),
      ReadLength(32),
      ReadTimeoutMs(100) {
    for (double& level : Levels)
        level = std::numeric_limits<double>::infinity();
}

double LevelReader::LevelFromWord(DWORD word) {
    return -20.0 * std::log(double(word) / double(kFullScale));
}

void LevelReader::DecodeBuffer() {
    for (int i = 0; i < kLevelCount && DWORD(4 * i + 4) <= ReadLength; ++i) {
        const BYTE* group = Buffer.get() + 4 * size_t(i);
        DWORD word =
            DWORD(group[0]) << 24 | DWORD(group[1]) << 16 | DWORD(group[2]) << 8 | DWORD(group[3]);
        Levels[i] = LevelFromWord(word);
    }
}
