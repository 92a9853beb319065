#include "FuzzScratch.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

void removeFolder() {
    std::error_code error;
    std::filesystem::remove_all(FuzzScratch::folder(), error);
}

std::string makeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumora-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    ::setenv("TVC_SIM_BUS", (pattern + "/sim-bus.ini").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
    ::setenv("XDG_STATE_HOME", pattern.c_str(), 1);
    return pattern;
}

}  // namespace

namespace FuzzScratch {

const std::string& folder() {
    static const std::string made = makeFolder();
    static const int removal = std::atexit(removeFolder);
    (void)removal;
    return made;
}

std::string path(const char* name) {
    return folder() + "/" + name;
}

void clear() {
    std::error_code error;
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder(), error))
        left.push_back(entry.path());
    for (const auto& file : left)
        std::filesystem::remove_all(file, error);
}

bool writeFile(const std::string& file, const uint8_t* data, size_t size) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = size == 0 || std::fwrite(data, 1, size, out) == size;
    return std::fclose(out) == 0 && written;
}

}  // namespace FuzzScratch
