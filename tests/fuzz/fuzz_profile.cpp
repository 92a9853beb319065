// Reads any bytes as an INI file through the profile functions: the section
// list, the key lists of the first sections and their first values, with
// output buffers of every size from one byte, then writes a key and reads it
// back. Each call reads the file again, so the walk stays short.
#include "FuzzScratch.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kBig = 4096;
constexpr size_t kWalked = 2;

// The names of a double-zero-ended list.
std::vector<std::string> names(const char* list) {
    std::vector<std::string> out;
    for (const char* name = list; *name != '\0'; name += std::strlen(name) + 1)
        out.emplace_back(name);
    return out;
}

// Every call must end its output inside the buffer and report a length below the size.
void expectInside(DWORD length, const char* buffer, DWORD size) {
    if (length >= size || buffer[length] != '\0')
        std::abort();
}

void readSizes(const char* section, const char* key, const std::string& file, DWORD sizes) {
    std::vector<char> buffer(sizes);
    for (DWORD size = 1; size <= sizes; ++size)
        expectInside(
            GetPrivateProfileStringA(section, key, "default ", buffer.data(), size, file.c_str()),
            buffer.data(), size);
}

void readAll(const std::string& file, DWORD sizes) {
    std::vector<char> sections(kBig), keys(kBig), value(kBig);
    readSizes(nullptr, nullptr, file, sizes);
    expectInside(
        GetPrivateProfileStringA(nullptr, nullptr, "", sections.data(), kBig, file.c_str()),
        sections.data(), kBig);
    std::vector<std::string> sectionNames = names(sections.data());
    sectionNames.resize(std::min(sectionNames.size(), kWalked));
    for (const std::string& section : sectionNames) {
        readSizes(section.c_str(), nullptr, file, sizes);
        GetPrivateProfileStringA(section.c_str(), nullptr, "", keys.data(), kBig, file.c_str());
        std::vector<std::string> keyNames = names(keys.data());
        keyNames.resize(std::min(keyNames.size(), kWalked));
        for (const std::string& key : keyNames) {
            readSizes(section.c_str(), key.c_str(), file, sizes);
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(), kBig,
                                     file.c_str());
        }
    }
}

void writeAndReadBack(const std::string& file) {
    char value[32];
    if (!WritePrivateProfileStringA("Fuzz", "Key", "value", file.c_str()))
        return;
    GetPrivateProfileStringA("fuzz", "KEY", "", value, sizeof value, file.c_str());
    if (std::strcmp(value, "value") != 0)
        std::abort();
    WritePrivateProfileStringA("Fuzz", "Key", nullptr, file.c_str());
    WritePrivateProfileStringA("Fuzz", nullptr, nullptr, file.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file = FuzzScratch::path("fuzz.ini");
    if (!FuzzScratch::writeFile(file, data, size))
        return 0;
    readAll(file, 1 + (size > 0 ? data[0] % 8 : 0));
    writeAndReadBack(file);
    return 0;
}
