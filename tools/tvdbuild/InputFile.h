#pragma once
// Reads an input file of the builder whole: only a regular file, and only up
// to a size no firmware file comes near, so that a folder or /dev/zero gives
// a clear error instead of an exception or an endless read.
#include <cstdint>
#include <string>
#include <vector>

class InputFile {
public:
    // Four times the largest image a unit accepts.
    static constexpr uint64_t MaxBytes = 256u << 20;

    // False with the reason in error.
    static bool Read(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);
};
