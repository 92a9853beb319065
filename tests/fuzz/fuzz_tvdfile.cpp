// Opens any bytes as a firmware image file and takes it apart as the
// download does: describe, load image 1 and the CnE data, read it whole.
#include "TvdFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace {

std::string InputPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() /
         ("fuzz-tvdfile-" + std::to_string(std::random_device()()) + ".tvd"))
            .string();
    return path;
}

void TakeApart(const char* path) {
    TvdFile file;
    if (file.Open(path) != TVCFWDL_STATUS_SUCCESS)
        return;
    TVCFWDL_TVD_FILE_INFO info;
    file.GetFileInfo(&info);
    const uint8_t* part = nullptr;
    file.GetImage1(&part);
    file.GetCnE(&part);
    file.ResetFilePtr();
    uint8_t block[256];
    uint32_t got = 0;
    while (file.Read(block, sizeof block, &got) == TVCFWDL_STATUS_SUCCESS && got == sizeof block) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = InputPath();
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return 0;
    bool written = std::fwrite(data, 1, size, out) == size;
    if (std::fclose(out) == 0 && written)
        TakeApart(path.c_str());
    std::remove(path.c_str());
    return 0;
}
